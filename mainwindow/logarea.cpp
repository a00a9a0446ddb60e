// The log area: six tabs with their headers and logs.
#include "mainwindow/logarea.h"

#include <QHeaderView>
#include <QProxyStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "documents/celltext.h"
#include "mainwindow/logdelegate.h"
#include "mainwindow/logheader.h"
#include "mainwindow/logmodel.h"
#include "mainwindow/logview.h"
#include "settings/settings.h"

namespace {

// The log area's look: tabs as wide as their captions with a little room on either side, and cell
// texts one pixel from the grid line, so that a timecode in the log font fits its column.
class LogAreaStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 10;
        if (metric == PM_FocusFrameHMargin)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

constexpr qreal kSmallestTabPoints = 7.0;

} // namespace

LogArea::LogArea(QWidget *parent)
    : QWidget(parent)
    , PageControl1(new QTabWidget(this))
{
    setObjectName(QStringLiteral("Panel3"));
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setAccessibleName(QStringLiteral("Timecode modes"));
    PageControl1->setFocusPolicy(Qt::NoFocus);
    PageControl1->tabBar()->setFocusPolicy(Qt::NoFocus);
    PageControl1->tabBar()->setAttribute(Qt::WA_Hover);
    PageControl1->tabBar()->setExpanding(false);
    auto *areaStyle = new LogAreaStyle;
    areaStyle->setParent(this);
    PageControl1->tabBar()->setStyle(areaStyle);
    PageControl1->setUsesScrollButtons(true);
    PageControl1->setDocumentMode(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->addWidget(PageControl1, 0, Qt::AlignHCenter);

    m_columnWidths = kDefaultColumnBaseWidth;
    for (int mode = 0; mode < kModeCount; ++mode) {
        const auto m = static_cast<std::size_t>(mode);
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet%1").arg(mode + 1));
        auto *pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(2, 2, 2, 2);
        pageLayout->setSpacing(0);

        headers[m] = new LogHeader(page);
        headers[m]->setObjectName(QStringLiteral("HeaderControl%1").arg(mode + 1));
        logs[m] = new LogModel(this);
        logs[m]->setObjectName(QStringLiteral("StringGrid%1Model").arg(mode + 1));
        views[m] = new LogView(page);
        views[m]->setObjectName(QStringLiteral("StringGrid%1").arg(mode + 1));
        views[m]->setModel(logs[m]);
        // Each view has its own editor delegate: a delegate tells every view it serves about each edit.
        views[m]->setItemDelegate(new LogCellDelegate(views[m]));
        views[m]->setStyle(areaStyle);
        for (int column = 0; column < kLogColumns; ++column)
            views[m]->setColumnWidth(column, m_columnWidths[static_cast<std::size_t>(column)] + kGridLineRoom);

        pageLayout->addWidget(headers[m], 0, Qt::AlignLeft);
        pageLayout->addWidget(views[m], 0, Qt::AlignLeft);
        pageLayout->addStretch(1);

        const QString caption = QString::fromUtf8(ModeTabCaption(static_cast<TimecodeMode>(mode)));
        PageControl1->addTab(page, caption);
        setTabCaption(mode, caption);

        connect(views[m], &LogView::hovered, this, &LogArea::logHovered);
        connect(logs[m], &LogModel::cellEdited, this,
                [this, mode](int row, int column) { Q_EMIT cellEdited(mode, row, column); });
    }
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int tab) {
        if (!m_quiet)
            Q_EMIT tabChanged(tab);
    });
}

int LogArea::activeTab() const
{
    return PageControl1->currentIndex();
}

void LogArea::selectTabQuietly(int tab)
{
    m_quiet = true;
    PageControl1->setCurrentIndex(tab);
    m_quiet = false;
}

void LogArea::fitTabs()
{
    QTabBar *bar = PageControl1->tabBar();
    QFont font = PageControl1->font();
    bar->setFont(font);
    const int room = PageControl1->width() - 4;
    while (bar->sizeHint().width() > room && font.pointSizeF() - 0.5 >= kSmallestTabPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        bar->setFont(font);
    }
}

