// Status-bar help texts and the pop-up hint switch.
#include "mainwindow/statushelp.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

#include "mainwindow/calculatebutton.h"

StatusHelp::StatusHelp(QLabel *panel, CalculateButton *calculate, QObject *parent)
    : QObject(parent)
    , m_panel(panel)
    , m_calculate(calculate)
{
}

void StatusHelp::add(QWidget *control, const QString &text)
{
    m_texts.insert(control, text);
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

QString StatusHelp::text(const QWidget *control) const
{
    return m_texts.value(control);
}

bool StatusHelp::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        const auto found = m_texts.constFind(watched);
        if (found != m_texts.constEnd()) {
            m_calculate->ButtonNormal();
            if (!found->isNull())
                m_panel->setText(*found);
        }
    }
    return QObject::eventFilter(watched, event);
}

HintSwitch::HintSwitch(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    qApp->installEventFilter(this);
}

void HintSwitch::alwaysShow(QWidget *control)
{
    m_always.insert(control);
}

bool HintSwitch::shows(const QWidget *control) const
{
    return m_on || m_always.contains(control);
}

bool HintSwitch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && watched->isWidgetType()) {
        const auto *widget = static_cast<const QWidget *>(watched);
        if (widget->window() == m_window && !shows(widget))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
