// The entry row: its controls, their key programs and key maps, recall, focus rules and layout.
#include "mainwindow/entrypanel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QResizeEvent>
#include <QStyle>

#include "engine/calculation.h"
#include "engine/entry.h"
#include "mainwindow/entrykeys.h"
#include "mainwindow/entrylayout.h"
#include "mainwindow/entrynumberedit.h"
#include "mainwindow/timecodeedit.h"

namespace {

const QString kTimecodeHint = QStringLiteral("Hit 'I, O, P(D,T)' to use previous calculation.");
const QString kPercentHint = QStringLiteral("Enter percent value");
const QString kFrameHint = QStringLiteral("Enter frame value");
const std::string kZeroDigits = "00000000";

constexpr int kFramesMode = static_cast<int>(TimecodeMode::Frames);
constexpr int kResultCell = 4;

void FocusAll(QLineEdit *field)
{
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

bool IsEnterKey(char key)
{
    return key == '\r' || key == '=';
}

} // namespace

struct EntryPanel::Private : QObject {
    Private(EntryPanel &panel, EntryHost &entryHost)
        : q(panel)
        , host(entryHost)
    {
    }

    EntryPanel &q;
    EntryHost &host;
    QLabel *sign = nullptr;
    std::array<int, 3> captionLefts = kDefaultCaptionLefts;
    bool frameFields = false;
    bool arranging = false;

    void build();
    void arrangePlaces();
    EntryRowNeeds measure() const;
    void layout();

    // The field shown at the first operand's place, and at the second's.
    QLineEdit *firstPlace() const;
    QLineEdit *secondPlace() const;
    void focusFirstPlace() { FocusAll(firstPlace()); }
    void focusSecondPlace() { FocusAll(secondPlace()); }

    void setOperator(Operator op) { q.OperandCombo->setCurrentIndex(static_cast<int>(op)); }
    bool percentShown() const { return !q.MaskEdit4->isHidden(); }
    // Runs the window's calculation; true when it was accepted (a new row was logged).
    bool calculate();
    // Cell 4 of the Frames log's last row into FrameIn.
    void takeFramesResult();
    std::optional<int> recallCell(char key, bool percentException) const;

