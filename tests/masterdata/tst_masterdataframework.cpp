// The shared master-data behaviour, driven through the plainest member: product categories.
#include "app/modMain.h"
#include "data/modDB.h"
#include "masterdata/frmBC_ProductCategory.h"
#include "tests/masterdata/MasterDataTest.h"
#include "tests/support/Responders.h"
#include "tests/support/TestDatabase.h"

#include <QCheckBox>
#include <QLabel>

using namespace MasterDataTest;

class tst_MasterDataFramework : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_db.reset(); }
    void emptyTableOpensEmpty();
    void opensOnSmallestIdentifierInBrowseMode();
    void ctrlQ_data();
    void ctrlQ();
    void addWithKeyboardAndSave();
    void cancelAfterAddReturnsToTheRecordBefore();
    void saveChecks_data();
    void saveChecks();
    void unchangedNameInModifyIsNoDuplicate();
    void deleteWithoutQuestion();
    void deleteWithNothingShownDoesNothing();
    void nameTakesEightCharacters();

private:
    void addCategories();
    std::unique_ptr<TestDatabase> m_db;
};

void tst_MasterDataFramework::init()
{
    m_db = std::make_unique<TestDatabase>();
}

void tst_MasterDataFramework::addCategories()
{
    m_db->exec(QStringLiteral(
        "INSERT INTO BC_ProductCategory (ProductCategoryID, ProductCategoryName, Note, SortOrder, InActive) VALUES "
        "(7, '根莖類', '', 20, 0), (3, '葉菜類', '綠葉', 10, 1), (9, 'O''Brien', NULL, NULL, 0);"));
}

void tst_MasterDataFramework::emptyTableOpensEmpty()
{
    Responders responders;
    frmBC_ProductCategory window;
    QVERIFY(showActive(window));
    QCOMPARE(window.windowTitle(), QStringLiteral("產品類別代碼： - （瀏覽模式／共 0 筆記錄）"));
    QCOMPARE(text(window, "txtProductCategoryName"), QString());
    QVERIFY(!button(window, "Modify")->isEnabled());
    QVERIFY(!button(window, "Delete")->isEnabled());
    QVERIFY(button(window, "AddNew")->isEnabled());
    press(window, Qt::Key_F2);
    QVERIFY(!window.isEditing());
    QVERIFY(responders.boxes.isEmpty() && responders.reports.isEmpty());
}

void tst_MasterDataFramework::opensOnSmallestIdentifierInBrowseMode()
{
    addCategories();
    Responders responders;
    frmBC_ProductCategory window;
    QVERIFY(showActive(window));
    QCOMPARE(window.windowTitle(), QStringLiteral("產品類別代碼：3 - 葉菜類（瀏覽模式／共 3 筆記錄）"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("sspProductCategoryID"))->text(), QStringLiteral("3"));
    QCOMPARE(text(window, "txtNote"), QStringLiteral("綠葉"));
    QCOMPARE(text(window, "txtSortOrder"), QStringLiteral("10"));
    QVERIFY(window.findChild<QCheckBox *>(QStringLiteral("sscInActive"))->isChecked());
    QCOMPARE(list(window)->currentItem()->text(), QStringLiteral("葉菜類"));
    QVERIFY(!window.findChild<QLineEdit *>(QStringLiteral("txtNote"))->isEnabled());
    QVERIFY(!button(window, "Save")->isEnabled());

    list(window)->setCurrentRow(2); // picking a row loads it
    QCOMPARE(window.windowTitle(), QStringLiteral("產品類別代碼：9 - O'Brien（瀏覽模式／共 3 筆記錄）"));
    QCOMPARE(text(window, "txtSortOrder"), QString());
    QVERIFY(responders.reports.isEmpty());
}

void tst_MasterDataFramework::ctrlQ_data()
{
    QTest::addColumn<int>("modeKey");
    QTest::addColumn<bool>("closes");
    QTest::newRow("browse") << 0 << false;
    QTest::newRow("add") << int(Qt::Key_Insert) << true;
    QTest::newRow("modify") << int(Qt::Key_F2) << true;
}

