#include "SimConfig.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace steplink::sim {
namespace {

// A device INI is a few hundred bytes; a bigger file is not one.
constexpr std::streamsize MaxIniBytes = 1 << 20;

char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = lowerAscii(c);
    return out;
}

bool equalNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

std::string_view trim(std::string_view s)
{
    constexpr std::string_view blanks = " \t\r\n\f\v";
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(blanks);
    return s.substr(first, last - first + 1);
}

std::optional<int> toInt(const std::optional<std::string>& text)
{
    if (!text)
        return std::nullopt;
    std::string_view s = *text;
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    int v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc{} || r.ptr != s.data() + s.size())
        return std::nullopt;
    return v;
}

std::optional<double> toDouble(const std::optional<std::string>& text)
{
    if (!text)
        return std::nullopt;
    const std::string& s = *text;
    double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc{} || r.ptr != s.data() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace

IniDocument IniDocument::parse(std::string_view text)
{
    IniDocument doc;
    std::string section;
    bool inSection = false; // keys before the first section belong to none
    while (!text.empty()) {
        const auto eol = text.find('\n');
        std::string_view line = trim(text.substr(0, eol));
        text = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            inSection = close != std::string_view::npos;
            if (inSection)
                section = lower(trim(line.substr(1, close - 1)));
            continue;
        }
        const auto eq = line.find('=');
        if (!inSection || eq == std::string_view::npos)
            continue;
        std::string_view value = trim(line.substr(eq + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        doc.m_entries.push_back({section, lower(trim(line.substr(0, eq))), std::string(value)});
    }
    return doc;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const
{
    for (const Entry& e : m_entries) {
        if (equalNoCase(e.section, section) && equalNoCase(e.key, key))
            return e.value;
    }
    return std::nullopt;
}

SimConfig ConfigFromIni(const IniDocument& ini)
{
    SimConfig c;
    constexpr std::string_view s = "Simulator";
    // A plate with more sensors than this is a typo, not a plate.
    constexpr int maxSensors = 4096;

    c.initResult = toInt(ini.value(s, "InitResult")).value_or(c.initResult);
    if (auto v = toInt(ini.value(s, "SensorsX")); v && *v > 0 && *v <= maxSensors)
        c.sensorsX = *v;
    if (auto v = toInt(ini.value(s, "SensorsY")); v && *v > 0 && *v <= maxSensors)
        c.sensorsY = *v;
    if (auto v = toInt(ini.value(s, "UdpPort")); v && *v > 0 && *v <= 65535)
        c.udpPort = *v;
    c.trace = ini.value(s, "Trace").value_or(std::string{});
    if (auto v = toDouble(ini.value(s, "CmPerSensor")); v && *v > 0)
        c.cmPerSensor = *v;
    if (auto v = toInt(ini.value(s, "TraceLoop")))
        c.traceLoop = *v != 0;
    return c;
}

SimConfig ReadSimConfig(const std::string& iniPath)
{
    if (iniPath.empty())
        return {};
    std::ifstream in(iniPath, std::ios::binary);
    if (!in)
        return {};
    std::string text(static_cast<size_t>(MaxIniBytes), '\0');
    in.read(text.data(), MaxIniBytes);
    text.resize(static_cast<size_t>(in.gcount()));
    return ConfigFromIni(IniDocument::parse(text));
}

std::string FindFileNoCase(const std::string& dir, const std::string& name)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path base = dir.empty() ? fs::path(".") : fs::path(dir);
    if (fs::exists(base / name, ec))
        return (base / name).string();
    std::string found;
    for (fs::directory_iterator it(base, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        // Directory order is arbitrary; take the smallest name so the choice
        // does not change from one run to the next.
        if (equalNoCase(entry, name) && (found.empty() || entry < found))
            found = entry;
    }
    return found.empty() ? std::string{} : (base / found).string();
}

std::string ResolvePath(const std::string& baseDir, const std::string& trace)
{
    namespace fs = std::filesystem;
    if (trace.empty())
        return {};
    const fs::path p(trace);
    if (p.is_absolute() || baseDir.empty())
        return p.string();
    return (fs::path(baseDir) / p).string();
}

} // namespace steplink::sim
