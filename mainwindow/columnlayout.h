// The arithmetic of the log columns: widths from the stored base widths, header allowances and
// limits, and the window widths that follow the columns.
#pragma once

#include <array>
#include <optional>

inline constexpr int kHeaderSections = 8;

// How much wider a header section is than the column under it (sections 0..6).
inline constexpr std::array<int, 7> kSectionAllowance{4, 1, 2, 2, 3, 2, 2};

struct SectionLimits {
    int min;
    int max;
};
// The width limits of the eight header sections; section 7 stands after the last column.
inline constexpr std::array<SectionLimits, kHeaderSections> kSectionLimits{
    {{20, 200}, {5, 30}, {20, 200}, {5, 30}, {20, 200}, {19, 19}, {20, 300}, {19, 19}}};

// Keeps a section width within its limits.
int ClampSectionWidth(int section, int width);

// Column i is its base width plus the extra width of its parity (even 0, 2, 4, 6; odd 1, 3, 5).
std::array<int, 7> ColumnWidths(const std::array<int, 7> &base, int extraEven, int extraOdd);
int ColumnExtra(int column, int extraEven, int extraOdd);

// Header section i over column i: the column width plus the section's allowance.
std::array<int, 7> SectionWidths(const std::array<int, 7> &columns);

// The width the logs need: every column plus 34, or without the auxiliary and description columns
// (and 5 more) when descriptions are hidden.
int NeededWidth(const std::array<int, 7> &columns, bool descriptions);
// The window follows the columns only above this width.
int MinimumNeededWidth(bool descriptions);

// The widths of the window and its panels for a log width T.
struct WindowWidths {
    int window;
    int panel3;
    int panel2;
    int pageControl;
    int header;
    int log;
    friend bool operator==(const WindowWidths &, const WindowWidths &) = default;
};

// The layout of the preferences (SetGrid): the log width T, or nothing when the window keeps its width.
// A pending width reset gives the default widths; a display of 100 dpi or more a fixed wider one.
std::optional<int> GridLogWidth(const std::array<int, 7> &columns, bool descriptions, bool widthResetPending,
                                bool highDpi);
WindowWidths GridWindowWidths(int logWidth);

// The layout while a header divider moves: the log width T, or nothing when the window keeps its width.
std::optional<int> TrackLogWidth(const std::array<int, 7> &columns, bool descriptions);
WindowWidths TrackWindowWidths(int logWidth);
