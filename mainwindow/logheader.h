// The header over one log: eight sections with their own width limits, whose divider drags are
// reported with their stage (begin, move, end).
#pragma once

#include <QHeaderView>

class QStandardItemModel;

class LogHeader : public QHeaderView {
    Q_OBJECT
public:
    enum class TrackState { Begin, Move, End };

    explicit LogHeader(QWidget *parent = nullptr);

    void setSectionText(int section, const QString &text);
    QString sectionText(int section) const;
    // Texts and widths of every section taken from another header.
    void copySectionsFrom(const LogHeader &other);

Q_SIGNALS:
    // A divider is being dragged: the section's new width (within its limits) and the stage.
    void sectionTrack(int section, int width, LogHeader::TrackState state);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void onSectionResized(int section, int oldSize, int newSize);

    QStandardItemModel *m_sections = nullptr;
    bool m_pressed = false;
    int m_trackedSection = -1;
    int m_trackedWidth = 0;
};
