// Program start: the toolkit, the main window first, the other windows after it (hidden), the event loop.
#include <QApplication>
#include <QStringList>

#include "app/aboutbox.h"
#include "documents/documentio.h"
#include "mainwindow/mainwindow.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setOrganizationName(QStringLiteral("Brisken"));

    // The main window comes first (its creation set-up runs now); it creates the preferences and the
    // export window it owns.
    TCalcMainForm window;
    // A document path that arrived unquoted is split into several arguments: put it together again.
    window.setCommandLineDocument(CommandLineFileName(QApplication::arguments().mid(1)));

    TAboutBox about;
    window.setAboutBox(&about);

    window.show();
    // The start-up work (settings, the command line's document) runs at the window's first
    // activation; ask for it, as a desktop without a window manager never gives it on its own.
    window.activateWindow();
    return app.exec();
}
