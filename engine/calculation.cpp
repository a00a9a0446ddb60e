// One calculation: operands in, range check, the operator in all six modes, the six new log rows out.
#include "engine/calculation.h"

#include <charconv>
#include <limits>
#include <system_error>
#include <utility>

#include "engine/textjoin.h"
#include "engine/wrapping.h"

namespace {

std::string_view TrimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Strips one leading '+' (which from_chars does not take) and reports whether a '-' follows it.
std::string_view StripPlus(std::string_view text)
{
    if (!text.empty() && text.front() == '+' && (text.size() == 1 || text[1] != '-'))
        text.remove_prefix(1);
    return text;
}

// Whole-string conversion with from_chars: locale-independent and without exceptions.
template <typename T, typename... Format>
std::optional<T> ConvertAll(std::string_view text, Format... format)
{
    if (text.empty())
        return std::nullopt;
    T value{};
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, format...);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

// A frame number: a signed 32-bit decimal integer, blanks around it allowed.
std::optional<std::int32_t> ParseFrameNumber(std::string_view text)
{
    return ConvertAll<std::int32_t>(StripPlus(TrimSpaces(text)));
}

constexpr std::array<std::string_view, kOperatorCount> kOperatorTexts = {"+", "-", "x", "/", "%", "~"};

CalcOutcome Reject(CalcOutcome outcome, CalcStatus status, CalcField field, std::string message)
{
    outcome.status = status;
    outcome.field = field;
    outcome.message = std::move(message);
    return outcome;
}

std::string NotATimecode(const std::string &caption, std::string_view text)
{
    const auto pos = FirstNonDigit(text);
    if (pos && *pos < text.size())
        return JoinText({caption, " - '", text, "' is not a timecode: '", text.substr(*pos, 1), "' is not a digit."});
    return JoinText({caption, " - '", text, "' is not a timecode: it is shorter than 11 characters."});
}

// The timecode modes that convert at an integer rate without drop-frame labels.
constexpr int kTimecodeModes[] = {0, 2, 3, 4};

// Cells 1, 3 and 4 of a new row whose operand cells are written; 5 and 6 stay empty.
void CompleteRow(LogRow &row, Operator op, std::string result)
{
    row[1] = OperatorText(op);
    row[3].assign(1, '='); // (not = "=": GCC 12 warns wrongly about that at -O3)
    row[4] = std::move(result);
}

} // namespace

std::string_view OperatorText(Operator op)
{
    const auto index = static_cast<std::size_t>(op);
    return index < kOperatorTexts.size() ? kOperatorTexts[index] : std::string_view{};
}

std::optional<Operator> OperatorForKey(char key)
{
    switch (key) {
    case '+':
        return Operator::Add;
    case '-':
        return Operator::Subtract;
    case '*':
    case 'x':
        return Operator::Multiply;
    case '/':
        return Operator::Divide;
    case '%':
        return Operator::Percent;
    case '~':
    case '`':
        return Operator::Difference;
    default:
        return std::nullopt;
    }
}

std::optional<long double> ParseDecimal(std::string_view text)
{
    text = StripPlus(TrimSpaces(text));
    // Only the plain decimal forms: no "inf", "nan" or hexadecimal.
    for (char c : text) {
        if (!IsDigit(c) && c != '.' && c != '-' && c != '+' && c != 'e' && c != 'E')
            return std::nullopt;
    }
    return ConvertAll<long double>(text, std::chars_format::general);
}

FrameCount FindTotalTC(Operator op, FrameCount first, FrameCount second, long double percent)
{
    switch (op) {
    case Operator::Add:
        return WrapAdd(first, second);
    case Operator::Subtract:
        return WrapSub(first, second);
    case Operator::Multiply:
        return WrapMul(first, second);
    case Operator::Divide:
        if (first == 0 || second == 0)
            return 0;
        return RoundHalfEven(static_cast<long double>(first) / static_cast<long double>(second));
    case Operator::Percent:
        return RoundHalfEven(percent / 100 * static_cast<long double>(second));
    case Operator::Difference:
        return first >= second ? WrapSub(first, second) : WrapSub(second, first);
    }
    return 0;
}

