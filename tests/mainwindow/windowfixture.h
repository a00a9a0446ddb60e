// A fresh main window for each test: its settings in a temporary store, its questions answered by
// a script, shown and activated on the offscreen platform.
#pragma once

#include <QComboBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "mainwindow/mainwindow.h"
#include "mainwindow/timecodeedit.h"
#include "tests/support/scripteddialogs.h"

struct WindowFixture {
    QTemporaryDir storeDir;
    ScriptedDialogs dialogs;
    std::unique_ptr<TCalcMainForm> window;

    // Values written into the store before the window starts, as "Section/Name" -> text.
    explicit WindowFixture(const QList<std::pair<QString, QString>> &stored = {})
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, storeDir.path());
        if (!stored.isEmpty()) {
            const auto store = openStore();
            for (const auto &[key, value] : stored)
                store->setValue(key, value);
        }
        window = std::make_unique<TCalcMainForm>();
    }

    static std::unique_ptr<QSettings> openStore()
    {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brisken"),
                                           QStringLiteral("CorvaneCalc"));
    }
    // A stored value as text; empty when it was never written.
    static QString stored(const QString &key) { return openStore()->value(key).toString(); }

    // Shows the window and lets its first activation run.
    bool start()
    {
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            return false;
        return !window->firstActivationPending();
    }

    EntryPanel &entry() const { return *window->Panel1; }

    // One calculation with the operands put straight into the fields.
    void calculate(const QString &first, int op, const QString &second) const
    {
        entry().MaskEdit1->setText(first);
        entry().OperandCombo->setCurrentIndex(op);
        entry().MaskEdit2->setText(second);
        window->CalculateBtnClick();
    }
};
