// Column layout of the six logs and the window width that follows it; divider drags; description
// editing.
#include <QLayout>
#include <QToolButton>
#include <algorithm>

#include "mainwindow/columnlayout.h"
#include "mainwindow/logarea.h"
#include "mainwindow/logheader.h"
#include "mainwindow/mainwindow.h"
#include "settings/preferences.h"

void TCalcMainForm::applyColumnLayout(const std::array<int, 7> &columns)
{
    const std::array<int, 7> sections = SectionWidths(columns);
    for (int i = 0; i < kLogColumns; ++i) {
        GridSize(i, columns[static_cast<std::size_t>(i)]);
        Panel3->setSectionWidth(i, sections[static_cast<std::size_t>(i)]);
    }
}

void TCalcMainForm::SetGrid(LayoutState &layout)
{
    const bool descriptions = Descriptions1->isChecked();
    const std::array<int, 7> columns = ColumnWidths(settings().columnBaseWidth, layout.extraEven, layout.extraOdd);
    applyColumnLayout(columns);
    Panel3->setDescriptionsVisible(descriptions);
    const auto logWidth = GridLogWidth(columns, descriptions, layout.widthResetPending, layout.highDpi);
    if (!logWidth)
        return;
    applyWindowWidths(GridWindowWidths(*logWidth));
    layout.widthResetPending = false;
}

void TCalcMainForm::GridSize(int index, int width)
{
    Panel3->setColumnWidth(index, width);
}

void TCalcMainForm::HeaderControl1SectionTrack(int section, int width, LogHeader::TrackState state)
{
    if (section >= 0 && section < kLogColumns)
        AdjustColums(section, width, kSectionAllowance[static_cast<std::size_t>(section)]);
    if (const auto logWidth = TrackLogWidth(Panel3->columnWidths(), Descriptions1->isChecked()))
        applyWindowWidths(TrackWindowWidths(*logWidth));
    if (state == LogHeader::TrackState::End)
        WritePosGrid();
}

void TCalcMainForm::AdjustColums(int index, int width, int allowance)
{
    GridSize(index, width - allowance);
    Panel3->setSectionWidth(index, width);
}

void TCalcMainForm::EditBtnClick()
{
    Panel3->selectCell(6, static_cast<int>(m_state.CalcCount));
    if (EditBtn->isChecked())
        ActivateEditMode();
    else
        ActivateDragMode();
    m_state.WorkChanged = true;
}

void TCalcMainForm::ActivateEditMode()
{
    Panel3->setEditMode(true);
    if (!Descriptions1->isChecked()) {
        Descriptions1->setChecked(true);
        Descriptions1Click();
    }
}

void TCalcMainForm::ActivateDragMode()
{
    Panel3->setEditMode(false);
    Panel3->clearSelections();
}

void TCalcMainForm::applyWindowWidths(const WindowWidths &widths)
{
    Panel3->setWidths(widths);
    Panel2->setFixedWidth(widths.panel2);
    setFixedWidth(widths.window);
}

void TCalcMainForm::fitWindowHeight()
{
    if (QLayout *own = layout())
        own->activate();
    int height = sizeHint().height();
    // On a display of 100 dpi or more the window is at least as tall as the larger layout wants.
    if (m_highDpi)
        height = std::max(height, 502);
    setFixedHeight(height);
}
