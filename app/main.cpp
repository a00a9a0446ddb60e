// Program start: the toolkit, the main window first, the other windows after it (hidden), the event loop.
#include <QApplication>
#include <QStringList>

#include "app/aboutbox.h"
#include "mainwindow/mainwindow.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setOrganizationName(QStringLiteral("Brisken"));

    // The main window comes first (its creation set-up runs now, and it creates its preferences).
    TCalcMainForm window;
    // A document path that arrived unquoted is split into several arguments: put it together again.
    window.setCommandLineDocument(QApplication::arguments().mid(1).join(QLatin1Char(' ')));

    TAboutBox about;
    window.setAboutBox(&about);

    window.show();
    return app.exec();
}
