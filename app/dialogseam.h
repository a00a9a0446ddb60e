// The one door through which the program asks the user anything: message boxes, file and font dialogs.
// The real implementation shows Qt dialogs; tests install a scripted one that answers instead.
#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QWidget;

class Dialogs {
public:
    enum class Answer { Yes, No, Cancel };
    enum class Buttons { YesNo, YesNoCancel };

    virtual ~Dialogs() = default;

    // A confirmation box. Closing the box without a button answers Cancel (YesNoCancel) or No (YesNo).
    virtual Answer question(QWidget *parent, const QString &text, Buttons buttons) = 0;
    // An error box with a single OK button.
    virtual void error(QWidget *parent, const QString &text) = 0;
    // File dialogs. The filter is in the "Description|*.ext|Description|*.ext" form of the program's
    // dialogs; an empty result means the user cancelled. Saving prompts before overwriting.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &filter,
                                 const QString &defaultSuffix) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &filter,
                                 const QString &defaultSuffix) = 0;
    // A font chooser starting from `initial`; empty when cancelled.
    virtual std::optional<QFont> font(QWidget *parent, const QFont &initial) = 0;

    // The dialogs in force: the Qt ones unless a test installed its own.
    static Dialogs &current();
    // Installs `dialogs` (not owned) in place of the Qt ones; nullptr restores the Qt ones.
    static void install(Dialogs *dialogs);
};

// "Corvane File (*.cvf)|*.cvf|All Files (*.*)|*.*" -> "Corvane File (*.cvf) (*.cvf);;All Files (*.*) (*)".
QString QtFilterFromPipeFilter(const QString &pipeFilter);
