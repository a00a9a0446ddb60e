// One calculation: operands in, range check, six modes, six new log rows out.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/logrow.h"
#include "engine/timecode.h"

// Operator indices are the item indices of the operator list.
enum class Operator : int { Add = 0, Subtract = 1, Multiply = 2, Divide = 3, Percent = 4, Difference = 5 };
inline constexpr int kOperatorCount = 6;

// "+", "-", "x", "/", "%", "~".
std::string_view OperatorText(Operator op);
// The operator for a typed key: '+', '-', '*' (and 'x'), '/', '%', '~' and '`'. Empty for any other key.
std::optional<Operator> OperatorForKey(char key);

struct ModeFrames {
    FrameCount FirstFrames = 0;
    FrameCount SecondFrames = 0;
    FrameCount ResultFrames = 0; // modes 0..4 only
};

// The calculator's state, owned by the main window for the whole run.
struct CalcState {
    Timecode FirstTC;
    Timecode SecondTC;
    std::array<Timecode, 5> ResultTC{}; // indexed by mode 0..4
    std::array<ModeFrames, kModeCount> Modes{};
    std::int64_t CalcCount = 0;
    std::int64_t UserFps = 15;
    double FramesFps = 30.0;
    std::string DigitBuffer = "00000000";
    bool WorkChanged = false;
    bool CalcAccepted = false;
    char FieldSeparator = ':';
};

// A decimal number as the program reads the percentage and the Frames log cells: blanks around it,
// an optional sign, digits with at most one ".", an optional exponent. Independent of the locale.
std::optional<long double> ParseDecimal(std::string_view text);

// Applies the operator to two frame counts of one mode. For Percent, `percent` is the percentage
// (first is unused). Wraps in 64 bits; a zero operand of "/" gives 0, other quotients (negative ones
// too, which only Frame Mode numbers can give) round to nearest with ties to even.
FrameCount FindTotalTC(Operator op, FrameCount first, FrameCount second, long double percent = 0);

// What the window hands to a calculation: the texts of its fields and the state of its options.
struct CalcRequest {
    std::string first;    // text of the first timecode field (11 characters)
    std::string second;   // text of the second timecode field
    std::string percent;  // text of the percentage field, read for "%" (blanks around it ignored)
    std::string frameIn;  // Frame Mode: first frame number
    std::string frameOut; // Frame Mode: second frame number
    Operator op = Operator::Add;
    int activeTab = 0;         // decides the range limits
    bool rangeCheck = true;    // "Range Checking" ticked
    bool frameMode = false;    // "Frame Mode" ticked
    std::string firstCaption = "Out";  // caption over the first field, named in the range message
    std::string secondCaption = "In";  // caption over the second field
};

enum class CalcStatus {
    Accepted,   // rows holds the new row of every log
    OutOfRange, // an operand failed the range limits; message is "<caption> - <text> is not valid timecode!"
    BadInput,   // a field's text does not convert (not a number, not digits); message names the text
};

// Which field a rejected calculation blames; the window focuses it.
enum class CalcField { None, First, Second, Percent, FrameIn, FrameOut };

struct CalcOutcome {
    CalcStatus status = CalcStatus::Accepted;
    CalcField field = CalcField::None;
    std::string message;
    std::array<LogRow, kModeCount> rows{}; // the new row of each log, by mode; cells 5 and 6 empty
    std::string frameDur;                  // Frame Mode: the result frame count
    std::string first;  // what the first timecode field holds after the calculation's own writes:
                        // the typed text, or in Frame Mode the frame number converted at the user
                        // rate (the last log to convert it), in colon form
    std::string second; // likewise the second
};

// Runs one calculation. On acceptance it updates `state` (operands, frame counts, results,
// CalcCount + 1, WorkChanged, CalcAccepted) and returns the six new rows; on rejection `state`
// keeps everything but the parsed operands. Every text is checked before anything is counted, so
// a bad percentage rejects the calculation like a bad operand. Frame Mode skips the range check;
// each timecode log then shows the frame numbers at its own rate and computes on them. Mode 1
// counts true SMPTE drop-frame frame numbers (after the label rule on the operands).
CalcOutcome ComputeCalculations(CalcState &state, const CalcRequest &request);

// The status bar percentage: DropCompensate(a) / b * 100 for a > 0 and b > 0, else 0, where a and b
// are cells 2 and 0 of the Frames log's last row. Empty when either text is not a number.
std::optional<double> StatusPercentage(std::string_view cell2, std::string_view cell0, bool dropFrameTabActive);
// "1,234.50%": thousands separators and exactly two decimals.
std::string FormatPercentage(double value);
