// Geometry of the entry row.
#include "mainwindow/entrylayout.h"

#include <algorithm>
#include <cmath>

namespace {

// The original row, left to right: margin, first field, gap, operator list, gap, second field,
// "=" slot, result field, margin.
constexpr int kDesignWidth = 331;
constexpr int kDesignField = 80;
constexpr std::array<int, 3> kDesignFieldLefts{12, 138, 235};

// The spaces between the controls: their widths in the original row and the least they shrink to.
enum Space { LeftMargin, GapBeforeCombo, GapAfterCombo, RightMargin, SpaceCount };
constexpr std::array<int, SpaceCount> kDesignSpaces{12, 4, 4, 16};
constexpr std::array<int, SpaceCount> kLeastSpaces{4, 2, 2, 4};

// A field grows with the row up to half as wide again as it needs.
constexpr double kFieldGrowth = 1.5;

constexpr int kTopMargin = 2;
constexpr int kCaptionGap = 1;
constexpr int kBottomMargin = 4;

// A field shows a whole timecode and is at least as wide as the caption over it.
int FieldWidth(const EntryRowNeeds &needs)
{
    const auto &captions = needs.captionWidths;
    return std::max({kDesignField, needs.field, captions[0], captions[1], captions[2]});
}

int ControlsWidth(const EntryRowNeeds &needs, int field)
{
    return 3 * field + std::max(38, needs.combo) + std::max(17, needs.sign);
}

int RowHeight(const EntryRowNeeds &needs)
{
    return kTopMargin + needs.captionHeight + kCaptionGap + std::max(21, needs.fieldHeight) + kBottomMargin;
}

int Sum(const std::array<int, SpaceCount> &spaces)
{
    int total = 0;
    for (int s : spaces)
        total += s;
    return total;
}

} // namespace

QSize EntryRowSizeHint(const EntryRowNeeds &needs)
{
    const int natural = ControlsWidth(needs, FieldWidth(needs)) + Sum(kDesignSpaces);
    return {std::max(kDesignWidth, natural), RowHeight(needs)};
}

QSize EntryRowMinimumSize(const EntryRowNeeds &needs)
{
    return {ControlsWidth(needs, FieldWidth(needs)) + Sum(kLeastSpaces), RowHeight(needs)};
}

EntryRowGeometry LayoutEntryRow(int width, const EntryRowNeeds &needs, const std::array<int, 3> &captionLefts)
{
    const int combo = std::max(38, needs.combo);
    const int sign = std::max(17, needs.sign);
    int field = FieldWidth(needs);
    std::array<int, SpaceCount> spaces = kDesignSpaces;

    int spare = width - (ControlsWidth(needs, field) + Sum(spaces));
    if (spare >= 0) {
        // A wider row: the fields take their share of the width, the spaces the rest.
        const double scale = static_cast<double>(width) / kDesignWidth;
        const int grown = static_cast<int>(std::min(kDesignField * scale, field * kFieldGrowth));
        field = std::max(field, grown);
        spare = width - (ControlsWidth(needs, field) + Sum(spaces));
        const int designTotal = Sum(kDesignSpaces);
        int given = 0;
        for (int i = 0; i < SpaceCount; ++i) {
            const int share = spare * kDesignSpaces[static_cast<std::size_t>(i)] / designTotal;
            spaces[static_cast<std::size_t>(i)] += share;
            given += share;
        }
        spaces[RightMargin] += spare - given;
    } else {
        // A narrower row: every space gives way in step, down to its least width.
        const int shortfall = std::min(-spare, Sum(kDesignSpaces) - Sum(kLeastSpaces));
        const int room = Sum(kDesignSpaces) - Sum(kLeastSpaces);
        int taken = 0;
        for (std::size_t i = 0; i < SpaceCount; ++i) {
            const int give = shortfall * (kDesignSpaces[i] - kLeastSpaces[i]) / room;
            spaces[i] -= give;
            taken += give;
        }
        for (std::size_t i = 0; i < SpaceCount && taken < shortfall; ++i) {
            if (spaces[i] > kLeastSpaces[i]) {
                --spaces[i];
                ++taken;
            }
        }
    }

    const int fieldHeight = std::max(21, needs.fieldHeight);
    const int fieldTop = kTopMargin + needs.captionHeight + kCaptionGap;
    EntryRowGeometry g;
    int x = spaces[LeftMargin];
    g.first = QRect(x, fieldTop, field, fieldHeight);
    x += field + spaces[GapBeforeCombo];
    g.combo = QRect(x, fieldTop, combo, fieldHeight);
    x += combo + spaces[GapAfterCombo];
    g.second = QRect(x, fieldTop, field, fieldHeight);
    x += field;
    g.sign = QRect(x, fieldTop, sign, fieldHeight);
    x += sign;
    g.result = QRect(x, fieldTop, field, fieldHeight);

    const std::array<QRect, 3> fields{g.first, g.second, g.result};
    for (std::size_t i = 0; i < 3; ++i) {
        const QRect &f = fields[i];
        const int w = needs.captionWidths[i];
        const double offset = (captionLefts[i] - kDesignFieldLefts[i]) * static_cast<double>(f.width()) / kDesignField;
        const int left = std::clamp(f.left() + static_cast<int>(std::lround(offset)), f.left(), f.left() + f.width() - w);
        g.captions[i] = QRect(left, kTopMargin, w, needs.captionHeight);
    }
    return g;
}
