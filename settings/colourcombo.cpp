// The colour list: named entries with colour swatches, chosen by name or by colour value.
#include "settings/colourcombo.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>

#include "settings/settings.h"

namespace {

constexpr int kValueRole = Qt::UserRole;
constexpr int kCustomRole = Qt::UserRole + 1;

QIcon swatch(const QColor &colour, qreal ratio)
{
    const QSize size(22, 14);
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.setBrush(colour);
    painter.drawRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0));
    return QIcon(pixmap);
}

} // namespace

ColourCombo::ColourCombo(QWidget *parent) : QComboBox(parent)
{
    setIconSize(QSize(22, 14));
}

void ColourCombo::setEntries(const std::vector<Entry> &entries)
{
    clear();
    for (const Entry &entry : entries)
        addEntry(entry);
}

void ColourCombo::addEntry(const Entry &entry)
{
    addItem(swatch(ColourFromValue(entry.value), devicePixelRatioF()), entry.name,
            QVariant::fromValue<qlonglong>(entry.value));
}

QString ColourCombo::currentName() const
{
    return currentIndex() < 0 ? QString() : currentText();
}

std::optional<std::int64_t> ColourCombo::currentValue() const
{
    if (currentIndex() < 0)
        return std::nullopt;
    return currentData(kValueRole).toLongLong();
}

bool ColourCombo::selectName(const QString &name)
{
    const int index = findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    setCurrentIndex(index);
    return true;
}

bool ColourCombo::selectValue(std::int64_t value)
{
    for (int i = 0; i < count(); ++i) {
        if (!itemData(i, kCustomRole).toBool() && itemData(i, kValueRole).toLongLong() == value) {
            setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

void ColourCombo::showValue(std::int64_t value)
{
    const int last = count() - 1;
    if (last >= 0 && itemData(last, kCustomRole).toBool())
        removeItem(last);
    if (selectValue(value))
        return;
    addEntry({QStringLiteral("Custom"), value});
    setItemData(count() - 1, true, kCustomRole);
    setCurrentIndex(count() - 1);
}

void ColourCombo::changeEvent(QEvent *event)
{
    QComboBox::changeEvent(event);
    // System colours follow the desktop's palette, and swatches the screen's scale.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        refreshSwatches();
}

void ColourCombo::refreshSwatches()
{
    for (int i = 0; i < count(); ++i)
        setItemIcon(i, swatch(ColourFromValue(itemData(i, kValueRole).toLongLong()), devicePixelRatioF()));
}
