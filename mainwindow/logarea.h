// The log area (Panel3): the six mode tabs, each with its header and its log, and everything the
// window does to all six logs at once (column widths, widths of the area, editing, fonts, colours).
#pragma once

#include <QWidget>
#include <array>

#include "engine/logrow.h"
#include "engine/timecode.h"
#include "mainwindow/columnlayout.h"

class LogHeader;
class LogModel;
class LogView;
class QTabWidget;

// Each column shows its width plus the room of the grid line beside it, as the headers' allowances
// expect, so that the header sections stand over their columns.
inline constexpr int kGridLineRoom = 2;

class LogArea : public QWidget {
    Q_OBJECT
public:
    explicit LogArea(QWidget *parent = nullptr);

    QTabWidget *PageControl1 = nullptr;
    // By mode: StringGrid1 ... StringGrid6 and HeaderControl1 ... HeaderControl6.
    std::array<LogModel *, kModeCount> logs{};
    std::array<LogView *, kModeCount> views{};
    std::array<LogHeader *, kModeCount> headers{};

    int activeTab() const;
    // Selects a tab without the tab-change routine running.
    void selectTabQuietly(int tab);
    void setTabCaption(int tab, const QString &caption);
    QString tabCaption(int tab) const;

    // One calculation: the new row of every log, and the last five rows brought into view.
    void appendRows(const std::array<LogRow, kModeCount> &rows);
    void eraseAll();
    // Shows the last five rows of a log when it has more than five.
    void scrollToEnd(int mode);

    // Column widths shared by the six logs (column 6 keeps its width while hidden).
    int columnWidth(int column) const { return m_columnWidths[static_cast<std::size_t>(column)]; }
    const std::array<int, 7> &columnWidths() const { return m_columnWidths; }
    void setColumnWidth(int column, int width);
    void setSectionWidth(int section, int width);
    // The auxiliary and description columns are shown only with descriptions.
    void setDescriptionsVisible(bool visible);
    // Widths of the area, the tab control, the headers and the logs.
    void setWidths(const WindowWidths &widths);

    // Edit mode: cells are edited in place; drag mode: no editing and no selection.
    void setEditMode(bool editing);
    bool editMode() const { return m_editing; }
    // Closes any open in-place editor, keeping its text.
    void finishEditing();
    void clearSelections();
    // The one cell (column, row) selected in every log.
    void selectCell(int column, int row);

    void setLogFont(int mode, const QFont &font, const QColor &textColour);
    // Every tab caption stays in view: the captions get a smaller type when the tab control is too
    // narrow for them in the normal one.
    void fitTabs();
    void setLogBackground(int mode, const QColor &colour);

Q_SIGNALS:
    void tabChanged(int tab);
    void logHovered();
    void cellEdited(int mode, int row, int column);

private:
    std::array<int, 7> m_columnWidths{};
    bool m_quiet = false;
    bool m_editing = false;
};