void tst_MasterDataFramework::ctrlQ()
{
    QFETCH(int, modeKey);
    QFETCH(bool, closes);
    addCategories();
    Responders responders;
    frmBC_ProductCategory window;
    QVERIFY(showActive(window));
    if (modeKey)
        press(window, Qt::Key(modeKey));
    type(window, QStringLiteral("x"));
    press(window, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(window.isVisible(), !closes);
    QVERIFY(responders.boxes.isEmpty());
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT COUNT(*) FROM [BC_ProductCategory] WHERE ProductCategoryName LIKE '%x%'")), 0);
}

void tst_MasterDataFramework::addWithKeyboardAndSave()
{
    addCategories();
    Responders responders;
    frmBC_ProductCategory window;
    QVERIFY(showActive(window));
    press(window, Qt::Key_N, Qt::ControlModifier);
    QVERIFY(window.isAddingNew());
    QCOMPARE(window.windowTitle().right(6), QStringLiteral("（新增模式）"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtProductCategoryName"));
    QCOMPARE(text(window, "txtSortOrder"), QStringLiteral("100"));
    QVERIFY(!list(window)->isEnabled() && !button(window, "AddNew")->isEnabled());
    type(window, QStringLiteral("Roots"));
    press(window, Qt::Key_S, Qt::ControlModifier);

    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.at(0).prompt, QStringLiteral("儲存成功"));
    QCOMPARE(responders.boxes.at(0).title, QStringLiteral("儲存"));
    QVERIFY(!window.isEditing());
    const QString id = modDB::GetString(QStringLiteral("SELECT ProductCategoryID FROM [BC_ProductCategory] WHERE ProductCategoryName = 'Roots' AND SortOrder = 100 AND Note = '' AND InActive = 0"));
    QVERIFY(!id.isEmpty());
    QCOMPARE(list(window)->currentItem()->text(), QStringLiteral("Roots"));
    QCOMPARE(window.windowTitle(), QStringLiteral("產品類別代碼：%1 - Roots（瀏覽模式／共 4 筆記錄）").arg(id));
}

void tst_MasterDataFramework::cancelAfterAddReturnsToTheRecordBefore()
{
    addCategories();
    Responders responders;
    frmBC_ProductCategory window;
    QVERIFY(showActive(window));
    list(window)->setCurrentRow(1);
    press(window, Qt::Key_Insert);
    type(window, QStringLiteral("Temp"));
    press(window, Qt::Key_Escape);
    QVERIFY(window.isVisible() && !window.isEditing());
    QCOMPARE(text(window, "txtProductCategoryName"), QStringLiteral("根莖類"));
    QCOMPARE(list(window)->currentItem()->text(), QStringLiteral("根莖類"));
    QCOMPARE(window.windowTitle(), QStringLiteral("產品類別代碼：7 - 根莖類（瀏覽模式／共 3 筆記錄）"));
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT COUNT(*) FROM [BC_ProductCategory] ")), 3);
    press(window, Qt::Key_Escape); // Esc in browse mode closes
    QVERIFY(!window.isVisible());
}

void tst_MasterDataFramework::saveChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("blank") << "   " << QStringLiteral(" 「產品類別名稱」尚未輸入\r\n\r\n請重新輸入");
    QTest::newRow("duplicate, case ignored") << "o'brien" << QStringLiteral(" 所建檔的「產品類別名稱」已有重複\r\n\r\n請重新輸入");
}

void tst_MasterDataFramework::saveChecks()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    addCategories();
    Responders responders;
    frmBC_ProductCategory window;
    QVERIFY(showActive(window));
    press(window, Qt::Key_Insert);
    type(window, name);
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.at(0).prompt, message);
    QCOMPARE(responders.boxes.at(0).title, QStringLiteral("儲存檢查"));
    QVERIFY(window.isAddingNew());
    QCOMPARE(text(window, "txtProductCategoryName"), name);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtProductCategoryName"));
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT COUNT(*) FROM [BC_ProductCategory] ")), 3);
}

void tst_MasterDataFramework::unchangedNameInModifyIsNoDuplicate()
{
    addCategories();
    Responders responders;
    frmBC_ProductCategory window;
    QVERIFY(showActive(window));
    list(window)->setCurrentRow(2);
    list(window)->setFocus();
    press(window, Qt::Key_Return); // Enter on the list modifies
    QCOMPARE(window.windowTitle(), QStringLiteral("產品類別代碼：9 - O'Brien（修改模式）"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtProductCategoryName"));
    press(window, Qt::Key_Return); // on to the note
    type(window, QStringLiteral("it's"));
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.at(0).prompt, QStringLiteral("儲存成功"));
    QCOMPARE(modDB::GetString(QStringLiteral("SELECT Note FROM [BC_ProductCategory] WHERE ProductCategoryID = 9")),
             QStringLiteral("it's"));
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT SortOrder FROM [BC_ProductCategory] WHERE ProductCategoryID = 9")), 0);
    QCOMPARE(list(window)->currentItem()->text(), QStringLiteral("O'Brien"));
}

void tst_MasterDataFramework::deleteWithoutQuestion()
{
    addCategories();
    Responders responders;
    frmBC_ProductCategory window;
    QVERIFY(showActive(window));
    list(window)->setCurrentRow(1);
    list(window)->setFocus();
    press(window, Qt::Key_Delete);
    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.at(0).prompt, QStringLiteral("已刪除 [7] "));
    QCOMPARE(responders.boxes.at(0).title, QStringLiteral("刪除程序"));
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT COUNT(*) FROM [BC_ProductCategory] ")), 2);
    QCOMPARE(window.windowTitle(), QStringLiteral("產品類別代碼：3 - 葉菜類（瀏覽模式／共 2 筆記錄）"));

    m_db->exec(QStringLiteral("DELETE FROM BC_ProductCategory WHERE ProductCategoryID = 3;"));
    QVERIFY(button(window, "Delete")->isEnabled());
    button(window, "Delete")->trigger(); // removed meanwhile at another workstation
    QCOMPARE(responders.boxes.last().prompt, QStringLiteral("刪除失敗\r\n\r\n無此筆紀錄[ 3 ]"));
}

void tst_MasterDataFramework::deleteWithNothingShownDoesNothing()
{
    Responders responders;
    frmBC_ProductCategory window;
    QVERIFY(showActive(window));
    list(window)->setFocus();
    press(window, Qt::Key_Delete);
    QVERIFY(responders.boxes.isEmpty() && responders.reports.isEmpty());
}

void tst_MasterDataFramework::nameTakesEightCharacters()
{
    Responders responders;
    frmBC_ProductCategory window;
    QVERIFY(showActive(window));
    press(window, Qt::Key_Insert);
    type(window, QStringLiteral("abcdefghi"));
    QCOMPARE(text(window, "txtProductCategoryName"), QStringLiteral("abcdefgh"));
}

QTEST_MAIN(tst_MasterDataFramework)
#include "tst_masterdataframework.moc"
