// The export window: picks one log and writes it as plain text, with optional headings and descriptions.
#pragma once

#include <QDialog>
#include <functional>

#include "documents/document.h"
#include "settings/settings.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

class TExportForm final : public QDialog {
    Q_OBJECT

public:
    // `logs` is asked for the logs and rates each time they are needed (a format click, an export).
    using LogsProvider = std::function<DocumentLogs()>;

    explicit TExportForm(LogsProvider logs, QWidget *parent = nullptr);

    // The "Export" settings shown in the controls. A format index outside 0..5 leaves no format chosen,
    // and "&Export" stays disabled until one is.
    void setSettings(const ExportSettings &settings);
    ExportSettings settings() const;

    void GreyOutHeadings();
    void GridExportClick();
    void HeadingsChkClick();
    // Asks for a file name (the save dialog with the text filter), writes the chosen log, and closes
    // the window whether or not a file was written.
    void ExportBtnClick();

    // The controls, by their names in the program.
    QGroupBox *GridExport = nullptr;
    QButtonGroup *GridExportButtons = nullptr; // the six items, ids 0..5
    QCheckBox *DescriptionsChk = nullptr;
    QCheckBox *HeadingsChk = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *HeadingEdit = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *SubheadingEdit = nullptr;
    QPushButton *ExportBtn = nullptr;
    QPushButton *CancelBtn = nullptr;

signals:
    // After each completed export (the file written), with the settings it used, for the store.
    void exportCompleted(const ExportSettings &settings);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void updateExportBtn();

    LogsProvider m_logs;
};
