// The log model (checked by QAbstractItemModelTester while it grows, is edited, emptied and
// replaced) and the cell editor it gives each log.
#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyleOptionViewItem>
#include <QTest>

#include "mainwindow/logdelegate.h"
#include "mainwindow/logmodel.h"

namespace {

LogRow row(const std::string &first, const std::string &result)
{
    return {first, "+", "00:00:05:00", "=", result, "", ""};
}

} // namespace

class TestLogModel : public QObject {
    Q_OBJECT

private slots:
    void showsOneEmptyRowWhileEmpty();
    void appendsRowsAtTheEnd();
    void eraseAllLeavesOneEmptyRow();
    void replacesEveryRowAtOnce();
    void editsOnlyInEditMode();
    void editingReportsTheCell();
    void auxiliaryCellIsNeverEdited();
    void editorLimitsWhatIsTyped();

private:
    // Every change of the model is checked against the model contract as it happens.
    static void watch(LogModel &model)
    {
        new QAbstractItemModelTester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest, &model);
    }
};

void TestLogModel::showsOneEmptyRowWhileEmpty()
{
    LogModel model;
    watch(model);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.columnCount(), 7);
    QCOMPARE(model.count(), 0);
    QVERIFY(model.lastRow() == nullptr);
    for (int column = 0; column < 7; ++column)
        QCOMPARE(model.data(model.index(0, column)).toString(), QString());
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
}

void TestLogModel::appendsRowsAtTheEnd()
{
    LogModel model;
    watch(model);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    model.appendRow(row("00:00:10:00", "00:00:15:00"));
    // The empty row on show becomes the first row: the view keeps one row.
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(model.data(model.index(0, 4)).toString(), QStringLiteral("00:00:15:00"));

    model.appendRow(row("00:00:20:00", "00:00:25:00"));
    model.appendRow(row("00:00:30:00", "00:00:35:00"));
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.count(), 3);
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(inserted.last().at(1).toInt(), 2);
    QCOMPARE(inserted.last().at(2).toInt(), 2);
    QCOMPARE(model.data(model.index(2, 0)).toString(), QStringLiteral("00:00:30:00"));
    QCOMPARE((*model.lastRow())[4], std::string("00:00:35:00"));
    QCOMPARE(model.cell(1, 1), QStringLiteral("+"));
    QCOMPARE(model.cell(3, 1), QString());
    QCOMPARE(model.cell(-1, 1), QString());
}

void TestLogModel::eraseAllLeavesOneEmptyRow()
{
    LogModel model;
    watch(model);
    for (int i = 0; i < 4; ++i)
        model.appendRow(row("00:00:10:00", "00:00:15:00"));
    model.EraseAll();
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.count(), 0);
    QCOMPARE(model.data(model.index(0, 0)).toString(), QString());
    // It grows again from the empty row.
    model.appendRow(row("00:00:01:00", "00:00:06:00"));
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.cell(0, 0), QStringLiteral("00:00:01:00"));
}

void TestLogModel::replacesEveryRowAtOnce()
{
    LogModel model;
    watch(model);
    model.appendRow(row("00:00:10:00", "00:00:15:00"));
    const LogRows opened{row("01:00:00:00", "01:00:05:00"), row("02:00:00:00", "02:00:05:00")};
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.setRows(opened);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.rows(), opened);
    model.setRows({});
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.count(), 0);
}

void TestLogModel::editsOnlyInEditMode()
{
    LogModel model;
    watch(model);
    model.appendRow(row("00:00:10:00", "00:00:15:00"));
    const QModelIndex description = model.index(0, 6);
    QVERIFY(!(model.flags(description) & Qt::ItemIsEditable));
    QVERIFY(!model.setData(description, QStringLiteral("Scene 4")));
    QCOMPARE(model.cell(0, 6), QString());

    model.setEditable(true);
    QVERIFY(model.flags(description) & Qt::ItemIsEditable);
    QVERIFY(model.setData(description, QStringLiteral("Scene 4")));
    QCOMPARE(model.cell(0, 6), QStringLiteral("Scene 4"));
    QVERIFY(!model.setData(description, QStringLiteral("x"), Qt::DisplayRole));

    model.setEditable(false);
    QVERIFY(!model.setData(description, QStringLiteral("Scene 5")));
    QCOMPARE(model.cell(0, 6), QStringLiteral("Scene 4"));
}

void TestLogModel::auxiliaryCellIsNeverEdited()
{
    // A document keeps every cell but the auxiliary one, so only that one refuses an edit.
    LogModel model;
    watch(model);
    model.appendRow(row("00:00:10:00", "00:00:15:00"));
    model.setEditable(true);
    for (int column = 0; column < 7; ++column) {
        const QModelIndex cell = model.index(0, column);
        const bool editable = column != 5;
        QCOMPARE(bool(model.flags(cell) & Qt::ItemIsEditable), editable);
        QCOMPARE(model.setData(cell, QStringLiteral("x")), editable);
        QCOMPARE(model.cell(0, column), editable ? QStringLiteral("x") : QString());
    }
}

void TestLogModel::editingReportsTheCell()
{
    LogModel model;
    watch(model);
    model.appendRow(row("00:00:10:00", "00:00:15:00"));
    model.appendRow(row("00:00:20:00", "00:00:25:00"));
    model.setEditable(true);
    QSignalSpy edited(&model, &LogModel::cellEdited);
    QVERIFY(model.setData(model.index(1, 4), QStringLiteral("00:00:26:00")));
    QCOMPARE(edited.count(), 1);
    QCOMPARE(edited.at(0).at(0).toInt(), 1);
    QCOMPARE(edited.at(0).at(1).toInt(), 4);
    // The same text again is no edit.
    QVERIFY(model.setData(model.index(1, 4), QStringLiteral("00:00:26:00")));
    QCOMPARE(edited.count(), 1);
}

void TestLogModel::editorLimitsWhatIsTyped()
{
    LogModel model;
    model.appendRow(row("00:00:10:00", "00:00:15:00"));
    model.setEditable(true);
    LogCellDelegate delegate;
    QWidget parent;

    std::unique_ptr<QWidget> valueEditor(delegate.createEditor(&parent, QStyleOptionViewItem(), model.index(0, 0)));
    auto *value = qobject_cast<QLineEdit *>(valueEditor.get());
    QVERIFY(value);
    QCOMPARE(value->maxLength(), 20);
    value->clear();
    QTest::keyClicks(value, QStringLiteral("01 02"));
    QCOMPARE(value->text(), QStringLiteral("0102"));

    std::unique_ptr<QWidget> descriptionEditor(delegate.createEditor(&parent, QStyleOptionViewItem(), model.index(0, 6)));
    auto *description = qobject_cast<QLineEdit *>(descriptionEditor.get());
    QVERIFY(description);
    QCOMPARE(description->maxLength(), 100);
    QTest::keyClicks(description, QStringLiteral("Scene 4"));
    delegate.setModelData(description, &model, model.index(0, 6));
    QCOMPARE(model.cell(0, 6), QStringLiteral("Scene 4"));

    // A text put in past the validator is not stored either.
    description->setText(QStringLiteral("Scene\n5"));
    delegate.setModelData(description, &model, model.index(0, 6));
    QCOMPARE(model.cell(0, 6), QStringLiteral("Scene 4"));
    value->setText(QStringLiteral("01 02"));
    delegate.setModelData(value, &model, model.index(0, 0));
    QCOMPARE(model.cell(0, 0), QStringLiteral("00:00:10:00"));
}

QTEST_MAIN(TestLogModel)
#include "tst_logmodel.moc"
