// The header over one log.
#include "mainwindow/logheader.h"

#include <QMouseEvent>
#include <QStandardItemModel>

#include "mainwindow/columnlayout.h"

LogHeader::LogHeader(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
    , m_sections(new QStandardItemModel(0, kHeaderSections, this))
{
    setModel(m_sections);
    for (int section = 0; section < kHeaderSections; ++section) {
        auto *item = new QStandardItem;
        // The value columns carry centred captions; the description caption starts at the left.
        item->setTextAlignment(section == 6 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        m_sections->setHorizontalHeaderItem(section, item);
    }
    m_sections->horizontalHeaderItem(6)->setText(QStringLiteral("Descriptions"));
    m_sections->horizontalHeaderItem(7)->setText(QStringLiteral("-"));

    setSectionsMovable(false);
    setSectionsClickable(true);
    setHighlightSections(false);
    setStretchLastSection(false);
    setMinimumSectionSize(1);
    setMaximumSectionSize(300);
    setDefaultAlignment(Qt::AlignCenter);
    setSectionResizeMode(QHeaderView::Interactive);
    // The auxiliary section and the last one have a single allowed width.
    setSectionResizeMode(5, QHeaderView::Fixed);
    setSectionResizeMode(7, QHeaderView::Fixed);
    for (int section = 0; section < kHeaderSections; ++section)
        resizeSection(section, kSectionLimits[static_cast<std::size_t>(section)].min);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setFixedHeight(17);
    setToolTip(QStringLiteral("Drag bars"));

    connect(this, &QHeaderView::sectionResized, this, &LogHeader::onSectionResized);
}

void LogHeader::setSectionText(int section, const QString &text)
{
    if (QStandardItem *item = m_sections->horizontalHeaderItem(section))
        item->setText(text);
}

QString LogHeader::sectionText(int section) const
{
    const QStandardItem *item = m_sections->horizontalHeaderItem(section);
    return item ? item->text() : QString();
}

void LogHeader::copySectionsFrom(const LogHeader &other)
{
    for (int section = 0; section < kHeaderSections; ++section) {
        setSectionText(section, other.sectionText(section));
        resizeSection(section, other.sectionSize(section));
    }
}

void LogHeader::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    m_trackedSection = -1;
    QHeaderView::mousePressEvent(event);
}

void LogHeader::mouseReleaseEvent(QMouseEvent *event)
{
    QHeaderView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = false;
    if (m_trackedSection >= 0) {
        const int section = m_trackedSection;
        m_trackedSection = -1;
        Q_EMIT sectionTrack(section, m_trackedWidth, TrackState::End);
    }
}

void LogHeader::onSectionResized(int section, int, int newSize)
{
    const int clamped = ClampSectionWidth(section, newSize);
    if (clamped != newSize) {
        // Brings the section back within its limits; the resize reports itself again.
        resizeSection(section, clamped);
        return;
    }
    if (!m_pressed)
        return; // laid out by the program, not dragged
    if (m_trackedSection != section) {
        m_trackedSection = section;
        m_trackedWidth = newSize;
        Q_EMIT sectionTrack(section, newSize, TrackState::Begin);
    }
    m_trackedWidth = newSize;
    Q_EMIT sectionTrack(section, newSize, TrackState::Move);
}
