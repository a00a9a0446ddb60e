// What the preferences act on: the main window implements this, so the dialog never reaches into
// the window's widgets.
#pragma once

struct Settings;
struct LayoutState;

class PreferencesTarget {
public:
    virtual ~PreferencesTarget() = default;
    // Apply: shows the settings in the main window (entry colours, log fonts, column layout and
    // window width, tab position and captions, menu ticks, label set, frame fields, log colours).
    // The column layout may clear layout.widthResetPending.
    virtual void applyPreferences(const Settings &settings, LayoutState &layout) = 0;
    // The "View Descriptions", "View Percentages" and "Frame Mode" boxes tick the menu items at once.
    virtual void setViewTicks(bool descriptions, bool percentages, bool frameMode) = 0;
    // Moves the main window (and the mini calculator) to their stored positions.
    virtual void moveWindows(int mainLeft, int mainTop, int miniLeft, int miniTop) = 0;
};
