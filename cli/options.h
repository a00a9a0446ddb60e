// The command line of corvane-calc: options and operands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CliOptions {
    int tab = 0;                // active mode: decides the range limits
    std::int64_t userFps = 15;  // rate of the user mode
    double framesFps = 30;      // real rate of the Frames mode
    int labels = 1;             // label set: 0 In/Out, 1 Out/In, 2 TC1/TC2
    bool rangeCheck = true;
    bool frameMode = false;
    bool rows = false;
    bool help = false;
    std::vector<std::string> operands; // FIRST OP SECOND, or nothing to read standard input
};

// Reads the arguments after the program name. On wrong usage returns the message naming the fault.
std::optional<std::string> ParseArguments(const std::vector<std::string_view> &arguments, CliOptions &options);

// The text of --help.
std::string_view UsageText();
