// The export window: picks one log and writes it as plain text, with optional headings and descriptions.
#include "documents/exportdialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/dialogseam.h"
#include "documents/documentio.h"
#include "documents/exportformat.h"

namespace {

// The export names its file like any text file, whatever the borrowed save dialog adds for documents.
const QString kExportExtension = QStringLiteral("txt");

template <typename Widget>
Widget *Named(Widget *widget, const QString &objectName, const QString &accessibleName)
{
    widget->setObjectName(objectName);
    widget->setAccessibleName(accessibleName);
    return widget;
}

} // namespace

TExportForm::TExportForm(LogsProvider logs, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_logs(std::move(logs))
{
    setWindowTitle(QStringLiteral("Export"));
    setObjectName(QStringLiteral("ExportForm"));

    GridExport = Named(new QGroupBox(QStringLiteral("Export Format..."), this), QStringLiteral("GridExport"),
                       QStringLiteral("Export Format"));
    GridExportButtons = new QButtonGroup(this);
    auto *formats = new QVBoxLayout(GridExport);
    formats->setSpacing(2);
    const QStringList items = ExportFormatItems();
    for (int mode = 0; mode < items.size(); ++mode) {
        auto *item = Named(new QRadioButton(items.at(mode), GridExport),
                           QStringLiteral("GridExport%1").arg(mode), items.at(mode));
        GridExportButtons->addButton(item, mode);
        formats->addWidget(item);
    }

    DescriptionsChk = Named(new QCheckBox(QStringLiteral("Export Descriptions"), this),
                            QStringLiteral("DescriptionsChk"), QStringLiteral("Export Descriptions"));
    HeadingsChk = Named(new QCheckBox(QStringLiteral("Export Headings"), this), QStringLiteral("HeadingsChk"),
                        QStringLiteral("Export Headings"));
    Label1 = Named(new QLabel(QStringLiteral("Heading"), this), QStringLiteral("Label1"), QStringLiteral("Heading"));
    HeadingEdit = Named(new QLineEdit(this), QStringLiteral("HeadingEdit"), QStringLiteral("Heading"));
    Label2 = Named(new QLabel(QStringLiteral("Subheading"), this), QStringLiteral("Label2"),
                   QStringLiteral("Subheading"));
    SubheadingEdit = Named(new QLineEdit(this), QStringLiteral("SubheadingEdit"), QStringLiteral("Subheading"));
    Label1->setBuddy(HeadingEdit);
    Label2->setBuddy(SubheadingEdit);

    ExportBtn = Named(new QPushButton(QStringLiteral("&Export"), this), QStringLiteral("ExportBtn"),
                      QStringLiteral("Export"));
    CancelBtn = Named(new QPushButton(QStringLiteral("&Cancel"), this), QStringLiteral("CancelBtn"),
                      QStringLiteral("Cancel"));
    ExportBtn->setDefault(true);
    ExportBtn->setAutoDefault(true);
    CancelBtn->setAutoDefault(false);

    auto *options = new QVBoxLayout;
    options->addWidget(DescriptionsChk);
    options->addWidget(HeadingsChk);
    options->addSpacing(4);
    options->addWidget(Label1);
    options->addWidget(HeadingEdit);
    options->addWidget(Label2);
    options->addWidget(SubheadingEdit);
    options->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(GridExport);
    top->addLayout(options, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ExportBtn);
    buttons->addWidget(CancelBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    HeadingEdit->setMinimumWidth(170);

    connect(GridExportButtons, &QButtonGroup::idClicked, this, &TExportForm::GridExportClick);
    connect(GridExportButtons, &QButtonGroup::idToggled, this, &TExportForm::updateExportBtn);
    connect(HeadingsChk, &QCheckBox::toggled, this, &TExportForm::HeadingsChkClick);
    connect(ExportBtn, &QPushButton::clicked, this, &TExportForm::ExportBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    setSettings(ExportSettings{});
}

void TExportForm::setSettings(const ExportSettings &settings)
{
    if (QAbstractButton *item = GridExportButtons->button(settings.radio)) {
        item->setChecked(true);
    } else if (QAbstractButton *checked = GridExportButtons->checkedButton()) {
        GridExportButtons->setExclusive(false);
        checked->setChecked(false);
        GridExportButtons->setExclusive(true);
    }
    DescriptionsChk->setChecked(settings.exportDescriptions);
    HeadingsChk->setChecked(settings.useHead);
    HeadingEdit->setText(settings.heading);
    SubheadingEdit->setText(settings.subheading);
    GreyOutHeadings();
    updateExportBtn();
}

ExportSettings TExportForm::settings() const
{
    ExportSettings settings;
    settings.radio = GridExportButtons->checkedId();
    settings.exportDescriptions = DescriptionsChk->isChecked();
    settings.useHead = HeadingsChk->isChecked();
    settings.heading = HeadingEdit->text();
    settings.subheading = SubheadingEdit->text();
    return settings;
}

void TExportForm::GreyOutHeadings()
{
    const bool on = HeadingsChk->isChecked();
    Label1->setEnabled(on);
    Label2->setEnabled(on);
    HeadingEdit->setEnabled(on);
    SubheadingEdit->setEnabled(on);
}

void TExportForm::GridExportClick()
{
    const int mode = GridExportButtons->checkedId();
    if (mode < 0)
        return;
    const DocumentLogs logs = m_logs();
    SubheadingEdit->setText(ExportSubheading(mode, logs.UserFps, logs.FramesFps));
}

void TExportForm::HeadingsChkClick()
{
    GreyOutHeadings();
}

void TExportForm::ExportBtnClick()
{
    const ExportSettings options = settings();
    if (options.radio >= 0 && options.radio < kModeCount) {
        const QString fileName =
            Dialogs::current().saveFileName(this, QString(), kExportFilter, kExportExtension);
        if (!fileName.isEmpty()) {
            const DocumentLogs logs = m_logs();
            const QByteArray text =
                ExportText(logs.logs[static_cast<std::size_t>(options.radio)], logs.CalcCount, options);
            if (WriteFileReporting(this, fileName, text))
                emit exportCompleted(options);
        }
    }
    accept();
}

void TExportForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *shown = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(shown->availableGeometry().center());
        move(frame.topLeft());
    }
    GreyOutHeadings();
}

void TExportForm::updateExportBtn()
{
    ExportBtn->setEnabled(GridExportButtons->checkedId() >= 0);
}
