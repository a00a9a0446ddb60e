// One calculation of corvane-calc: operands as text in, the program's output lines or its message out.
#pragma once

#include <string>
#include <string_view>

#include "cli/options.h"
#include "engine/calculation.h"

class CalcLine {
public:
    explicit CalcLine(const CliOptions &options);

    // Computes FIRST OP SECOND. When accepted, appends the output (one line of six results, or
    // the six rows with --rows) to `out` and returns true; otherwise sets `error` and returns false.
    bool Run(std::string_view first, std::string_view op, std::string_view second, std::string &out, std::string &error);

    // The same for one input line: three words separated by blanks (a trailing CR is ignored).
    bool RunLine(std::string_view line, std::string &out, std::string &error);

    // The output lines of one calculation: 1, or 6 with --rows.
    int LinesPerCalculation() const { return m_options.rows ? kModeCount : 1; }

private:
    bool CheckTimecode(const std::string &caption, std::string_view text, std::string &error) const;

    CliOptions m_options;
    CalcState m_state;
    CalcRequest m_request;
};