    void runKeyProgram(TimecodeEdit *field, char key);
    void MaskEdit1KeyPress(char key);
    void MaskEdit2KeyPress(char key);
    void OperandComboKeyPress(char key);
    // The number fields: true when the key is taken here and does not reach the field's editing.
    bool MaskEdit4KeyPress(char key);
    bool FrameInKeyPress(char key);
    bool FrameOutKeyPress(char key);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void fieldEntered(QObject *field, Qt::FocusReason reason);
    void pointerOver(QObject *field);
};

EntryPanel::EntryPanel(EntryHost &host, QWidget *parent)
    : QWidget(parent)
    , d(new Private(*this, host))
{
    d->build();
}

EntryPanel::~EntryPanel()
{
    delete d;
}

void EntryPanel::Private::build()
{
    q.setObjectName(QStringLiteral("Panel1"));
    q.setFocusPolicy(Qt::NoFocus);

    auto timecode = [this](const char *name, const QString &accessible) {
        auto *edit = new TimecodeEdit(&q);
        edit->setObjectName(QLatin1String(name));
        edit->setAccessibleName(accessible);
        return edit;
    };
    auto number = [this](const char *name, const QString &accessible, int limit) {
        auto *edit = new EntryNumberEdit(limit, &q);
        edit->setObjectName(QLatin1String(name));
        edit->setAccessibleName(accessible);
        return edit;
    };
    auto caption = [this](const char *name, const QString &text) {
        auto *label = new QLabel(text, &q);
        label->setObjectName(QLatin1String(name));
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        return label;
    };

    q.MaskEdit1 = timecode("MaskEdit1", tr("First timecode"));
    q.MaskEdit2 = timecode("MaskEdit2", tr("Second timecode"));
    q.MaskEdit3 = timecode("MaskEdit3", tr("Result"));
    q.MaskEdit3->setReadOnly(true);
    q.MaskEdit3->setFocusPolicy(Qt::ClickFocus);
    q.MaskEdit3->setSelectAllOnEntry(false);
    q.FrameIn = number("FrameIn", tr("First frame number"), 9);
    q.FrameOut = number("FrameOut", tr("Second frame number"), 9);
    q.FrameDur = number("FrameDur", tr("Result frame count"), 12);
    q.FrameDur->setReadOnly(true);
    q.MaskEdit4 = number("MaskEdit4", tr("Percentage"), 9);

    q.OperandCombo = new QComboBox(&q);
    q.OperandCombo->setObjectName(QStringLiteral("OperandCombo"));
    q.OperandCombo->setAccessibleName(tr("Operator"));
    q.OperandCombo->setEditable(false);
    for (int i = 0; i < kOperatorCount; ++i)
        q.OperandCombo->addItem(QString::fromLatin1(OperatorText(static_cast<Operator>(i))));
    q.OperandCombo->setCurrentIndex(0);

    q.Label1 = caption("Label1", QStringLiteral("Out"));
    q.Label2 = caption("Label2", QStringLiteral("In"));
    q.Label4 = caption("Label4", QStringLiteral("Duration"));
    sign = new QLabel(QStringLiteral("="), &q);
    sign->setObjectName(QStringLiteral("EqualsSign"));
    sign->setAccessibleName(tr("equals"));
    sign->setAlignment(Qt::AlignCenter);
    QFont signFont = sign->font();
    signFont.setBold(true);
    sign->setFont(signFont);

    // The percentage and frame fields share the timecode fields' places (see arrangePlaces).
    q.MaskEdit4->hide();

    QWidget::setTabOrder(q.MaskEdit4, q.FrameIn);
    QWidget::setTabOrder(q.FrameIn, q.MaskEdit1);
    QWidget::setTabOrder(q.MaskEdit1, q.OperandCombo);
    QWidget::setTabOrder(q.OperandCombo, q.FrameOut);
    QWidget::setTabOrder(q.FrameOut, q.MaskEdit2);
    QWidget::setTabOrder(q.MaskEdit2, q.FrameDur);

    connect(q.MaskEdit1, &TimecodeEdit::keyTyped, this, [this](char key) { MaskEdit1KeyPress(key); });
    connect(q.MaskEdit2, &TimecodeEdit::keyTyped, this, [this](char key) { MaskEdit2KeyPress(key); });
    connect(q.OperandCombo, &QComboBox::currentIndexChanged, this, [this] { q.OperandComboChange(); });

    for (QWidget *w : std::initializer_list<QWidget *>{q.MaskEdit1, q.MaskEdit2, q.MaskEdit3, q.MaskEdit4,
                                                       q.FrameIn, q.FrameOut, q.FrameDur}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    q.OperandCombo->installEventFilter(this);
    // The list's own key handling is installed with the view; ours comes after it and so runs first.
    q.OperandCombo->view()->installEventFilter(this);

    q.InitLoads();
    arrangePlaces();
    q.setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout();
}

// --- Places, visibility and layout -------------------------------------------------------------

QLineEdit *EntryPanel::Private::firstPlace() const
{
    if (percentShown())
        return q.MaskEdit4;
    return frameFields ? static_cast<QLineEdit *>(q.FrameIn) : q.MaskEdit1;
}

QLineEdit *EntryPanel::Private::secondPlace() const
{
    return frameFields ? static_cast<QLineEdit *>(q.FrameOut) : q.MaskEdit2;
}

void EntryPanel::Private::arrangePlaces()
{
    // A field covered by another is hidden, so that it can neither be seen nor take the focus.
    if (arranging)
        return;
    arranging = true;
    const bool percent = percentShown();
    q.FrameIn->setVisible(frameFields && !percent);
    q.MaskEdit1->setVisible(!frameFields && !percent);
    q.FrameOut->setVisible(frameFields);
    q.MaskEdit2->setVisible(!frameFields);
    q.FrameDur->setVisible(frameFields);
    q.MaskEdit3->setVisible(!frameFields);
    arranging = false;
}

EntryRowNeeds EntryPanel::Private::measure() const
{
    EntryRowNeeds needs;
    const QFontMetrics fm = q.MaskEdit1->fontMetrics();
    // The text, the field's inner margins and frame, and room for the caret.
    const int frame = q.MaskEdit1->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, q.MaskEdit1);
    const QMargins text = q.MaskEdit1->textMargins();
    needs.field = fm.horizontalAdvance(QStringLiteral("00:00:00:00")) + 2 * 2 + 2 * frame + text.left()
                  + text.right() + 4;
    needs.fieldHeight = std::max({q.MaskEdit1->sizeHint().height(), q.FrameIn->sizeHint().height(),
                                  q.OperandCombo->minimumSizeHint().height()});
    needs.combo = q.OperandCombo->minimumSizeHint().width();
    needs.sign = sign->sizeHint().width() + 6;
    needs.captionHeight = std::max({q.Label1->sizeHint().height(), q.Label2->sizeHint().height(),
                                    q.Label4->sizeHint().height()});
    needs.captionWidths = {q.Label1->sizeHint().width(), q.Label2->sizeHint().width(), q.Label4->sizeHint().width()};
    return needs;
}

void EntryPanel::Private::layout()
{
    const EntryRowGeometry g = LayoutEntryRow(q.width(), measure(), captionLefts);
    for (QWidget *w : std::initializer_list<QWidget *>{q.MaskEdit1, q.MaskEdit4, q.FrameIn})
        w->setGeometry(g.first);
    q.OperandCombo->setGeometry(g.combo);
    q.MaskEdit2->setGeometry(g.second);
    q.FrameOut->setGeometry(g.second);
    sign->setGeometry(g.sign);
    q.MaskEdit3->setGeometry(g.result);
    q.FrameDur->setGeometry(g.result);
    q.Label1->setGeometry(g.captions[0]);
    q.Label2->setGeometry(g.captions[1]);
    q.Label4->setGeometry(g.captions[2]);
}

QSize EntryPanel::sizeHint() const
{
    return EntryRowSizeHint(d->measure());
}

QSize EntryPanel::minimumSizeHint() const
{
    return EntryRowMinimumSize(d->measure());
}

void EntryPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    d->layout();
}

