#include "Trace.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <system_error>

namespace steplink::sim {
namespace {

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool field(std::string_view text, double& v)
{
    text = trim(text);
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    return !text.empty() && r.ec == std::errc{} && r.ptr == text.data() + text.size() &&
           std::isfinite(v);
}

} // namespace

Trace::Trace(double cmPerSensor)
    : m_cmPerSensor(std::isfinite(cmPerSensor) && cmPerSensor > 0 ? cmPerSensor : 1.0)
{
}

Trace Trace::load(const std::string& path, double cmPerSensor)
{
    Trace trace(cmPerSensor);
    if (path.empty())
        return trace;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file)
        return trace;

    // Reads in blocks with a bounded line buffer, so a file without line
    // ends (or of any size) costs no more memory than its samples.
    char block[16384];
    std::string line;
    bool overlong = false;
    bool full = false;
    size_t n = 0;
    while (!full && (n = std::fread(block, 1, sizeof block, file.get())) > 0) {
        for (size_t i = 0; i < n && !full; ++i) {
            const char c = block[i];
            if (c == '\n') {
                if (overlong)
                    ++trace.m_malformed;
                else
                    full = !trace.addLine(line);
                line.clear();
                overlong = false;
            } else if (!overlong) {
                if (line.size() < MaxLineLength)
                    line.push_back(c);
                else
                    overlong = true;
            }
        }
    }
    if (!full) {
        if (overlong)
            ++trace.m_malformed;
        else
            trace.addLine(line);
    }
    return trace;
}

void Trace::addText(std::string_view text)
{
    while (!text.empty()) {
        const auto eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        if (line.size() > MaxLineLength)
            ++m_malformed;
        else if (!addLine(line))
            return;
        text = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
    }
}

bool Trace::addLine(std::string_view line)
{
    if (m_samples.size() >= MaxSamples)
        return false;
    line = trim(line);
    if (line.empty())
        return true;

    const auto c1 = line.find(',');
    const auto c2 = c1 == std::string_view::npos ? c1 : line.find(',', c1 + 1);
    double t = 0, x = 0, y = 0;
    const bool numeric =
        c2 != std::string_view::npos && line.find(',', c2 + 1) == std::string_view::npos &&
        field(line.substr(0, c1), t) && field(line.substr(c1 + 1, c2 - c1 - 1), x) &&
        field(line.substr(c2 + 1), y);
    if (!numeric) {
        ++m_malformed;
        return true;
    }
    if (m_samples.empty())
        m_firstTime = t;
    const double rel = t - m_firstTime;
    const auto dx = static_cast<float>(x / m_cmPerSensor);
    const auto dy = static_cast<float>(-y / m_cmPerSensor);
    if (!std::isfinite(rel) || !std::isfinite(dx) || !std::isfinite(dy) ||
        (!m_samples.empty() && rel < m_samples.back().t)) {
        ++m_malformed;
        return true;
    }
    m_samples.push_back({rel, dx, dy});
    return true;
}

double Trace::period() const
{
    const size_t n = m_samples.size();
    if (n < 2)
        return 0;
    const double span = m_samples[n - 1].t;
    const double step = span - m_samples[n - 2].t;
    return span + step;
}

void Trace::offsetAt(double elapsed, bool loop, float& dx, float& dy) const noexcept
{
    if (m_samples.empty()) {
        dx = dy = 0;
        return;
    }
    double t = std::isfinite(elapsed) && elapsed > 0 ? elapsed : 0;
    if (loop) {
        const double p = period();
        t = p > 0 ? std::fmod(t, p) : 0;
    }
    // First sample after t, then one back: the sample at or before t.
    auto it = std::upper_bound(m_samples.begin(), m_samples.end(), t,
                               [](double v, const Sample& s) { return v < s.t; });
    if (it != m_samples.begin())
        --it;
    dx = it->dx;
    dy = it->dy;
}

} // namespace steplink::sim
