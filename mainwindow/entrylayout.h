// Geometry of the entry row: where the fields, the operator list, the "=" sign and the captions go
// for a given width, after the original 331-pixel row, growing with the width.
#pragma once

#include <QRect>
#include <QSize>
#include <array>

// What the controls need, in device-independent pixels, measured with the platform's fonts.
struct EntryRowNeeds {
    int field = 80;   // width that shows a whole timecode
    int combo = 38;   // width of the operator list
    int sign = 17;    // slot of the "=" sign
    int fieldHeight = 21;
    int captionHeight = 13;
    std::array<int, 3> captionWidths{}; // over the first field, the second field, the result
};

struct EntryRowGeometry {
    QRect first;  // the first field's place (also the percentage and first frame field)
    QRect combo;
    QRect second; // also the second frame field
    QRect sign;
    QRect result; // also the result frame count
    std::array<QRect, 3> captions;
};

// The captions' left edges in the original row, for the label set "Out - In - Duration".
inline constexpr std::array<int, 3> kDefaultCaptionLefts{42, 175, 252};

// Lays the row out in `width` pixels. `captionLefts` are the captions' left edges in the original
// row: each caption keeps its place relative to its field, scaled with the field, and stays within
// the field, which is made at least as wide as its caption.
EntryRowGeometry LayoutEntryRow(int width, const EntryRowNeeds &needs, const std::array<int, 3> &captionLefts);

// The width of the original row, or more when the platform's fonts need it; and the least width
// that clips nothing.
QSize EntryRowSizeHint(const EntryRowNeeds &needs);
QSize EntryRowMinimumSize(const EntryRowNeeds &needs);
