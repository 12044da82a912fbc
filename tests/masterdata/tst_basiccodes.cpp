// Measurement units and document item notes: where they depart from the shared pattern.
#include "data/modDB.h"
#include "masterdata/frmBC_MeasurementUnit.h"
#include "masterdata/frmBC_OrderItemNote.h"
#include "tests/masterdata/MasterDataTest.h"
#include "tests/support/Responders.h"
#include "tests/support/TestDatabase.h"
#include "ui/MsgBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

using namespace MasterDataTest;

class tst_BasicCodes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_db = std::make_unique<TestDatabase>(); }
    void cleanup() { m_db.reset(); }
    void unitsOpenOnTheFirstCustomUnit();
    void unitsWithoutCustomUnitOpenEmpty();
    void weighingUnitKeepsNameAndCantBeDeleted();
    void customUnitDeletedAfterYes();
    void newUnitIsACustomUnitAtSortOrder100();
    void notesCaptionHasNoCount();
    void newNoteKeepsSortOrderAndFlags();

private:
    std::unique_ptr<TestDatabase> m_db;
};

namespace {

bool enabled(QWidget &window, const char *name)
{
    return window.findChild<QWidget *>(QLatin1String(name))->isEnabled();
}

void selectListText(QWidget &window, const QString &text)
{
    list(window)->setCurrentItem(list(window)->findItems(text, Qt::MatchExactly).first());
}

} // namespace

void tst_BasicCodes::unitsOpenOnTheFirstCustomUnit()
{
    Responders responders;
    frmBC_MeasurementUnit window;
    QVERIFY(showActive(window));
    QCOMPARE(window.windowTitle(), QStringLiteral("計量單位：10 - 箱（瀏覽模式／共 10 筆紀錄）"));
    QCOMPARE(list(window)->item(0)->data(Qt::UserRole).toString().toInt() < 10, true); // weighing units first
    QCOMPARE(list(window)->currentItem()->text(), QStringLiteral("箱"));
    QVERIFY(button(window, "Delete")->isEnabled());
}

void tst_BasicCodes::unitsWithoutCustomUnitOpenEmpty()
{
    m_db->exec(QStringLiteral("DELETE FROM BC_MeasurementUnit WHERE SystemWeightUnit = 0;"));
    Responders responders;
    frmBC_MeasurementUnit window;
    QVERIFY(showActive(window));
    QCOMPARE(text(window, "txtMeasurementUnitName"), QString());
    QCOMPARE(window.windowTitle(), QStringLiteral("計量單位： - （瀏覽模式／共 5 筆紀錄）"));
    QVERIFY(responders.reports.isEmpty());
}

void tst_BasicCodes::weighingUnitKeepsNameAndCantBeDeleted()
{
    Responders responders;
    frmBC_MeasurementUnit window;
    QVERIFY(showActive(window));
    selectListText(window, QStringLiteral("台斤"));
    QVERIFY(window.findChild<QCheckBox *>(QStringLiteral("sscUnitWeight"))->isChecked());
    QVERIFY(!button(window, "Delete")->isEnabled());
    list(window)->setFocus();
    press(window, Qt::Key_Delete);
    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.at(0).prompt, QStringLiteral("此為系統秤重單位，不允許刪除"));
    QCOMPARE(responders.boxes.at(0).title, QStringLiteral("刪除錯誤"));

    press(window, Qt::Key_F2);
    QVERIFY(window.isEditing());
    for (const char *locked : {"txtMeasurementUnitName", "txtMeasurementUnitName_Label", "sscInActive",
                               "sscInActive_Label", "sscUnitWeight", "sscSystemDefault"})
        QVERIFY2(!enabled(window, locked), locked);
    for (const char *open : {"txtSortOrder", "cmbRoundLength", "txtNote"})
        QVERIFY2(enabled(window, open), open);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtSortOrder"));
    window.findChild<QLineEdit *>(QStringLiteral("txtSortOrder"))->setText(QStringLiteral("7"));
    window.findChild<QComboBox *>(QStringLiteral("cmbRoundLength"))->setCurrentText(QStringLiteral("-1"));
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.boxes.last().prompt, QStringLiteral("儲存成功"));
    QCOMPARE(modDB::GetString(QStringLiteral("SELECT MeasurementUnitName + '|' + CAST(SortOrder AS VARCHAR) + '|' + CAST(RoundLength AS VARCHAR) + '|' + CAST(SystemDefaultUnit AS VARCHAR) FROM [BC_MeasurementUnit] WHERE MeasurementUnitID = 5")),
             QStringLiteral("台斤|7|-1|1"));
}

