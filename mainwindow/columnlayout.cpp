// The arithmetic of the log columns and of the window widths that follow them.
#include "mainwindow/columnlayout.h"

#include <algorithm>

int ClampSectionWidth(int section, int width)
{
    if (section < 0 || section >= kHeaderSections)
        return width;
    const SectionLimits limits = kSectionLimits[static_cast<std::size_t>(section)];
    return std::clamp(width, limits.min, limits.max);
}

int ColumnExtra(int column, int extraEven, int extraOdd)
{
    return column % 2 == 0 ? extraEven : extraOdd;
}

std::array<int, 7> ColumnWidths(const std::array<int, 7> &base, int extraEven, int extraOdd)
{
    std::array<int, 7> widths{};
    for (std::size_t i = 0; i < widths.size(); ++i)
        widths[i] = base[i] + ColumnExtra(static_cast<int>(i), extraEven, extraOdd);
    return widths;
}

std::array<int, 7> SectionWidths(const std::array<int, 7> &columns)
{
    std::array<int, 7> widths{};
    for (std::size_t i = 0; i < widths.size(); ++i)
        widths[i] = columns[i] + kSectionAllowance[i];
    return widths;
}

int NeededWidth(const std::array<int, 7> &columns, bool descriptions)
{
    int width = 34;
    for (int column : columns)
        width += column;
    if (!descriptions)
        width -= columns[5] + columns[6] + 5;
    return width;
}

int MinimumNeededWidth(bool descriptions)
{
    return descriptions ? 414 : 294;
}

std::optional<int> GridLogWidth(const std::array<int, 7> &columns, bool descriptions, bool widthResetPending,
                                bool highDpi)
{
    int width = NeededWidth(columns, descriptions);
    if (width <= MinimumNeededWidth(descriptions))
        return std::nullopt;
    if (widthResetPending)
        width = descriptions ? 425 : 308;
    if (highDpi)
        width = descriptions ? 528 : 385;
    return width;
}

WindowWidths GridWindowWidths(int logWidth)
{
    return {logWidth + 31, logWidth + 24, logWidth + 25, logWidth + 9, logWidth + 1, logWidth};
}

std::optional<int> TrackLogWidth(const std::array<int, 7> &columns, bool descriptions)
{
    const int width = NeededWidth(columns, descriptions);
    if (width <= MinimumNeededWidth(descriptions))
        return std::nullopt;
    return width;
}

WindowWidths TrackWindowWidths(int logWidth)
{
    return {logWidth + 32, logWidth + 24, logWidth + 26, logWidth + 9, logWidth - 1, logWidth};
}
