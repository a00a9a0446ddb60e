// A stand-in for the main window behind the entry row: runs the engine's calculation on the row's
// fields, keeps six logs, and reloads the fields from the active log as the window does.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <array>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "mainwindow/entrypanel.h"
#include "mainwindow/timecodeedit.h"

class FakeEntryHost : public EntryHost {
public:
    // What the row held when a calculation was asked for.
    struct Call {
        int op = 0;
        std::string first, second, percent, frameIn, frameOut;
    };

    EntryPanel *panel = nullptr;
    CalcState state;
    std::array<LogRows, kModeCount> logs;
    std::vector<Call> calls;
    std::vector<std::string> rejections;
    int tab = 0;
    int labels = 1;
    bool frames = false;
    bool rangeCheck = true;

    void CalculateBtnClick() override
    {
        calls.push_back({panel->OperandCombo->currentIndex(), panel->MaskEdit1->text().toStdString(),
                         panel->MaskEdit2->text().toStdString(), panel->MaskEdit4->text().toStdString(),
                         panel->FrameIn->text().toStdString(), panel->FrameOut->text().toStdString()});
        CalcRequest request;
        request.first = calls.back().first;
        request.second = calls.back().second;
        request.percent = calls.back().percent;
        request.frameIn = calls.back().frameIn;
        request.frameOut = calls.back().frameOut;
        request.op = static_cast<Operator>(calls.back().op);
        request.activeTab = tab;
        request.rangeCheck = rangeCheck;
        request.frameMode = frames;
        const CalcOutcome outcome = ComputeCalculations(state, request);
        if (outcome.status != CalcStatus::Accepted) {
            rejections.push_back(outcome.message);
            if (outcome.field == CalcField::Second) {
                panel->MaskEdit2->setFocus();
                panel->MaskEdit2->selectAll();
            } else {
                panel->focusFirst();
            }
            return;
        }
        for (int m = 0; m < kModeCount; ++m)
            logs[static_cast<std::size_t>(m)].push_back(outcome.rows[static_cast<std::size_t>(m)]);
        if (frames)
            panel->FrameDur->setText(QString::fromStdString(outcome.frameDur));
        showLastRow();
        if (request.op == Operator::Percent) {
            panel->MaskEdit4->show();
            panel->focusFirst();
        } else if (frames) {
            panel->focusFrameIn();
        } else {
            panel->focusFirst();
        }
    }

    // The window's tab change: the fields show the active log's last row.
    void showLastRow()
    {
        const LogRow &row = logs[static_cast<std::size_t>(tab)].back();
        panel->MaskEdit2->setText(QString::fromStdString(row[2]));
        panel->MaskEdit3->setText(QString::fromStdString(row[4]));
        if (row[1] == "%") {
            panel->MaskEdit4->show();
            panel->MaskEdit4->setText(QString::fromStdString(row[0]));
        } else {
            panel->MaskEdit4->hide();
            panel->MaskEdit1->setText(QString::fromStdString(row[0]));
        }
        if (tab == 5)
            panel->InitLoads();
        panel->OperandCombo->setCurrentText(QString::fromStdString(logs[0].back()[1]));
    }

    // Logs one made-up row in every log without running a calculation.
    void logRow(const std::array<LogRow, kModeCount> &rows)
    {
        for (int m = 0; m < kModeCount; ++m)
            logs[static_cast<std::size_t>(m)].push_back(rows[static_cast<std::size_t>(m)]);
        state.CalcCount += 1;
    }

    int activeTab() const override { return tab; }
    std::int64_t calcCount() const override { return state.CalcCount; }
    const LogRow *lastRow(int mode) const override
    {
        const auto &log = logs.at(static_cast<std::size_t>(mode));
        return log.empty() ? nullptr : &log.back();
    }
    int labelSet() const override { return labels; }
    bool frameMode() const override { return frames; }
};
