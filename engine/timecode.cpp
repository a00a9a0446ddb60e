// Timecode values, the six modes, and the conversions between timecodes and frame counts.
#include "engine/timecode.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <iterator>
#include <limits>

#include "engine/wrapping.h"

namespace {

constexpr std::int32_t WrapInc(std::int32_t v)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v) + 1u);
}

// h*3600 + m*60 + s, wrapping.
constexpr std::int64_t WholeSeconds(const Timecode &tc)
{
    return WrapAdd(WrapAdd(WrapMul(tc.hours, 3600), WrapMul(tc.minutes, 60)), tc.seconds);
}

// The remainder in [0, divisor) for a positive divisor.
constexpr std::int64_t FloorMod(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t r = value % divisor;
    return r < 0 ? r + divisor : r;
}

// Labels per ten minutes and per dropped minute in 30 fps drop frame.
constexpr FrameCount kDropTenMinutes = 17'982;
constexpr FrameCount kDropMinute = 1'798;

} // namespace

std::string_view ModeTabCaption(TimecodeMode mode)
{
    switch (mode) {
    case TimecodeMode::NonDrop:
        return "NonDrop";
    case TimecodeMode::DropFrame:
        return "DropFrm";
    case TimecodeMode::Pal:
        return "PAL";
    case TimecodeMode::Film:
        return "Film/24P";
    case TimecodeMode::User:
    case TimecodeMode::Frames:
        break;
    }
    return {};
}

std::int64_t ModeRate(TimecodeMode mode, std::int64_t userFps)
{
    switch (mode) {
    case TimecodeMode::Pal:
        return 25;
    case TimecodeMode::Film:
        return 24;
    case TimecodeMode::User:
        return SaneUserFps(userFps);
    case TimecodeMode::NonDrop:
    case TimecodeMode::DropFrame:
    case TimecodeMode::Frames:
        break;
    }
    return 30;
}

std::int64_t SaneUserFps(std::int64_t userFps)
{
    return std::clamp<std::int64_t>(userFps, 1, kMaxRate);
}

bool IsDropMinute(std::int32_t minutes)
{
    return minutes >= 1 && minutes <= 59 && minutes % 10 != 0;
}

Timecode TotalTCCheck(Timecode tc, std::int64_t rate)
{
    if (tc.frames == rate) {
        tc.seconds = WrapInc(tc.seconds);
        tc.frames = 0;
    }
    if (tc.seconds == 60) {
        tc.minutes = WrapInc(tc.minutes);
        tc.seconds = 0;
    }
    if (tc.minutes == 60) {
        tc.hours = WrapInc(tc.hours);
        tc.minutes = 0;
    }
    if (tc.hours == 24)
        tc.hours = 0;
    return tc;
}

