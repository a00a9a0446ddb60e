// The preferences dialog's controls: the general tab, the six mode tabs and the buttons, laid out.
#include "settings/preferencesui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "settings/colourcombo.h"
#include "settings/settings.h"

namespace {

// The tabs after "General", in their order, with the mode each one edits.
struct ModeTab {
    const char *caption;
    int mode;
};
constexpr std::array<ModeTab, 6> kModeTabs{{{"NonDrpFrm", 0}, {"DrpFrm", 1}, {"PAL", 2}, {"Frames", 5},
                                            {"Film", 3}, {"User", 4}}};

template <typename Widget>
Widget *named(Widget *widget, const char *objectName, const QString &accessibleName)
{
    widget->setObjectName(QLatin1String(objectName));
    widget->setAccessibleName(accessibleName);
    return widget;
}

QComboBox *list(QWidget *parent, const char *objectName, const QString &accessibleName, const QStringList &items)
{
    auto *combo = named(new QComboBox(parent), objectName, accessibleName);
    combo->addItems(items);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QCheckBox *checkBox(QWidget *parent, const char *objectName, const QString &text)
{
    auto *box = named(new QCheckBox(text, parent), objectName, text);
    return box;
}

// A right-aligned rate field that admits only its characters, up to its length.
QLineEdit *rateField(const char *objectName, const QString &accessibleName, int maxLength,
                     const QString &characters)
{
    auto *field = named(new QLineEdit, objectName, accessibleName);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setMaxLength(maxLength);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(characters + QStringLiteral("*")), field));
    const int digits = field->fontMetrics().horizontalAdvance(QString(maxLength + 2, u'0'));
    field->setFixedWidth(digits + 16);
    return field;
}

std::vector<ColourCombo::Entry> gridColourEntries()
{
    std::vector<ColourCombo::Entry> entries;
    for (const QString &name : GridColourNames())
        entries.push_back({name, *GridColourValue(name)});
    return entries;
}

// The text colours a font chooser offers: the named colours with yellow, without the window colour.
std::vector<ColourCombo::Entry> textColourEntries()
{
    std::vector<ColourCombo::Entry> entries;
    for (const QString &name : GridColourNames()) {
        if (name == QLatin1String("Window"))
            continue;
        entries.push_back({name, *GridColourValue(name)});
        if (name == QLatin1String("Lime"))
            entries.push_back({QStringLiteral("Yellow"), 0x00FFFF});
    }
    return entries;
}

QWidget *generalPage(PreferencesControls &c)
{
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    c.StartCombo = list(page, "StartCombo", QStringLiteral("Start with"),
                        {QStringLiteral("30 fps non-drop frame"), QStringLiteral("30 fps drop frame"),
                         QStringLiteral("25 fps PAL"), QStringLiteral("24 fps Film"), QStringLiteral("User Definable"),
                         QStringLiteral("Frames")});
    c.TabCombo = list(page, "TabCombo", QStringLiteral("Tabs on"), {QStringLiteral("Top"), QStringLiteral("Bottom")});
    c.LabelCombo = list(page, "LabelCombo", QStringLiteral("Labels"),
                        {QStringLiteral("In - Out - Duration"), QStringLiteral("Out - In - Duration"),
                         QStringLiteral("TC1 - TC2 - Total")});
    form->addRow(QStringLiteral("&Start With:"), c.StartCombo);
    form->addRow(QStringLiteral("&Tabs On:"), c.TabCombo);
    form->addRow(QStringLiteral("&Labels:"), c.LabelCombo);
    form->addItem(new QSpacerItem(0, 8, QSizePolicy::Minimum, QSizePolicy::Fixed));
    c.ValidityCheckBox = checkBox(page, "ValidityCheckBox", QStringLiteral("Use timecode range checking"));
    c.DescriptionsCheckBox = checkBox(page, "DescriptionsCheckBox", QStringLiteral("View Descriptions"));
    c.PercentagesCheckBox = checkBox(page, "PercentagesCheckBox", QStringLiteral("View Percentages"));
    c.FrameModeCheckBox = checkBox(page, "FrameModeCheckBox", QStringLiteral("Frame Mode"));
    for (QCheckBox *box : {c.ValidityCheckBox, c.DescriptionsCheckBox, c.PercentagesCheckBox, c.FrameModeCheckBox})
        form->addRow(QString(), box);
    return page;
}

// A mode's tab; `rate` (with its label) comes first when given, `after` last.
QWidget *modePage(ModeControls &m, const QString &caption, QLineEdit *rate, QWidget *after)
{
    auto *page = new QWidget;
    m.caption = caption;
    m.page = page;
    auto *form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const QByteArray prefix = caption.toLatin1();
    if (rate) {
        rate->setParent(page);
        form->addRow(QStringLiteral("Frames per second"), rate);
    }

    m.fontButton = named(new QPushButton(QStringLiteral("Font"), page), prefix + "FontBtn", caption + QStringLiteral(" font"));
    m.fontText = named(new QLabel(page), prefix + "FontText", caption + QStringLiteral(" font in use"));
    m.fontText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(m.fontButton, m.fontText);

    m.textColour = named(new ColourCombo(page), prefix + "TextColor", caption + QStringLiteral(" text color"));
    m.textColour->setEntries(textColourEntries());
    form->addRow(QStringLiteral("Te&xt Color:"), m.textColour);

    m.gridColour = named(new ColourCombo(page), prefix + "GridColor", caption + QStringLiteral(" grid color"));
    m.gridColour->setEntries(gridColourEntries());
    m.gridColour->selectName(QStringLiteral("Window"));
    form->addRow(QStringLiteral("&Grid Color:"), m.gridColour);

    m.sample = named(new QLabel(QStringLiteral("01:00:00:00"), page), prefix + "Sample", caption + QStringLiteral(" sample"));
    m.sample->setAutoFillBackground(true);
    m.sample->setFrameShape(QFrame::StyledPanel);
    m.sample->setMargin(4);
    m.sample->setMinimumWidth(140);
    form->addRow(QStringLiteral("Sample:"), m.sample);

    if (after) {
        after->setParent(page);
        form->addRow(QString(), after);
    }
    return page;
}