CalcOutcome ComputeCalculations(CalcState &state, const CalcRequest &request)
{
    CalcOutcome outcome;
    outcome.first = request.first;
    outcome.second = request.second;
    const std::int64_t userFps = SaneUserFps(state.UserFps);
    const Operator op = request.op;

    // Frame Mode: the frame numbers become 30 fps timecodes in the two fields.
    std::int32_t frameIn = 0;
    std::int32_t frameOut = 0;
    const std::string frameInText = request.frameIn.empty() ? "0" : request.frameIn;
    const std::string frameOutText = request.frameOut.empty() ? "0" : request.frameOut;
    if (request.frameMode) {
        const auto in = ParseFrameNumber(frameInText);
        if (!in)
            return Reject(std::move(outcome), CalcStatus::BadInput, CalcField::FrameIn,
                          JoinText({request.firstCaption, " - '", frameInText, "' is not a valid frame number."}));
        frameIn = *in;
        outcome.first = TimecodeText(GenericTC(30, frameIn));
        const auto out = ParseFrameNumber(frameOutText);
        if (!out)
            return Reject(std::move(outcome), CalcStatus::BadInput, CalcField::FrameOut,
                          JoinText({request.secondCaption, " - '", frameOutText, "' is not a valid frame number."}));
        frameOut = *out;
        outcome.second = TimecodeText(GenericTC(30, frameOut));
    }

    const auto firstTC = ParseTimecodeField(outcome.first);
    if (!firstTC)
        return Reject(std::move(outcome), CalcStatus::BadInput, CalcField::First,
                      NotATimecode(request.firstCaption, outcome.first));
    state.FirstTC = *firstTC;
    const auto secondTC = ParseTimecodeField(outcome.second);
    if (!secondTC)
        return Reject(std::move(outcome), CalcStatus::BadInput, CalcField::Second,
                      NotATimecode(request.secondCaption, outcome.second));
    state.SecondTC = *secondTC;

    if (request.rangeCheck && !request.frameMode) {
        if (!InRange(state.FirstTC, request.activeTab, userFps))
            return Reject(std::move(outcome), CalcStatus::OutOfRange, CalcField::First,
                          JoinText({request.firstCaption, " - ", request.first, " is not valid timecode!"}));
        if (!InRange(state.SecondTC, request.activeTab, userFps))
            return Reject(std::move(outcome), CalcStatus::OutOfRange, CalcField::Second,
                          JoinText({request.secondCaption, " - ", request.second, " is not valid timecode!"}));
    }

    // The percentage is read before anything is counted, so that a bad one leaves no half calculation.
    long double percent = 0;
    if (op == Operator::Percent) {
        const auto p = ParseDecimal(request.percent);
        if (!p)
            return Reject(std::move(outcome), CalcStatus::BadInput, CalcField::Percent,
                          JoinText({"'", request.percent, "' is not a valid percentage."}));
        percent = *p;
    }

    state.CalcAccepted = true;
    state.CalcCount += 1;
    state.WorkChanged = true;

    // The operand cells of the timecode logs other than drop frame. Outside Frame Mode they hold
    // the typed text; in Frame Mode each log shows the frame numbers at its own rate and
    // computes on what it shows.
    const bool percentOp = op == Operator::Percent;
    const Timecode entered[2] = {state.FirstTC, state.SecondTC};
    const std::string typedFirst = percentOp ? request.percent : RemoveSemi(request.first);
    const std::string typedSecond = RemoveSemi(request.second);
    for (int m : kTimecodeModes) {
        const auto index = static_cast<std::size_t>(m);
        const std::int64_t rate = ModeRate(static_cast<TimecodeMode>(m), userFps);
        auto &frames = state.Modes[index];
        LogRow &row = outcome.rows[index];
        if (request.frameMode) {
            const Timecode a = GenericTC(rate, frameIn);
            const Timecode b = GenericTC(rate, frameOut);
            frames.FirstFrames = TimecodeToFrames(a, rate);
            frames.SecondFrames = TimecodeToFrames(b, rate);
            row[0] = percentOp ? request.percent : TimecodeText(a);
            row[2] = TimecodeText(b);
            // The user log is the last to convert the frame numbers into the entry fields.
            outcome.first = TimecodeText(a);
            outcome.second = row[2];
        } else {
            frames.FirstFrames = TimecodeToFrames(entered[0], rate);
            frames.SecondFrames = TimecodeToFrames(entered[1], rate);
            row[0] = typedFirst;
            row[2] = typedSecond;
        }
    }
    auto &framesMode = state.Modes[static_cast<std::size_t>(TimecodeMode::Frames)];
    if (request.frameMode) {
        framesMode.FirstFrames = frameIn;
        framesMode.SecondFrames = frameOut;
    } else {
        framesMode.FirstFrames = TimecodeToFramesReal(entered[0], state.FramesFps);
        framesMode.SecondFrames = TimecodeToFramesReal(entered[1], state.FramesFps);
    }

    // Drop frame: the label rule, then true frame numbers.
    state.FirstTC = ApplyDropLabelRule(state.FirstTC);
    state.SecondTC = ApplyDropLabelRule(state.SecondTC);
    auto &dropMode = state.Modes[static_cast<std::size_t>(TimecodeMode::DropFrame)];
    dropMode.FirstFrames = DropFrameToFrames(state.FirstTC);
    dropMode.SecondFrames = DropFrameToFrames(state.SecondTC);

    for (auto &frames : state.Modes)
        frames.ResultFrames = FindTotalTC(op, frames.FirstFrames, frames.SecondFrames, percent);

    for (int m : kTimecodeModes) {
        const auto index = static_cast<std::size_t>(m);
        const std::int64_t rate = ModeRate(static_cast<TimecodeMode>(m), userFps);
        state.ResultTC[index] = GenericTC(rate, state.Modes[index].ResultFrames);
        CompleteRow(outcome.rows[index], op, TimecodeText(state.ResultTC[index]));
    }
    state.ResultTC[1] = FramesToDropFrame(dropMode.ResultFrames);
    LogRow &dropRow = outcome.rows[1];
    dropRow[0] = percentOp ? request.percent : TimecodeText(state.FirstTC, ';');
    dropRow[2] = TimecodeText(state.SecondTC, ';');
    CompleteRow(dropRow, op, TimecodeText(state.ResultTC[1], ';'));

    LogRow &framesRow = outcome.rows[5];
    if (request.frameMode) {
        outcome.frameDur = std::to_string(framesMode.ResultFrames);
        framesRow[0] = percentOp ? request.percent : frameInText;
        framesRow[2] = frameOutText;
        CompleteRow(framesRow, op, outcome.frameDur);
    } else {
        framesRow[0] = percentOp ? request.percent : std::to_string(framesMode.FirstFrames);
        framesRow[2] = std::to_string(framesMode.SecondFrames);
        CompleteRow(framesRow, op, std::to_string(framesMode.ResultFrames));
    }
    return outcome;
}

std::optional<double> StatusPercentage(std::string_view cell2, std::string_view cell0, bool dropFrameTabActive)
{
    const auto a = ParseDecimal(cell2);
    const auto b = ParseDecimal(cell0);
    if (!a || !b)
        return std::nullopt;
    if (*a <= 0 || *b <= 0)
        return 0.0;
    return DropCompensate(static_cast<double>(*a), dropFrameTabActive) / static_cast<double>(*b) * 100;
}

std::string FormatPercentage(double value)
{
    char buffer[400];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (ec != std::errc())
        return "%";
    const std::string_view plain(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t sign = !plain.empty() && plain.front() == '-' ? 1 : 0;
    auto point = plain.find('.');
    if (point == std::string_view::npos)
        point = plain.size();
    std::string text(plain.substr(0, sign));
    const std::string_view whole = plain.substr(sign, point - sign);
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            text += ',';
        text += whole[i];
    }
    text += plain.substr(point);
    text += '%';
    return text;
}