Timecode GenericTC(std::int64_t rate, FrameCount frames)
{
    const std::int64_t r = SaneUserFps(rate);
    // One remainder does what adding or subtracting whole days until the count fits would do.
    const FrameCount inDay = FloorMod(frames, 86'400 * r);
    Timecode tc;
    tc.hours = static_cast<std::int32_t>(inDay / (3600 * r));
    tc.minutes = static_cast<std::int32_t>(inDay % (3600 * r) / (60 * r));
    tc.seconds = static_cast<std::int32_t>(inDay % (60 * r) / r);
    tc.frames = static_cast<std::int32_t>(inDay % r);
    return TotalTCCheck(tc, r);
}

FrameCount TimecodeToFrames(const Timecode &tc, std::int64_t rate)
{
    return WrapAdd(WrapMul(WholeSeconds(tc), rate), tc.frames);
}

FrameCount TimecodeToFramesReal(const Timecode &tc, double fps)
{
    const long double seconds = static_cast<long double>(WholeSeconds(tc));
    return RoundHalfEven(seconds * static_cast<long double>(fps) + static_cast<long double>(tc.frames));
}

std::int64_t RoundHalfEven(long double value)
{
    if (std::isnan(value))
        return 0;
    // 2^63 is exact in long double; anything at or beyond it does not fit.
    constexpr long double limit = 9223372036854775808.0L;
    if (value >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -limit)
        return std::numeric_limits<std::int64_t>::min();
    // The hardware rounds to nearest with ties to even unless someone changed the rounding mode,
    // and it does so without the costly switch of the x87 control word that truncation needs.
    if (std::fegetround() == FE_TONEAREST)
        return std::llrintl(value);
    // Truncate, then settle the fraction; value - whole is exact in the 64-bit mantissa.
    const auto whole = static_cast<std::int64_t>(value);
    const long double fraction = value - static_cast<long double>(whole);
    const bool odd = (whole & 1) != 0;
    if (fraction > 0.5L || (fraction == 0.5L && odd))
        return whole + 1;
    if (fraction < -0.5L || (fraction == -0.5L && odd))
        return whole - 1;
    return whole;
}

Timecode ApplyDropLabelRule(Timecode tc)
{
    if (IsDropMinute(tc.minutes) && tc.seconds == 0 && (tc.frames == 0 || tc.frames == 1))
        tc.frames = 2;
    return tc;
}

FrameCount DropFrameToFrames(const Timecode &label)
{
    // Two labels are dropped in every minute but the tenth.
    const std::int64_t totalMinutes = WrapAdd(WrapMul(label.hours, 60), label.minutes);
    const std::int64_t dropped = WrapMul(2, totalMinutes - totalMinutes / 10);
    return WrapAdd(TimecodeToFrames(label, 30), -dropped);
}

Timecode FramesToDropFrame(FrameCount frames)
{
    FrameCount n = FloorMod(frames, kDropFrameDay);
    const FrameCount tens = n / kDropTenMinutes;
    const FrameCount rest = n % kDropTenMinutes;
    n += 18 * tens;
    if (rest >= 2)
        n += 2 * ((rest - 2) / kDropMinute);
    return GenericTC(30, n);
}

double DropCompensate(double x, bool dropFrameTabActive)
{
    if (!dropFrameTabActive)
        return x;
    const double a = x >= 1800 ? std::trunc(x / 1800) : 0;
    const double b = x >= 18000 ? std::trunc(x / 18000) : 0;
    return x + 2 * a - 2 * b;
}

std::string TimecodeText(const Timecode &tc, char separator)
{
    const std::int32_t fields[] = {tc.hours, tc.minutes, tc.seconds, tc.frames};
    if (std::all_of(std::begin(fields), std::end(fields), [](std::int32_t v) { return v >= 0 && v < 100; })) {
        char text[11];
        for (int i = 0; i < 4; ++i) {
            text[i * 3] = static_cast<char>('0' + fields[i] / 10);
            text[i * 3 + 1] = static_cast<char>('0' + fields[i] % 10);
            if (i < 3)
                text[i * 3 + 2] = separator;
        }
        return std::string(text, sizeof text);
    }
    // Fields beyond two digits keep all their digits; below ten (negatives too) they get one "0".
    std::string text;
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            text += separator;
        if (fields[i] < 10)
            text += '0';
        text += std::to_string(fields[i]);
    }
    return text;
}

namespace {

std::string ReSeparate(std::string_view text, char separator)
{
    if (text.size() < 11)
        return std::string(text);
    return {text[0], text[1], separator, text[3], text[4], separator,
            text[6], text[7], separator, text[9], text[10]};
}

} // namespace

std::string AddSemi(std::string_view text)
{
    return ReSeparate(text, ';');
}

std::string RemoveSemi(std::string_view text)
{
    return ReSeparate(text, ':');
}

std::string StringSpace(std::string_view text)
{
    const auto kept = static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return c != ' '; }));
    return std::string(text.substr(0, kept));
}

std::optional<Timecode> ParseTimecodeField(std::string_view text)
{
    if (text.size() < 11)
        return std::nullopt;
    std::int32_t values[4];
    for (int field = 0; field < 4; ++field) {
        const char tens = text[static_cast<std::size_t>(field * 3)];
        const char units = text[static_cast<std::size_t>(field * 3 + 1)];
        if (!IsDigit(tens) || !IsDigit(units))
            return std::nullopt;
        values[field] = (tens - '0') * 10 + (units - '0');
    }
    return Timecode{values[0], values[1], values[2], values[3]};
}

std::optional<std::size_t> FirstNonDigit(std::string_view text)
{
    for (std::size_t pos : {0, 1, 3, 4, 6, 7, 9, 10}) {
        if (pos >= text.size() || !IsDigit(text[pos]))
            return pos;
    }
    return std::nullopt;
}

std::int64_t LargestFrame(int tab, std::int64_t userFps)
{
    return ModeRate(static_cast<TimecodeMode>(tab), userFps) - 1;
}

bool InRange(const Timecode &tc, int tab, std::int64_t userFps)
{
    return tc.hours >= 0 && tc.hours <= 23 && tc.minutes >= 0 && tc.minutes <= 59 && tc.seconds >= 0
        && tc.seconds <= 59 && tc.frames >= 0 && tc.frames <= LargestFrame(tab, userFps);
}
