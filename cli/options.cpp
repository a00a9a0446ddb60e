// The command line of corvane-calc: options and operands.
#include "cli/options.h"

#include <charconv>

#include "engine/calculation.h"
#include "engine/textjoin.h"
#include "engine/timecode.h"

namespace {

std::optional<std::int64_t> WholeNumber(std::string_view text, std::int64_t lowest, std::int64_t highest)
{
    std::int64_t value = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// "--option 'value': why it is wrong"
std::string BadValue(std::string_view name, std::string_view value, std::string_view why)
{
    return JoinText({name, " '", value, "': ", why});
}

} // namespace

std::optional<std::string> ParseArguments(const std::vector<std::string_view> &arguments, CliOptions &options)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument.substr(0, 2) != "--") {
            options.operands.emplace_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        // --name VALUE or --name=VALUE
        std::string_view name = argument;
        std::optional<std::string_view> value;
        if (const auto equals = argument.find('='); equals != std::string_view::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        const bool takesValue = name == "--tab" || name == "--user-fps" || name == "--frames-fps" || name == "--labels";
        if (takesValue && !value) {
            if (i + 1 == arguments.size())
                return JoinText({"option ", name, " needs a value"});
            value = arguments[++i];
        }
        if (!takesValue && value)
            return JoinText({"option ", name, " takes no value"});

        if (name == "--tab") {
            const auto tab = WholeNumber(*value, 0, kModeCount - 1);
            if (!tab)
                return BadValue(name, *value, "the mode must be a whole number from 0 to 5");
            options.tab = static_cast<int>(*tab);
        } else if (name == "--user-fps") {
            const auto fps = WholeNumber(*value, 0, kMaxRate);
            if (!fps)
                return BadValue(name, *value, JoinText({"the rate must be a whole number from 0 to ", std::to_string(kMaxRate)}));
            options.userFps = *fps;
        } else if (name == "--frames-fps") {
            const auto fps = ParseDecimal(*value);
            if (!fps || !(*fps > 0))
                return BadValue(name, *value, "the rate must be a decimal number above 0");
            options.framesFps = static_cast<double>(*fps);
        } else if (name == "--labels") {
            const auto labels = WholeNumber(*value, 0, 2);
            if (!labels)
                return BadValue(name, *value, "the label set must be 0, 1 or 2");
            options.labels = static_cast<int>(*labels);
        } else if (name == "--no-range-check") {
            options.rangeCheck = false;
        } else if (name == "--frame-mode") {
            options.frameMode = true;
        } else if (name == "--rows") {
            options.rows = true;
        } else if (name == "--help") {
            options.help = true;
        } else {
            return JoinText({"unknown option '", name, "'"});
        }
    }
    if (!options.help && !options.operands.empty() && options.operands.size() != 3)
        return JoinText({"expected FIRST OP SECOND, got ", std::to_string(options.operands.size()),
                         options.operands.size() == 1 ? " operand" : " operands"});
    return std::nullopt;
}

std::string_view UsageText()
{
    return R"(Usage: corvane-calc [OPTIONS] FIRST OP SECOND
       corvane-calc [OPTIONS] < calculations

Computes timecode calculations in six modes at once: 30 fps non-drop, 30 fps drop frame,
25 fps PAL, 24 fps film, a user rate, and frame counts at a real rate.

FIRST and SECOND are timecodes such as 01:00:00:00 or 00;01;00;02 (two digits per field,
separated by ':' or ';'). With --frame-mode they are whole frame numbers. For OP "%",
FIRST is the percentage, a decimal number.
OP is one of + - x / % ~ ("*" is accepted for x).

Without operands, one calculation is read from each line of standard input, as
FIRST OP SECOND separated by blanks. Every input line gives one output line (six with
--rows); a rejected line gives empty ones, and its message on standard error names the
line number.

Output: the six results (modes 0 to 5) separated by tabs. With --rows, six lines
instead, one per mode, each holding the new log row: first, operator, second, "=", result.

Options:
  --tab N           active mode 0 to 5, which decides the range limits (default 0)
  --user-fps N      rate of the user mode (default 15; 0 counts as 1)
  --frames-fps R    real rate of the frame-count mode (default 30)
  --labels N        label set naming the fields in messages: 0 In/Out, 1 Out/In (default),
                    2 TC1/TC2
  --no-range-check  accept any two digits in every field
  --frame-mode      FIRST and SECOND are frame numbers
  --rows            print the six new log rows
  --help            show this text

Exit status: 0 when every calculation was accepted, 1 when any was rejected (out of range
or a malformed operand or operator), 2 for wrong usage.
)";
}