bool EntryPanel::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        updateGeometry();
        d->layout();
    }
    return handled;
}

// --- Fields set by the window ------------------------------------------------------------------

void EntryPanel::setFieldSeparator(char separator)
{
    for (TimecodeEdit *field : {MaskEdit1, MaskEdit2, MaskEdit3})
        field->setFieldSeparator(separator);
}

char EntryPanel::fieldSeparator() const
{
    return MaskEdit1->fieldSeparator();
}

void EntryPanel::LoadEdit(const std::string &digits, int target)
{
    TimecodeEdit *field = target == 1 ? MaskEdit1 : target == 2 ? MaskEdit2 : target == 3 ? MaskEdit3 : nullptr;
    if (!field)
        return;
    std::array<char, 8> eight;
    eight.fill('0');
    std::copy_n(digits.begin(), std::min(digits.size(), eight.size()), eight.begin());
    field->setText(QString::fromStdString(EntryText(eight, fieldSeparator())));
}

void EntryPanel::InitLoads()
{
    for (int target : {1, 2, 3})
        LoadEdit(kZeroDigits, target);
}

void EntryPanel::setFrameFieldsVisible(bool visible)
{
    d->frameFields = visible;
    d->arrangePlaces();
}

bool EntryPanel::frameFieldsVisible() const
{
    return d->frameFields;
}

void EntryPanel::setFieldColour(const QColor &colour)
{
    const QList<QWidget *> fields{MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4, OperandCombo, FrameIn, FrameOut, FrameDur};
    for (QWidget *field : fields) {
        QPalette palette; // nothing set: the field follows the window's palette
        if (colour.isValid()) {
            // The text keeps to black or white, whichever stands out on the colour.
            const QColor text = colour.lightnessF() < 0.5 ? QColor(Qt::white) : QColor(Qt::black);
            for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
                palette.setColor(role, colour);
            for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
                palette.setColor(role, text);
        }
        field->setPalette(palette);
    }
}

void EntryPanel::setCaptions(const QString &first, const QString &second, const QString &result)
{
    Label1->setText(first);
    Label2->setText(second);
    Label4->setText(result);
    // A screen reader names each field's caption with the field.
    for (QWidget *field : std::initializer_list<QWidget *>{MaskEdit1, MaskEdit4, FrameIn})
        field->setAccessibleDescription(first);
    for (QWidget *field : std::initializer_list<QWidget *>{MaskEdit2, FrameOut})
        field->setAccessibleDescription(second);
    for (QWidget *field : std::initializer_list<QWidget *>{MaskEdit3, FrameDur})
        field->setAccessibleDescription(result);
    updateGeometry();
    d->layout();
}

void EntryPanel::setCaptionPositions(int label1Left, int label2Left, int label4Left)
{
    d->captionLefts = {label1Left, label2Left, label4Left};
    d->layout();
}

void EntryPanel::focusFirst()
{
    d->focusFirstPlace();
}

