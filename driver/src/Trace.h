#pragma once
// A recorded sway trace: CSV lines "time, x, y" (seconds, centimetres, +y
// forward), kept as offsets in sensor units with the screen's orientation
// (+y down, so a forward lean moves the cursor up).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace steplink::sim {

class Trace
{
public:
    // One hour at 100 Hz and more; past this the rest of a file is ignored
    // rather than filling memory.
    static constexpr size_t MaxSamples = size_t(1) << 22;
    // No sample line is this long; a longer line is refused whole.
    static constexpr size_t MaxLineLength = 1024;

    explicit Trace(double cmPerSensor = 1.0);

    // Missing or unreadable file: an empty trace.
    static Trace load(const std::string& path, double cmPerSensor);

    // Feeds one line (without its line end). Blank lines are skipped; any
    // other line that is not a sample, or whose time goes backwards, is
    // counted as malformed. Returns false once the trace is full.
    bool addLine(std::string_view line);
    void addText(std::string_view text);

    bool empty() const { return m_samples.empty(); }
    size_t size() const { return m_samples.size(); }
    int malformedLines() const { return m_malformed; }
    // Length of one loop: the span of the samples plus one sample step.
    double period() const;

    // The sample at or before `elapsed` seconds since replay start (the
    // first sample for negative times). Cheap: no allocation, no I/O.
    void offsetAt(double elapsed, bool loop, float& dx, float& dy) const noexcept;

private:
    struct Sample
    {
        double t; // seconds since the first sample
        float dx;
        float dy;
    };
    double m_cmPerSensor;
    double m_firstTime = 0;
    int m_malformed = 0;
    std::vector<Sample> m_samples;
};

} // namespace steplink::sim
