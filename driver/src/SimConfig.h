#pragma once
// Settings of the simulated platform, read from the device INI with Windows
// profile rules: section and key names without regard to case, whole-line
// '#' and ';' comments, the first occurrence of a key wins, and a missing or
// unusable value falls back to its default. Plain C++: the simulator library
// must not depend on anything of the program.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace steplink::sim {

struct SimConfig
{
    int initResult = 0; // what SLInit answers; negative values stop the simulation
    int sensorsX = 48;  // sensor counts of the plate: CoG runs 0..sensors
    int sensorsY = 48;
    int udpPort = 47800; // position datagrams, on 127.0.0.1 only
    std::string trace;   // recorded sway to replay; empty: none
    double cmPerSensor = 1.0;
    bool traceLoop = true;
};

class IniDocument
{
public:
    static IniDocument parse(std::string_view text);
    // The value of the first `key` in the first matching `section`, blanks
    // around it and one pair of surrounding double quotes removed.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

private:
    struct Entry
    {
        std::string section; // lower case
        std::string key;     // lower case
        std::string value;
    };
    std::vector<Entry> m_entries;
};

SimConfig ConfigFromIni(const IniDocument& ini);
// Defaults when the file is missing or unreadable.
SimConfig ReadSimConfig(const std::string& iniPath);

// The entry of `dir` called `name` without regard to case (an exact match
// first); empty when there is none.
std::string FindFileNoCase(const std::string& dir, const std::string& name);

// `trace` relative to `baseDir` unless it is absolute.
std::string ResolvePath(const std::string& baseDir, const std::string& trace);

} // namespace steplink::sim
