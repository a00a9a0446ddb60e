// The entry row: the timecode fields with their key programs, the operator list, the percentage and
// frame-number fields, and the captions over them.
#pragma once

#include <QWidget>
#include <cstdint>
#include <string>

#include "engine/logrow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class TimecodeEdit;

// What the entry row needs from the main window.
class EntryHost {
public:
    virtual ~EntryHost() = default;
    virtual void CalculateBtnClick() = 0;
    virtual int activeTab() const = 0;              // the mode of the active tab, 0..5
    virtual std::int64_t calcCount() const = 0;     // logged calculations
    virtual const LogRow *lastRow(int mode) const = 0; // last row of a log; nullptr without calculations
    virtual int labelSet() const = 0;               // 0 "In - Out - Duration", 1 "Out - In - Duration", 2 "TC1 - TC2 - Total"
    virtual bool frameMode() const = 0;             // "Frame Mode" ticked
};

class EntryPanel : public QWidget {
    Q_OBJECT
public:
    explicit EntryPanel(EntryHost &host, QWidget *parent = nullptr);
    ~EntryPanel() override;

    // The controls, named as the window's handlers know them.
    TimecodeEdit *MaskEdit1 = nullptr; // first operand
    TimecodeEdit *MaskEdit2 = nullptr; // second operand
    TimecodeEdit *MaskEdit3 = nullptr; // result, read-only, not in the tab order
    QLineEdit *MaskEdit4 = nullptr;    // percentage, over the first field for "%"
    QLineEdit *FrameIn = nullptr;
    QLineEdit *FrameOut = nullptr;
    QLineEdit *FrameDur = nullptr;
    QComboBox *OperandCombo = nullptr; // "+", "-", "x", "/", "%", "~"
    QLabel *Label1 = nullptr;          // caption over the first field
    QLabel *Label2 = nullptr;          // caption over the second field
    QLabel *Label4 = nullptr;          // caption over the result

    // ":" or ";": the separator of the three timecode fields (their mask); keeps their digits.
    void setFieldSeparator(char separator);
    char fieldSeparator() const;
    // Writes d1 d2 sep d3 d4 sep d5 d6 sep d7 d8 into field 1, 2 or 3, with the separator in force
    // (the window sets it with the tab: setFieldSeparator).
    void LoadEdit(const std::string &digits, int target);
    // The three timecode fields read 00:00:00:00.
    void InitLoads();
    // Frame Mode: the three frame fields shown over the timecode fields, or hidden.
    void setFrameFieldsVisible(bool visible);
    bool frameFieldsVisible() const;
    // Background of every entry control (the active mode's colour).
    void setFieldColour(const QColor &colour);
    // The three captions of the label set, and the label positions (pixels within the panel).
    void setCaptions(const QString &first, const QString &second, const QString &result);
    void setCaptionPositions(int label1Left, int label2Left, int label4Left);
    // Focus a field with its whole text selected. focusFirst and focusSecond take the field shown
    // at that operand's place: MaskEdit1 or MaskEdit2, but the percentage field while it is shown
    // and the frame fields in Frame Mode (a covered field is hidden and takes no focus).
    void focusFirst();
    void focusSecond();
    void focusFrameIn();

    // Recall from the previous calculation into a timecode field (IOPD: the active tab's log) or a
    // number field (IOPDAME: the Frames log), by the letter D, I, O, P or T (either case).
    void IOPD(char key, TimecodeEdit *field);
    void IOPDAME(char key, QLineEdit *field);
    // The operator changed: the percentage field is shown exactly for "%", the first frame field
    // exactly in Frame Mode. Runs on every change of OperandCombo, by the user or by the program.
    void OperandComboChange();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // Text for status panel 0 (the hint of the field under the mouse).
    void statusText(const QString &text);
    // The pointer moved over an entry field other than the result field and the operator list
    // (the window puts its Calculate button back to the normal image).
    void pointerOverField();

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Private;
    Private *d;
};
