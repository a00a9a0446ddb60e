// The about box: a small borderless window with the program's name, icon and version.
#pragma once

#include <QDialog>

class QLabel;

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);

    // The main window sets the version line once, when it is created.
    void setVersionText(const QString &text);
    QString versionText() const;

protected:
    // Any mouse button, anywhere on the box, and any key close it.
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void closeBox();

    QLabel *m_name = nullptr;
    QLabel *m_version = nullptr;
};
