/*
 * Simulated Steplink platform: what the simulator library adds to the driver
 * interface of steplink.h, and the position datagram that steplink-pad sends
 * to it.
 *
 * The datagram is ASCII "x y": two decimal numbers in sensor units ('.' as
 * decimal point, optional leading '-'), separated by blanks or by a comma
 * with optional blanks around it, optionally followed by one line end.
 * Nothing else is accepted, so a stray packet on the port cannot move the
 * platform. Parsing and formatting live here, in one place, for both sides.
 */
#ifndef STEPLINK_SIM_H
#define STEPLINK_SIM_H

#include <stdint.h>

#if defined(__GNUC__)
#define STEPLINK_SIM_EXPORT __attribute__((visibility("default")))
#else
#define STEPLINK_SIM_EXPORT
#endif

/* Device INI, looked up without regard to case beside the library (and
   beside steplink-pad). */
#define STEPLINK_SIM_INI_FILE "Steplink.ini"
#define STEPLINK_SIM_DEFAULT_UDP_PORT 47800
/* Longest datagram accepted, in bytes; anything longer is refused whole. */
#define STEPLINK_SIM_DATAGRAM_MAX 64

#ifdef __cplusplus
extern "C" {
#endif

/* Inputs refused since SLInit last started the simulation: datagrams that
   were not a position, and lines of the trace file that were not a sample. */
STEPLINK_SIM_EXPORT int32_t SimMalformedDatagrams(void);
STEPLINK_SIM_EXPORT int32_t SimMalformedTraceLines(void);
typedef int32_t (*SimCounterFn)(void);

#ifdef __cplusplus
}

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <system_error>

namespace steplink {

// Returns false, leaving x and y untouched, unless `text` is exactly one
// position datagram as described above.
inline bool ParseCogDatagram(std::string_view text, double& x, double& y)
{
    if (text.size() > STEPLINK_SIM_DATAGRAM_MAX)
        return false;
    if (!text.empty() && text.back() == '\n') {
        text.remove_suffix(1);
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
    }
    const char* p = text.data();
    const char* const end = p + text.size();
    auto skipBlanks = [&] {
        while (p != end && (*p == ' ' || *p == '\t'))
            ++p;
    };
    // `fixed` keeps exponents out; from_chars still takes "inf"/"nan", hence
    // the isfinite check.
    auto number = [&](double& v) {
        const auto r = std::from_chars(p, end, v, std::chars_format::fixed);
        if (r.ec != std::errc{} || !std::isfinite(v))
            return false;
        p = r.ptr;
        return true;
    };

    double a = 0, b = 0;
    skipBlanks();
    if (!number(a))
        return false;
    const char* afterFirst = p;
    skipBlanks();
    if (p != end && *p == ',') {
        ++p;
        skipBlanks();
    } else if (p == afterFirst) {
        return false; // "1.2.3" or "12-3": the numbers must be separated
    }
    if (!number(b))
        return false;
    skipBlanks();
    if (p != end)
        return false;
    x = a;
    y = b;
    return true;
}

// "x y" with three decimals, no line end. Empty when a value is not finite
// or too large to be a position on any plate.
inline std::string FormatCogDatagram(double x, double y)
{
    constexpr double limit = 1e9;
    if (!std::isfinite(x) || !std::isfinite(y) || std::fabs(x) > limit || std::fabs(y) > limit)
        return {};
    char buffer[STEPLINK_SIM_DATAGRAM_MAX];
    char* const end = buffer + sizeof buffer;
    auto r = std::to_chars(buffer, end, x, std::chars_format::fixed, 3);
    if (r.ec != std::errc{} || r.ptr == end)
        return {};
    *r.ptr++ = ' ';
    r = std::to_chars(r.ptr, end, y, std::chars_format::fixed, 3);
    if (r.ec != std::errc{})
        return {};
    return std::string(buffer, r.ptr);
}

} // namespace steplink

#endif /* __cplusplus */

#endif /* STEPLINK_SIM_H */
