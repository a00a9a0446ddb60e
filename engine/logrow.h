// One row of a calculation log: seven text cells.
#pragma once

#include <array>
#include <string>
#include <vector>

// Cells: 0 first value, 1 operator, 2 second value, 3 "=", 4 result, 5 auxiliary, 6 description.
inline constexpr int kLogColumns = 7;
using LogRow = std::array<std::string, kLogColumns>;
using LogRows = std::vector<LogRow>;