void EntryPanel::focusSecond()
{
    d->focusSecondPlace();
}

void EntryPanel::focusFrameIn()
{
    if (FrameIn->isHidden()) {
        FrameIn->selectAll();
        d->focusFirstPlace();
        return;
    }
    FocusAll(FrameIn);
}

void EntryPanel::OperandComboChange()
{
    MaskEdit4->setVisible(OperandCombo->currentIndex() == static_cast<int>(Operator::Percent));
    setFrameFieldsVisible(d->host.frameMode());
}

// --- Calculation and recall ------------------------------------------------------------------

bool EntryPanel::Private::calculate()
{
    const std::int64_t before = host.calcCount();
    host.CalculateBtnClick();
    return host.calcCount() > before;
}

void EntryPanel::Private::takeFramesResult()
{
    if (const LogRow *row = host.lastRow(kFramesMode))
        q.FrameIn->setText(QString::fromStdString((*row)[kResultCell]));
}

std::optional<int> EntryPanel::Private::recallCell(char key, bool percentException) const
{
    switch (key) {
    case 'D': case 'd':
    case 'P': case 'p':
    case 'T': case 't':
        return kResultCell;
    default:
        break;
    }
    // After a percentage the first value of the row is the percent, not a timecode.
    const LogRow *first = percentException ? host.lastRow(0) : nullptr;
    const bool percentRow = first && (*first)[1] == OperatorText(Operator::Percent);
    const bool outIn = host.labelSet() == 1;
    const bool firstValue = (key == 'I' || key == 'i') ? !outIn : outIn;
    if (!firstValue)
        return 2;
    if (percentRow)
        return std::nullopt;
    return 0;
}

void EntryPanel::IOPD(char key, TimecodeEdit *field)
{
    if (d->host.calcCount() <= 0)
        return;
    const int tab = d->host.activeTab();
    if (tab != kFramesMode) {
        const LogRow *row = d->host.lastRow(tab);
        if (const auto cell = d->recallCell(key, true); row && cell)
            field->setText(QString::fromStdString((*row)[static_cast<std::size_t>(*cell)]));
    }
    FocusAll(field);
}

void EntryPanel::IOPDAME(char key, QLineEdit *field)
{
    if (d->host.calcCount() <= 0)
        return;
    const LogRow *row = d->host.lastRow(kFramesMode);
    if (const auto cell = d->recallCell(key, false); row && cell)
        field->setText(QString::fromStdString((*row)[static_cast<std::size_t>(*cell)]));
    field->selectAll();
}

// --- Key programs and key maps ---------------------------------------------------------------

void EntryPanel::Private::runKeyProgram(TimecodeEdit *field, char key)
{
    // Every key starts a new result: the result field reads zero.
    q.LoadEdit(kZeroDigits, 3);
    field->setEntryField(TypeKey(field->entryField(), key));
}

void EntryPanel::Private::MaskEdit1KeyPress(char key)
{
    runKeyProgram(q.MaskEdit1, key);
    if (const auto op = OperatorKey(key)) {
        setOperator(*op);
        focusSecondPlace();
    } else if (key == '%') {
        setOperator(Operator::Percent);
        q.MaskEdit4->show();
        FocusAll(q.MaskEdit4);
    } else if (IsEnterKey(key)) {
        calculate();
    } else if (key == ' ') {
        q.OperandCombo->setFocus(Qt::OtherFocusReason);
    } else if (IsRecallKey(key)) {
        q.IOPD(key, q.MaskEdit1);
    }
}

void EntryPanel::Private::MaskEdit2KeyPress(char key)
{
    runKeyProgram(q.MaskEdit2, key);
    if (const auto op = OperatorKey(key)) {
        // A chained calculation with the new operator; its result becomes the first value.
        setOperator(*op);
        if (calculate()) {
            q.MaskEdit1->setText(q.MaskEdit3->text());
            focusSecondPlace();
        }
    } else if (key == '%') {
        setOperator(Operator::Percent);
        q.MaskEdit4->show();
        FocusAll(q.MaskEdit4);
    } else if (IsEnterKey(key) || key == ' ') {
        calculate();
    } else if (IsRecallKey(key)) {
        q.IOPD(key, q.MaskEdit2);
    }
}