void tst_BasicCodes::customUnitDeletedAfterYes()
{
    Responders responders;
    frmBC_MeasurementUnit window;
    QVERIFY(showActive(window));
    responders.boxAnswers = {modUI::AnswerNo};
    button(window, "Delete")->trigger();
    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.at(0).prompt, QString());
    QCOMPARE(responders.boxes.at(0).title, QStringLiteral("是否刪除"));
    QCOMPARE(responders.boxes.at(0).style, modUI::YesNo | modUI::Question | modUI::DefaultButton2);
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT COUNT(*) FROM [BC_MeasurementUnit] WHERE MeasurementUnitID = 10")), 1);

    responders.boxAnswers = {modUI::AnswerYes};
    button(window, "Delete")->trigger();
    QCOMPARE(responders.boxes.last().prompt, QStringLiteral("已刪除 [10] "));
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT COUNT(*) FROM [BC_MeasurementUnit] WHERE MeasurementUnitID = 10")), 0);
    QCOMPARE(window.windowTitle(), QStringLiteral("計量單位：11 - 包（瀏覽模式／共 9 筆紀錄）"));
}

void tst_BasicCodes::newUnitIsACustomUnitAtSortOrder100()
{
    Responders responders;
    frmBC_MeasurementUnit window;
    QVERIFY(showActive(window));
    press(window, Qt::Key_Insert);
    QCOMPARE(text(window, "txtSortOrder"), QStringLiteral("100"));
    QVERIFY(!enabled(window, "sscUnitWeight") && !enabled(window, "sscSystemDefault_Label"));
    type(window, QStringLiteral("bag"));
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.boxes.last().prompt, QStringLiteral("儲存成功"));
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT COUNT(*) FROM [BC_MeasurementUnit] WHERE MeasurementUnitName = 'BAG' AND SortOrder = 100 AND SystemWeightUnit = 0 AND SystemDefaultUnit = 0")), 1);

    press(window, Qt::Key_Insert); // a second one of the same name is refused
    type(window, QStringLiteral("bag"));
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.boxes.last().prompt, QStringLiteral(" 所建檔的「計量單位」已有重複\r\n\r\n請重新輸入"));
}

void tst_BasicCodes::notesCaptionHasNoCount()
{
    m_db->exec(QStringLiteral("INSERT INTO BC_OrderItemNote (OrderItemNoteID, OrderItemNote, SortOrder) VALUES (4, '去頭', 5), (2, '切塊', 9);"));
    Responders responders;
    frmBC_OrderItemNote window;
    QVERIFY(showActive(window));
    QCOMPARE(window.windowTitle(), QStringLiteral("單據品項備註：2 - 切塊（瀏覽模式）"));
}

void tst_BasicCodes::newNoteKeepsSortOrderAndFlags()
{
    m_db->exec(QStringLiteral("INSERT INTO BC_OrderItemNote (OrderItemNote, SortOrder, InActiveInStock, InActiveOutOrder) VALUES ('去頭', 5, 1, 0);"));
    Responders responders;
    frmBC_OrderItemNote window;
    QVERIFY(showActive(window));
    press(window, Qt::Key_Insert);
    QCOMPARE(text(window, "txtOrderItemNote"), QString());
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("sspOrderItemNoteID"))->text(), QString());
    QCOMPARE(text(window, "txtSortOrder"), QStringLiteral("5"));
    QVERIFY(window.findChild<QCheckBox *>(QStringLiteral("sscInActiveInStock"))->isChecked());
    type(window, QStringLiteral("x"));
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT COUNT(*) FROM [BC_OrderItemNote] WHERE OrderItemNote = 'X' AND SortOrder = 5 AND InActiveInStock = 1 AND InActiveOutOrder = 0")), 1);
    QCOMPARE(window.windowTitle(), QStringLiteral("單據品項備註：2 - X（瀏覽模式）"));
}

QTEST_MAIN(tst_BasicCodes)
#include "tst_basiccodes.moc"
