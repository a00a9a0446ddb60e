// The Calculate button: three images at one place (normal, hover, pressed) that swap as the mouse
// moves over the button and presses it; a click or a double click calculates.
#pragma once

#include <QWidget>

class QSvgRenderer;

class CalculateButton : public QWidget {
    Q_OBJECT
public:
    // Which of the three images shows: ButNorm, ButOver or ButDown.
    enum class Image { Normal, Over, Down };

    explicit CalculateButton(QWidget *parent = nullptr);

    Image image() const { return m_image; }
    // ButtonNormal: back to the normal image.
    void ButtonNormal();
    QSize sizeHint() const override;

Q_SIGNALS:
    void clicked();
    // The mouse moved over the hover image (the window shows the count of calculations).
    void hovered();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setImage(Image image);

    Image m_image = Image::Normal;
    bool m_doubleClicked = false;
    QSvgRenderer *m_normal;
    QSvgRenderer *m_over;
    QSvgRenderer *m_down;
};
