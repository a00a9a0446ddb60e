// One calculation: operands in, range check, the operator in all six modes, the six new log rows out.
#include "engine/calculation.h"

#include <charconv>
#include <limits>
#include <system_error>
#include <utility>

namespace {

constexpr std::int64_t WrapAdd(std::int64_t a, std::int64_t b)
{
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b));
}

constexpr std::int64_t WrapSub(std::int64_t a, std::int64_t b)
{
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) - static_cast<std::uint64_t>(b));
}

constexpr std::int64_t WrapMul(std::int64_t a, std::int64_t b)
{
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) * static_cast<std::uint64_t>(b));
}

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
    std::string message = caption + " - '" + std::string(text) + "' is not a timecode: ";
    const auto pos = FirstNonDigit(text);
    if (pos && *pos < text.size())
        message += "'" + std::string(1, text[*pos]) + "' is not a digit.";
    else
        message += "it is shorter than 11 characters.";
    return message;
}

LogRow MakeRow(std::string first, Operator op, std::string second, std::string result)
{
    return {std::move(first), std::string(OperatorText(op)), std::move(second), "=", std::move(result), {}, {}};
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
                          request.firstCaption + " - '" + frameInText + "' is not a valid frame number.");
        frameIn = *in;
        outcome.first = TimecodeText(GenericTC(30, frameIn));
        const auto out = ParseFrameNumber(frameOutText);
        if (!out)
            return Reject(std::move(outcome), CalcStatus::BadInput, CalcField::FrameOut,
                          request.secondCaption + " - '" + frameOutText + "' is not a valid frame number.");
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
                          request.firstCaption + " - " + request.first + " is not valid timecode!");
        if (!InRange(state.SecondTC, request.activeTab, userFps))
            return Reject(std::move(outcome), CalcStatus::OutOfRange, CalcField::Second,
                          request.secondCaption + " - " + request.second + " is not valid timecode!");
    }

    // The percentage is read before anything is counted, so that a bad one leaves no half calculation.
    long double percent = 0;
    if (op == Operator::Percent) {
        const auto p = ParseDecimal(request.percent);
        if (!p)
            return Reject(std::move(outcome), CalcStatus::BadInput, CalcField::Percent,
                          "'" + request.percent + "' is not a valid percentage.");
        percent = *p;
    }

    state.CalcAccepted = true;
    state.CalcCount += 1;
    state.WorkChanged = true;

    // Operands of the timecode logs other than drop frame, as each log shows them. Outside Frame
    // Mode that is the typed text; in Frame Mode each log shows the frame numbers at its own rate
    // and computes on what it shows.
    const Timecode entered[2] = {state.FirstTC, state.SecondTC};
    std::string firstText[kModeCount];
    std::string secondText[kModeCount];
    for (int m : {0, 2, 3, 4}) {
        const auto mode = static_cast<TimecodeMode>(m);
        const std::int64_t rate = ModeRate(mode, userFps);
        auto &frames = state.Modes[static_cast<std::size_t>(m)];
        if (request.frameMode) {
            const Timecode a = GenericTC(rate, frameIn);
            const Timecode b = GenericTC(rate, frameOut);
            frames.FirstFrames = TimecodeToFrames(a, rate);
            frames.SecondFrames = TimecodeToFrames(b, rate);
            firstText[m] = TimecodeText(a);
            secondText[m] = TimecodeText(b);
        } else {
            frames.FirstFrames = TimecodeToFrames(entered[0], rate);
            frames.SecondFrames = TimecodeToFrames(entered[1], rate);
            firstText[m] = RemoveSemi(request.first);
            secondText[m] = RemoveSemi(request.second);
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

    for (int m : {0, 2, 3, 4}) {
        const std::int64_t rate = ModeRate(static_cast<TimecodeMode>(m), userFps);
        state.ResultTC[static_cast<std::size_t>(m)] = GenericTC(rate, state.Modes[static_cast<std::size_t>(m)].ResultFrames);
    }
    state.ResultTC[1] = FramesToDropFrame(dropMode.ResultFrames);

    const bool percentOp = op == Operator::Percent;
    for (int m : {0, 2, 3, 4}) {
        const auto index = static_cast<std::size_t>(m);
        outcome.rows[index] = MakeRow(percentOp ? request.percent : firstText[m], op, secondText[m],
                                      TimecodeText(state.ResultTC[index]));
    }
    outcome.rows[1] = MakeRow(percentOp ? request.percent : TimecodeText(state.FirstTC, ';'), op,
                              TimecodeText(state.SecondTC, ';'), TimecodeText(state.ResultTC[1], ';'));
    if (request.frameMode) {
        outcome.frameDur = std::to_string(framesMode.ResultFrames);
        outcome.rows[5] = MakeRow(percentOp ? request.percent : frameInText, op, frameOutText, outcome.frameDur);
        // The user log is the last to convert the frame numbers into the entry fields.
        outcome.first = firstText[4];
        outcome.second = secondText[4];
    } else {
        outcome.rows[5] = MakeRow(percentOp ? request.percent : std::to_string(framesMode.FirstFrames), op,
                                  std::to_string(framesMode.SecondFrames), std::to_string(framesMode.ResultFrames));
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
