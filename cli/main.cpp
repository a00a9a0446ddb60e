// corvane-calc: timecode calculations in six modes from the command line or standard input.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/calcline.h"
#include "cli/options.h"

namespace {

constexpr int kRejected = 1;
constexpr int kWrongUsage = 2;

void Write(const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

int ReadStandardInput(CalcLine &calc)
{
    std::ios::sync_with_stdio(false);
    const std::string emptyOutput(static_cast<std::size_t>(calc.LinesPerCalculation()), '\n');
    std::string out;
    std::string error;
    std::string line;
    bool anyRejected = false;
    for (long long number = 1; std::getline(std::cin, line); ++number) {
        if (!calc.RunLine(line, out, error)) {
            anyRejected = true;
            out += emptyOutput;
            // Keep the rejection and the output before it in order on a shared terminal.
            Write(out);
            out.clear();
            std::fflush(stdout);
            std::fprintf(stderr, "line %lld: %s\n", number, error.c_str());
        }
        if (out.size() >= 1 << 16) {
            Write(out);
            out.clear();
        }
    }
    Write(out);
    return anyRejected ? kRejected : 0;
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    CliOptions options;
    if (const auto error = ParseArguments(arguments, options)) {
        std::fprintf(stderr, "corvane-calc: %s\nTry 'corvane-calc --help'.\n", error->c_str());
        return kWrongUsage;
    }
    if (options.help) {
        Write(std::string(UsageText()));
        return 0;
    }
    CalcLine calc(options);
    if (options.operands.empty())
        return ReadStandardInput(calc);

    std::string out;
    std::string error;
    if (!calc.Run(options.operands[0], options.operands[1], options.operands[2], out, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return kRejected;
    }
    Write(out);
    return 0;
}
