// A dialog seam for tests: answers from a script and fails the test on any question it was not told
// to expect, so a test never hangs on a modal dialog.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <QTest>
#include <deque>
#include <optional>

#include "app/dialogseam.h"

class ScriptedDialogs final : public Dialogs {
public:
    struct Step {
        enum Kind { Question, Error, OpenFile, SaveFile, Font } kind;
        Answer answer = Answer::Yes; // Question
        QString fileName;            // OpenFile, SaveFile: empty means cancelled
        std::optional<QFont> font;   // Font: empty means cancelled
    };

    ScriptedDialogs() { Dialogs::install(this); }
    ~ScriptedDialogs() override { Dialogs::install(nullptr); }
    ScriptedDialogs(const ScriptedDialogs &) = delete;
    ScriptedDialogs &operator=(const ScriptedDialogs &) = delete;

    void expectQuestion(Answer answer) { m_steps.push_back({Step::Question, answer, {}, {}}); }
    void expectError() { m_steps.push_back({Step::Error, Answer::Yes, {}, {}}); }
    void expectOpenFile(const QString &name) { m_steps.push_back({Step::OpenFile, Answer::Yes, name, {}}); }
    void expectSaveFile(const QString &name) { m_steps.push_back({Step::SaveFile, Answer::Yes, name, {}}); }
    void expectFont(std::optional<QFont> font) { m_steps.push_back({Step::Font, Answer::Yes, {}, font}); }

    // Every text shown, in order (questions, errors, and file dialog titles).
    QStringList shown;
    QStringList questions;
    QStringList errors;
    QStringList fileFilters;
    bool allAnswered() const { return m_steps.empty(); }

    Answer question(QWidget *, const QString &text, Buttons) override
    {
        shown << text;
        questions << text;
        return take(Step::Question, text).answer;
    }
    void error(QWidget *, const QString &text) override
    {
        shown << text;
        errors << text;
        take(Step::Error, text);
    }
    QString openFileName(QWidget *, const QString &title, const QString &filter, const QString &) override
    {
        shown << title;
        fileFilters << filter;
        return take(Step::OpenFile, title).fileName;
    }
    QString saveFileName(QWidget *, const QString &title, const QString &filter, const QString &) override
    {
        shown << title;
        fileFilters << filter;
        return take(Step::SaveFile, title).fileName;
    }
    std::optional<QFont> font(QWidget *, const QFont &) override { return take(Step::Font, QStringLiteral("font")).font; }

private:
    Step take(Step::Kind kind, const QString &what)
    {
        if (m_steps.empty() || m_steps.front().kind != kind) {
            QTest::qFail(qPrintable(QStringLiteral("unexpected dialog: ") + what), __FILE__, __LINE__);
            // Answer as a careful user would, so the code under test goes on without harm.
            return Step{kind, kind == Step::Question ? Answer::Cancel : Answer::No, {}, {}};
        }
        Step step = m_steps.front();
        m_steps.pop_front();
        return step;
    }
    std::deque<Step> m_steps;
};
