// Timecode values, the six timecode modes, and the conversions between timecodes and frame counts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using FrameCount = std::int64_t;

// Hours, minutes, seconds, frames. Typed values are 0..99 per field; converted values are normalised.
struct Timecode {
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
    std::int32_t frames = 0;
    friend bool operator==(const Timecode &, const Timecode &) = default;
};

// The mode index is also the tab index of the main window and the index of every format list.
enum class TimecodeMode : int { NonDrop = 0, DropFrame = 1, Pal = 2, Film = 3, User = 4, Frames = 5 };
inline constexpr int kModeCount = 6;

// Frames in a 24-hour drop-frame day: 108 labels are dropped every hour.
inline constexpr FrameCount kDropFrameDay = 2'589'408;

// The fixed tab caption of a mode ("NonDrop", "DropFrm", "PAL", "Film/24P"); empty for User and Frames,
// whose captions follow their rates.
std::string_view ModeTabCaption(TimecodeMode mode);

// Integer conversion rate of modes 0..4 (30, 30, 25, 24, userFps, the last through SaneUserFps).
// Mode 5 has a real rate; for it this gives 30, the rate of the labels its entry fields take.
std::int64_t ModeRate(TimecodeMode mode, std::int64_t userFps);

// The largest integer rate the engine converts at; far beyond any real rate, it keeps a day's
// frame count and every timecode field within range.
inline constexpr std::int64_t kMaxRate = 1'000'000;

// A user rate below 1 would make every conversion meaningless; the engine works with 1 instead
// (and with kMaxRate above it).
std::int64_t SaneUserFps(std::int64_t userFps);

// Minutes 1..59 that are not multiples of ten: their second 00 has no frame labels 00 and 01.
bool IsDropMinute(std::int32_t minutes);

// One carry step at rate R: frames == R, seconds == 60, minutes == 60, hours == 24, each tested once.
Timecode TotalTCCheck(Timecode tc, std::int64_t rate);

// Frame count to timecode at an integer rate (clamped by SaneUserFps); any count is brought into one
// day in constant time, negative counts showing as the time before midnight.
Timecode GenericTC(std::int64_t rate, FrameCount frames);

// (h*3600 + m*60 + s) * rate + f, in wrapping 64-bit arithmetic.
FrameCount TimecodeToFrames(const Timecode &tc, std::int64_t rate);

// (h*3600 + m*60 + s) * fps + f in extended precision, rounded to nearest with ties to even.
FrameCount TimecodeToFramesReal(const Timecode &tc, double fps);

// Round to nearest, ties to even; out-of-range values saturate.
std::int64_t RoundHalfEven(long double value);

// The drop-frame label rule: a label at second 00 of a drop minute with frame 00 or 01 becomes frame 02.
Timecode ApplyDropLabelRule(Timecode tc);

// SMPTE drop-frame counting: a (valid, label-ruled) drop-frame label to its true frame number...
FrameCount DropFrameToFrames(const Timecode &label);
// ...and a frame number back to its label; negative counts and counts past a day wrap into the day.
Timecode FramesToDropFrame(FrameCount frames);

// Drop-frame compensation of a frame count for the status bar percentage; identity off the drop tab.
double DropCompensate(double x, bool dropFrameTabActive);

// The text form: fields of two digits at least ("07", "12", "123", "0-1"), joined by the separator.
std::string TimecodeText(const Timecode &tc, char separator = ':');

// Rewrite an 11-character timecode text with ";" or ":" separators (characters 1,2,4,5,7,8,10,11 kept).
std::string AddSemi(std::string_view text);
std::string RemoveSemi(std::string_view text);

// Cut a text to as many characters as it has non-space characters.
std::string StringSpace(std::string_view text);

inline constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Parse an entry field's 11-character text: digits at positions 1,2 / 4,5 / 7,8 / 10,11.
// Empty when a digit position holds anything but a decimal digit, or the text is too short.
std::optional<Timecode> ParseTimecodeField(std::string_view text);
// The first digit position (0,1,3,4,6,7,9,10) that holds no decimal digit or lies past the end of the
// text; empty when the text parses.
std::optional<std::size_t> FirstNonDigit(std::string_view text);

// The largest frame number that range checking accepts on a tab (29, 29, 24, 23, userFps - 1, 29).
std::int64_t LargestFrame(int tab, std::int64_t userFps);

// Range limits: hours <= 23, minutes <= 59, seconds <= 59, frames <= LargestFrame(tab).
bool InRange(const Timecode &tc, int tab, std::int64_t userFps);
