// One calculation of corvane-calc: operands as text in, the program's output lines or its message out.
#include "cli/calcline.h"

#include <array>

#include "engine/textjoin.h"

namespace {

struct Captions {
    const char *first;
    const char *second;
};

// The field captions of the three label sets, as the window's range message names them.
constexpr std::array<Captions, 3> kLabelSets = {{{"In", "Out"}, {"Out", "In"}, {"TC1", "TC2"}}};

constexpr std::string_view kZeroTimecode = "00:00:00:00";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsSeparator(char c)
{
    return c == ':' || c == ';';
}

} // namespace

CalcLine::CalcLine(const CliOptions &options)
    : m_options(options)
{
    m_state.UserFps = options.userFps;
    m_state.FramesFps = options.framesFps;
    m_request.activeTab = options.tab;
    m_request.rangeCheck = options.rangeCheck;
    m_request.frameMode = options.frameMode;
    const Captions &captions = kLabelSets[static_cast<std::size_t>(options.labels)];
    m_request.firstCaption = captions.first;
    m_request.secondCaption = captions.second;
}

bool CalcLine::CheckTimecode(const std::string &caption, std::string_view text, std::string &error) const
{
    const char *fault = nullptr;
    if (text.size() != 11)
        fault = "it must have 11 characters, as in 01:00:00:00.";
    else if (!IsSeparator(text[2]) || !IsSeparator(text[5]) || !IsSeparator(text[8]))
        fault = "its fields must be separated by ':' or ';'.";
    if (!fault)
        return true;
    error = JoinText({caption, " - '", text, "' is not a timecode: ", fault});
    return false;
}

bool CalcLine::Run(std::string_view first, std::string_view op, std::string_view second, std::string &out, std::string &error)
{
    const auto found = op.size() == 1 && op != "`" ? OperatorForKey(op.front()) : std::nullopt;
    if (!found) {
        error = JoinText({"'", op, "' is not an operator: use + - x / % ~"});
        return false;
    }
    m_request.op = *found;
    const bool percent = *found == Operator::Percent;

    if (percent) {
        m_request.percent = first;
        m_request.first = kZeroTimecode;
        m_request.frameIn.clear(); // counts as frame 0
    } else if (m_options.frameMode) {
        m_request.frameIn = first;
    } else {
        if (!CheckTimecode(m_request.firstCaption, first, error))
            return false;
        m_request.first = first;
    }
    if (m_options.frameMode) {
        m_request.frameOut = second;
    } else {
        if (!CheckTimecode(m_request.secondCaption, second, error))
            return false;
        m_request.second = second;
    }

    const CalcOutcome outcome = ComputeCalculations(m_state, m_request);
    if (outcome.status != CalcStatus::Accepted) {
        error = outcome.message;
        return false;
    }
    if (m_options.rows) {
        for (const LogRow &row : outcome.rows) {
            for (int cell = 0; cell < 5; ++cell) {
                if (cell > 0)
                    out += '\t';
                out += row[static_cast<std::size_t>(cell)];
            }
            out += '\n';
        }
    } else {
        for (std::size_t mode = 0; mode < outcome.rows.size(); ++mode) {
            if (mode > 0)
                out += '\t';
            out += outcome.rows[mode][4];
        }
        out += '\n';
    }
    return true;
}

bool CalcLine::RunLine(std::string_view line, std::string &out, std::string &error)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    std::array<std::string_view, 3> words;
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < line.size()) {
        if (IsBlank(line[pos])) {
            ++pos;
            continue;
        }
        std::size_t end = pos;
        while (end < line.size() && !IsBlank(line[end]))
            ++end;
        if (count < words.size())
            words[count] = line.substr(pos, end - pos);
        ++count;
        pos = end;
    }
    if (count != words.size()) {
        error = count == 0 ? "empty line: expected FIRST OP SECOND"
                           : JoinText({"expected FIRST OP SECOND, got ", std::to_string(count), count == 1 ? " word" : " words"});
        return false;
    }
    return Run(words[0], words[1], words[2], out, error);
}
