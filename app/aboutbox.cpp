// The about box: a small borderless window with the program's name, icon and version.
#include "app/aboutbox.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace {

constexpr QSize BoxSize(311, 167);
constexpr int IconSide = 72;
const QColor AccentColour(0x2d, 0x7d, 0xd2); // the blue of the program's artwork

// The application icon, drawn from its SVG at paint time so it stays sharp at any screen scale.
class IconView : public QWidget {
public:
    explicit IconView(QWidget *parent) : QWidget(parent), m_renderer(QStringLiteral(":/icons/corvane.svg"))
    {
        setFixedSize(IconSide, IconSide);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!m_renderer.isValid())
            return;
        QPainter painter(this);
        m_renderer.render(&painter, QRectF(rect()));
    }

private:
    QSvgRenderer m_renderer;
};

} // namespace

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Corvane"));
    setAccessibleName(QStringLiteral("About Corvane"));
    setAccessibleDescription(QStringLiteral("Click or press any key to close."));
    setFixedSize(BoxSize);

    auto *icon = new IconView(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setAccessibleName(QStringLiteral("Corvane icon"));

    m_name = new QLabel(QStringLiteral("Corvane"), this);
    m_name->setObjectName(QStringLiteral("ProductName"));
    m_name->setAccessibleName(QStringLiteral("Corvane"));
    QFont nameFont = m_name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 2.0);
    nameFont.setBold(true);
    m_name->setFont(nameFont);

    m_version = new QLabel(this);
    m_version->setObjectName(QStringLiteral("Version"));

    auto *texts = new QVBoxLayout;
    texts->addStretch(1);
    texts->addWidget(m_name);
    texts->addWidget(m_version);
    texts->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(20);
    layout->addWidget(icon, 0, Qt::AlignVCenter);
    layout->addLayout(texts, 1);

    setVersionText(QString());
}

void TAboutBox::setVersionText(const QString &text)
{
    m_version->setText(text);
    // A screen reader reads the line itself; an empty line still needs a name to be announced by.
    m_version->setAccessibleName(text.isEmpty() ? QStringLiteral("Version") : text);
}

QString TAboutBox::versionText() const
{
    return m_version->text();
}

void TAboutBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    closeBox();
}

void TAboutBox::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    closeBox();
}

void TAboutBox::closeBox()
{
    // A key chord arrives as several presses; only the first one closes the box.
    if (isVisible())
        accept();
}

void TAboutBox::showEvent(QShowEvent *event)
{
    // Centred on the screen, not on the main window.
    const QScreen *onScreen = parentWidget() ? parentWidget()->screen() : screen();
    if (onScreen) {
        QRect frame(QPoint(), size());
        frame.moveCenter(onScreen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

void TAboutBox::paintEvent(QPaintEvent *)
{
    // Without a window frame the box draws its own edge, with a band in the program's colour on top.
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.fillRect(QRect(0, 0, width(), 5), AccentColour);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