void EntryPanel::Private::OperandComboKeyPress(char key)
{
    if (const auto op = OperatorKey(key)) {
        setOperator(*op);
        focusSecondPlace();
    } else if (key == '%') {
        const bool shown = percentShown();
        setOperator(Operator::Percent);
        if (shown) {
            focusSecondPlace();
        } else {
            q.MaskEdit4->show();
            FocusAll(q.MaskEdit4);
        }
    } else if (IsEnterKey(key)) {
        if (calculate())
            focusFirstPlace();
    } else {
        // Every other key stands for "+".
        setOperator(Operator::Add);
        focusSecondPlace();
    }
}

bool EntryPanel::Private::MaskEdit4KeyPress(char key)
{
    if (IsDigit(key) || key == '.' || key == '\b')
        return false;
    if (const auto op = OperatorKey(key)) {
        setOperator(*op);
        q.MaskEdit4->hide();
        focusFirstPlace();
    } else if (key == '%' || key == ' ') {
        focusSecondPlace();
    } else if (IsEnterKey(key)) {
        calculate();
    } else if (IsRecallKey(key)) {
        q.IOPDAME(key, q.MaskEdit4);
    }
    return true;
}

bool EntryPanel::Private::FrameInKeyPress(char key)
{
    q.FrameDur->setText(QStringLiteral("0"));
    if (IsDigit(key) || key == '\b')
        return false;
    if (const auto op = OperatorKey(key)) {
        setOperator(*op);
        q.MaskEdit4->hide();
        FocusAll(q.FrameOut);
    } else if (key == ' ') {
        q.MaskEdit4->hide();
        FocusAll(q.FrameOut);
    } else if (IsEnterKey(key)) {
        calculate();
    } else if (IsRecallKey(key)) {
        q.IOPDAME(key, q.FrameIn);
    }
    return true;
}

bool EntryPanel::Private::FrameOutKeyPress(char key)
{
    q.FrameDur->setText(QStringLiteral("0"));
    if (IsDigit(key) || key == '\b')
        return false;
    const auto op = OperatorKey(key);
    if (op || key == ' ') {
        // A chained calculation with the operator in force; its result becomes the first value.
        if (calculate()) {
            if (op)
                setOperator(*op);
            q.MaskEdit4->hide();
            takeFramesResult();
            FocusAll(q.FrameOut);
        }
    } else if (IsEnterKey(key)) {
        calculate();
    } else if (IsRecallKey(key)) {
        q.IOPDAME(key, q.FrameOut);
    }
    return true;
}

// --- Events of the controls --------------------------------------------------------------------

bool EntryPanel::Private::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto key = TypedCharacter(*static_cast<QKeyEvent *>(event));
        if (!key)
            return false;
        if (watched == q.OperandCombo) {
            OperandComboKeyPress(*key);
            return true;
        }
        if (watched == q.OperandCombo->view()) {
            // The open list keeps Enter and Escape to choose or close; every other key acts as in
            // the closed list.
            if (*key == '\r' || *key == '\x1b')
                return false;
            q.OperandCombo->hidePopup();
            OperandComboKeyPress(*key);
            return true;
        }
        if (watched == q.MaskEdit4)
            return MaskEdit4KeyPress(*key);
        if (watched == q.FrameIn)
            return FrameInKeyPress(*key);
        if (watched == q.FrameOut)
            return FrameOutKeyPress(*key);
        return false;
    }
    case QEvent::FocusIn:
        fieldEntered(watched, static_cast<QFocusEvent *>(event)->reason());
        return false;
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (watched == q.MaskEdit4)
            arrangePlaces();
        return false;
    case QEvent::Enter:
    case QEvent::MouseMove:
        pointerOver(watched);
        return false;
    default:
        return false;
    }
}

void EntryPanel::Private::fieldEntered(QObject *field, Qt::FocusReason reason)
{
    // Focus that only comes back (window activation, a closed menu) is no entry.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    if (field == q.MaskEdit4)
        q.MaskEdit1->selectAll();
    else if (field == q.FrameIn || field == q.FrameOut)
        static_cast<QLineEdit *>(field)->selectAll();
}

void EntryPanel::Private::pointerOver(QObject *field)
{
    if (field == q.MaskEdit3)
        return;
    Q_EMIT q.pointerOverField();
    if (field == q.MaskEdit1 || field == q.MaskEdit2)
        Q_EMIT q.statusText(kTimecodeHint);
    else if (field == q.MaskEdit4)
        Q_EMIT q.statusText(kPercentHint);
    else if (field == q.FrameIn || field == q.FrameOut)
        Q_EMIT q.statusText(kFrameHint);
}
