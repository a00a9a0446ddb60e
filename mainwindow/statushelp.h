// The window's help: the status text of the control under the mouse, and the switch that turns
// pop-up hints off everywhere but on the controls that always show them.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>

class CalculateButton;
class QLabel;
class QWidget;

class StatusHelp : public QObject {
    Q_OBJECT
public:
    StatusHelp(QLabel *panel, CalculateButton *calculate, QObject *parent = nullptr);

    // Moving the mouse over the control shows the Calculate button's normal image and this text;
    // a null text leaves the status text as it was.
    void add(QWidget *control, const QString &text = QString());
    QString text(const QWidget *control) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_panel;
    CalculateButton *m_calculate;
    QHash<const QObject *, QString> m_texts;
};

class HintSwitch : public QObject {
    Q_OBJECT
public:
    // Watches the pop-up hints of every control of `window`.
    explicit HintSwitch(QWidget *window);

    void setHintsOn(bool on) { m_on = on; }
    bool hintsOn() const { return m_on; }
    // A control whose hint shows whatever the switch says.
    void alwaysShow(QWidget *control);
    bool shows(const QWidget *control) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QSet<const QWidget *> m_always;
    bool m_on = true;
};
