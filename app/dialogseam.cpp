// Qt implementation of the dialog seam.
#include "app/dialogseam.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QStringList>

namespace {

class QtDialogs final : public Dialogs {
public:
    Answer question(QWidget *parent, const QString &text, Buttons buttons) override
    {
        const auto standard = buttons == Buttons::YesNoCancel
                                  ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                  : QMessageBox::Yes | QMessageBox::No;
        const auto escape = buttons == Buttons::YesNoCancel ? QMessageBox::Cancel : QMessageBox::No;
        QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text, standard, parent);
        box.setEscapeButton(escape);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
        }
    }

    void error(QWidget *parent, const QString &text) override
    {
        QMessageBox::critical(parent, QApplication::applicationName(), text, QMessageBox::Ok);
    }

    QString openFileName(QWidget *parent, const QString &title, const QString &filter,
                         const QString &defaultSuffix) override
    {
        QFileDialog dialog(parent, title, QString(), QtFilterFromPipeFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(defaultSuffix);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    QString saveFileName(QWidget *parent, const QString &title, const QString &filter,
                         const QString &defaultSuffix) override
    {
        QFileDialog dialog(parent, title, QString(), QtFilterFromPipeFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultSuffix);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    std::optional<QFont> font(QWidget *parent, const QFont &initial) override
    {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
        if (!ok)
            return std::nullopt;
        return chosen;
    }
};

QtDialogs &qtDialogs()
{
    static QtDialogs dialogs;
    return dialogs;
}

Dialogs *installed = nullptr;

} // namespace

Dialogs &Dialogs::current()
{
    return installed ? *installed : qtDialogs();
}

void Dialogs::install(Dialogs *dialogs)
{
    installed = dialogs;
}

QString QtFilterFromPipeFilter(const QString &pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts.at(i + 1);
        pattern.replace(QLatin1String("*.*"), QLatin1String("*"));
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts.at(i) + QLatin1String(" (") + pattern + QLatin1Char(')');
    }
    return filters.join(QLatin1String(";;"));
}