// Every mode tab puts its fields at the same place, and its two colour lists at one width.
void lineUpModePages(PreferencesControls &c)
{
    int labelWidth = 0;
    int listWidth = 0;
    for (const ModeControls &m : c.modes) {
        const auto *form = static_cast<QFormLayout *>(m.page->layout());
        for (int row = 0; row < form->rowCount(); ++row) {
            if (const QLayoutItem *label = form->itemAt(row, QFormLayout::LabelRole); label && label->widget())
                labelWidth = qMax(labelWidth, label->widget()->sizeHint().width());
        }
        listWidth = std::max({listWidth, m.textColour->sizeHint().width(), m.gridColour->sizeHint().width()});
    }
    for (const ModeControls &m : c.modes) {
        const auto *form = static_cast<QFormLayout *>(m.page->layout());
        for (int row = 0; row < form->rowCount(); ++row) {
            if (const QLayoutItem *label = form->itemAt(row, QFormLayout::LabelRole); label && label->widget())
                label->widget()->setMinimumWidth(labelWidth);
        }
        m.textColour->setMinimumWidth(listWidth);
        m.gridColour->setMinimumWidth(listWidth);
    }
}

} // namespace

PreferencesControls BuildPreferencesControls(QDialog &dialog)
{
    PreferencesControls c;
    c.tabs = named(new QTabWidget(&dialog), "PageControl1", QStringLiteral("Preference pages"));
    c.tabs->setUsesScrollButtons(false);
    c.tabs->addTab(generalPage(c), QStringLiteral("General"));

    c.ApplyAllBtn = named(new QPushButton(QStringLiteral("Apply to all grids")), "ApplyAllBtn",
                          QStringLiteral("Apply to all grids"));
    for (const ModeTab &tab : kModeTabs) {
        ModeControls &m = c.modes[static_cast<std::size_t>(tab.mode)];
        QLineEdit *rate = nullptr;
        if (tab.mode == 5) {
            c.FramesMask = rateField("FramesMask", QStringLiteral("Frames rate, frames per second"), 5,
                                     QStringLiteral("[0-9.]"));
            rate = c.FramesMask;
        } else if (tab.mode == 4) {
            c.UserFramesMask = rateField("UserFramesMask", QStringLiteral("User rate, frames per second"), 2,
                                         QStringLiteral("[0-9]"));
            rate = c.UserFramesMask;
        }
        const QString caption = QLatin1String(tab.caption);
        c.tabs->addTab(modePage(m, caption, rate, tab.mode == 0 ? c.ApplyAllBtn : nullptr), caption);
    }

    lineUpModePages(c);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    c.ApplyBtn = named(new QPushButton(QStringLiteral("&Apply"), &dialog), "ApplyBtn", QStringLiteral("Apply"));
    c.OKBtn = named(new QPushButton(QStringLiteral("&OK"), &dialog), "OKBtn", QStringLiteral("OK"));
    c.DefaultBtn = named(new QPushButton(QStringLiteral("&Defaults"), &dialog), "DefaultBtn", QStringLiteral("Defaults"));
    c.CancelBtn = named(new QPushButton(QStringLiteral("&Cancel"), &dialog), "CancelBtn", QStringLiteral("Cancel"));
    for (QPushButton *button : {c.ApplyBtn, c.OKBtn, c.DefaultBtn, c.CancelBtn})
        buttons->addWidget(button);
    c.OKBtn->setDefault(true);

    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(c.tabs);
    layout->addLayout(buttons);
    // A dialog of fixed size that still grows when a longer font description needs the room.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return c;
}

void ShowModeLook(const ModeControls &controls, const QFont &font, const QColor &text, const QColor &background)
{
    QStringList parts{font.family(), QStringLiteral("%1 pt").arg(font.pointSize())};
    if (font.bold())
        parts << QStringLiteral("Bold");
    if (font.italic())
        parts << QStringLiteral("Italic");
    if (font.underline())
        parts << QStringLiteral("Underline");
    if (font.strikeOut())
        parts << QStringLiteral("Strike-out");
    controls.fontText->setText(parts.join(QStringLiteral(", ")));
    controls.sample->setFont(font);
    QPalette palette = controls.sample->palette();
    palette.setColor(QPalette::Window, background.isValid() ? background : palette.color(QPalette::Base));
    palette.setColor(QPalette::WindowText, text);
    controls.sample->setPalette(palette);
}