void LogArea::setTabCaption(int tab, const QString &caption)
{
    PageControl1->setTabText(tab, caption);
    fitTabs();
    const auto m = static_cast<std::size_t>(tab);
    views[m]->setAccessibleName(caption);
    headers[m]->setAccessibleName(caption + QStringLiteral(" columns"));
}

QString LogArea::tabCaption(int tab) const
{
    return PageControl1->tabText(tab);
}

void LogArea::appendRows(const std::array<LogRow, kModeCount> &rows)
{
    for (int mode = 0; mode < kModeCount; ++mode) {
        logs[static_cast<std::size_t>(mode)]->appendRow(rows[static_cast<std::size_t>(mode)]);
        scrollToEnd(mode);
    }
}

void LogArea::scrollToEnd(int mode)
{
    const auto m = static_cast<std::size_t>(mode);
    const auto count = logs[m]->count();
    if (count > LogView::kVisibleRows)
        views[m]->setTopRow(static_cast<int>(count - LogView::kVisibleRows));
}

void LogArea::eraseAll()
{
    for (LogModel *log : logs)
        log->EraseAll();
}

void LogArea::setColumnWidth(int column, int width)
{
    m_columnWidths[static_cast<std::size_t>(column)] = width;
    for (LogView *view : views)
        view->setColumnWidth(column, width + kGridLineRoom);
}

void LogArea::setSectionWidth(int section, int width)
{
    for (LogHeader *header : headers)
        header->resizeSection(section, width);
}

void LogArea::setDescriptionsVisible(bool visible)
{
    for (LogView *view : views) {
        // Hidden columns forget nothing: their widths come back with them.
        for (int column : {kAuxiliaryColumn, kDescriptionColumn}) {
            view->setColumnHidden(column, !visible);
            view->setColumnWidth(column, columnWidth(column) + kGridLineRoom);
        }
    }
}

void LogArea::setWidths(const WindowWidths &widths)
{
    setFixedWidth(widths.panel3);
    PageControl1->setFixedWidth(widths.pageControl);
    fitTabs();
    for (LogHeader *header : headers)
        header->setFixedWidth(widths.header);
    for (LogView *view : views)
        view->setFixedWidth(widths.log);
}

void LogArea::finishEditing()
{
    for (LogView *view : views)
        view->finishEditing();
}

void LogArea::setEditMode(bool editing)
{
    if (!editing)
        finishEditing();
    m_editing = editing;
    for (int mode = 0; mode < kModeCount; ++mode) {
        const auto m = static_cast<std::size_t>(mode);
        logs[m]->setEditable(editing);
        views[m]->setSelectionMode(editing ? QAbstractItemView::SingleSelection : QAbstractItemView::NoSelection);
        views[m]->setEditTriggers(editing ? QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked |
                                                QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                                          : QAbstractItemView::NoEditTriggers);
    }
}

void LogArea::clearSelections()
{
    for (LogView *view : views) {
        view->clearSelection();
        view->setCurrentIndex(QModelIndex());
    }
}

void LogArea::selectCell(int column, int row)
{
    for (int mode = 0; mode < kModeCount; ++mode) {
        const auto m = static_cast<std::size_t>(mode);
        const QModelIndex cell = logs[m]->index(row, column);
        views[m]->clearSelection();
        // A cell past the last row selects nothing, as the log has no such row.
        views[m]->setCurrentIndex(cell);
    }
}

void LogArea::setLogFont(int mode, const QFont &font, const QColor &textColour)
{
    LogView *view = views[static_cast<std::size_t>(mode)];
    view->setFont(font);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Text, textColour);
    view->setPalette(palette);
    view->fitRowsToFont();
}

void LogArea::setLogBackground(int mode, const QColor &colour)
{
    LogView *view = views[static_cast<std::size_t>(mode)];
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, colour);
    view->setPalette(palette);
}
