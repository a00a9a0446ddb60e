// The view of one log: uniform rows, a vertical scroll bar only, no headers of its own; the header
// over it is a LogHeader of the window.
#pragma once

#include <QTableView>

class LogView : public QTableView {
    Q_OBJECT
public:
    explicit LogView(QWidget *parent = nullptr);

    // Rows shown at once; the view is exactly this many rows high.
    static constexpr int kVisibleRows = 5;

    // The first row shown; the view scrolls so that it is at the top. A log on a hidden tab scrolls
    // when it is shown: finding a row's place costs Qt a pass over every row after rows were added.
    int topRow() const;
    void setTopRow(int row);
    // A row height that suits the font, and the view height of kVisibleRows such rows.
    void fitRowsToFont();
    // Ends an in-place edit that is open, keeping the text typed so far.
    void finishEditing();

Q_SIGNALS:
    // The mouse moved over the log (the window shows the log's help text).
    void hovered();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    int m_pendingTopRow = -1;
};
