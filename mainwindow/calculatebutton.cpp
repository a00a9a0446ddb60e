// The Calculate button and its three images.
#include "mainwindow/calculatebutton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <utility>

CalculateButton::CalculateButton(QWidget *parent)
    : QWidget(parent)
    , m_normal(new QSvgRenderer(QStringLiteral(":/icons/calc-normal.svg"), this))
    , m_over(new QSvgRenderer(QStringLiteral(":/icons/calc-hover.svg"), this))
    , m_down(new QSvgRenderer(QStringLiteral(":/icons/calc-down.svg"), this))
{
    setFixedSize(90, 33);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(QStringLiteral("Calculate"));
    setAccessibleDescription(QStringLiteral("Calculate the result in every mode"));
}

QSize CalculateButton::sizeHint() const
{
    return {90, 33};
}

void CalculateButton::ButtonNormal()
{
    setImage(Image::Normal);
}

void CalculateButton::setImage(Image image)
{
    if (m_image == image)
        return;
    m_image = image;
    update();
}

void CalculateButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QSvgRenderer *renderer = m_image == Image::Normal ? m_normal : m_image == Image::Over ? m_over : m_down;
    if (renderer->isValid()) {
        renderer->render(&painter, rect());
        return;
    }
    // Without the artwork the button still reads as one.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(palette().button());
    painter.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 5, 5);
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Calculate"));
}

void CalculateButton::mouseMoveEvent(QMouseEvent *event)
{
    if (m_image == Image::Normal)
        setImage(Image::Over);
    if (m_image == Image::Over)
        Q_EMIT hovered();
    // Handled here: the panel under the button would bring the normal image back.
    event->accept();
}

void CalculateButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setImage(Image::Down);
    event->accept();
}

void CalculateButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    setImage(Image::Over);
    // The release that ends a double click has already been counted by the double click.
    if (std::exchange(m_doubleClicked, false))
        return;
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void CalculateButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    setImage(Image::Down);
    m_doubleClicked = true;
    Q_EMIT clicked();
}

void CalculateButton::leaveEvent(QEvent *event)
{
    ButtonNormal();
    QWidget::leaveEvent(event);
}
