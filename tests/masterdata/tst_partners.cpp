// Suppliers and customers: typed fixed-length codes, the combos documents take over, the
// short name filled from the name.
#include "app/modMain.h"
#include "data/modDB.h"
#include "masterdata/frmBF_Customer.h"
#include "masterdata/frmBF_Supplier.h"
#include "tests/masterdata/MasterDataTest.h"
#include "tests/support/Responders.h"
#include "tests/support/TestDatabase.h"

#include <QComboBox>

using namespace MasterDataTest;

class tst_Partners : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_db.reset(); }
    void supplierChecks_data();
    void supplierChecks();
    void newSupplierStartsFromDefaults();
    void modifyingKeepsCodeAndName();
    void supplierDeleteNamesTheSupplier();
    void customerCodeLength();
    void newCustomerIsStored();
    void existingCustomerCodeFailsInTheSave();

private:
    std::unique_ptr<TestDatabase> m_db;
};

namespace {

QComboBox *combo(QWidget &window, const char *name) { return window.findChild<QComboBox *>(QLatin1String(name)); }

void setText(QWidget &window, const char *name, const QString &text)
{
    window.findChild<QLineEdit *>(QLatin1String(name))->setText(text);
}

} // namespace

void tst_Partners::init()
{
    m_db = std::make_unique<TestDatabase>();
    m_db->exec(QStringLiteral(
        "INSERT INTO BF_SelfCompanyTitle (SelfCompanyID, CompanyName, SystemDefault) VALUES (1, '綠野', 0), (2, '青山', 1);"
        "INSERT INTO BF_Supplier (SupplierID, SupplierName, CompanyVAT, PaymentTypeID, MeasurementUnitID, SelfCompanyTitleID, Note) "
        "VALUES ('S001', '西螺菜農', '12345678', 4, 1, 1, '週一休'), ('S002', '永靖果園', '', 1, 5, 1, '');"
        "INSERT INTO BF_Customer (CustomerID, CustomerName, PaymentTypeID, MeasurementUnitID, SelfCompanyTitleID) "
        "VALUES ('C0A1', '好味餐廳', 4, 5, 2);"));
    modMain::FixedLengthSupplierID = 4;
    modMain::FixedLengthCustomerID = 4;
    modMain::SystemDefaultUnitID = 5;
    modMain::IdUserLogin = QStringLiteral("ANN");
}

void tst_Partners::supplierChecks_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("payment");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("empty code") << "" << "新農場" << 1
        << QStringLiteral("「廠商代碼：  」長度設定不正確\r\n\r\n系統限制廠商代碼長度固定為 4 碼") << "txtSupplierID";
    QTest::newRow("code in use") << "s001" << "新農場" << 1
        << QStringLiteral("「廠商代碼： S001 」已有重複\r\n\r\n廠商名稱：西螺菜農") << "txtSupplierID";
    QTest::newRow("no name") << "S009" << "  " << 1 << QStringLiteral("「廠商名稱」尚未輸入\r\n\r\n請重新輸入") << "txtSupplierName";
    QTest::newRow("name in use") << "S009" << " 永靖果園" << 1
        << QStringLiteral(" 「供應廠商名稱： 永靖果園 」已有重複\r\n\r\n請重新輸入") << "txtSupplierName";
    QTest::newRow("no payment type") << "S009" << "新農場" << -1
        << QStringLiteral("尚未設定「付款方式」\r\n\r\n請重新設定") << "cmbPaymentType";
}

void tst_Partners::supplierChecks()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(int, payment);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Responders responders;
    frmBF_Supplier window;
    QVERIFY(showActive(window));
    press(window, Qt::Key_Insert);
    setText(window, "txtSupplierID", code);
    setText(window, "txtSupplierName", name);
    combo(window, "cmbPaymentType")->setCurrentIndex(payment);
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.at(0).prompt, message);
    QCOMPARE(responders.boxes.at(0).title, QStringLiteral("儲存檢查"));
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(window.isAddingNew());
}

void tst_Partners::newSupplierStartsFromDefaults()
{
    Responders responders;
    frmBF_Supplier window;
    QVERIFY(showActive(window));
    press(window, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtSupplierName"));
    QCOMPARE(text(window, "txtSupplierID"), QString());
    QCOMPARE(text(window, "txtCompanyVAT"), QString());
    QCOMPARE(text(window, "txtNote"), QStringLiteral("週一休")); // the note shown before stays
    QCOMPARE(combo(window, "cmbPaymentType")->currentIndex(), -1);
    QCOMPARE(combo(window, "cmbMeasurementUnit")->currentText(), QStringLiteral("台斤"));
    QCOMPARE(combo(window, "cmbSelfCompanyTitle")->currentText(), QStringLiteral("青山"));

    setText(window, "txtSupplierNameShort", QStringLiteral("舊的"));
    type(window, QStringLiteral("hill farm co"));
    press(window, Qt::Key_Return); // leaving the name fills the short name
    QCOMPARE(text(window, "txtSupplierNameShort"), QStringLiteral("HILL"));
    window.findChild<QLineEdit *>(QStringLiteral("txtSupplierName"))->setFocus();
    press(window, Qt::Key_Home);
    press(window, Qt::Key_Left); // from the start of the name back to the code
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtSupplierID"));
    type(window, QStringLiteral("s9 "));
    press(window, Qt::Key_Return);
    QCOMPARE(text(window, "txtSupplierID"), QStringLiteral("S9"));
    setText(window, "txtSupplierID", QStringLiteral("s009"));
    combo(window, "cmbPaymentType")->setCurrentIndex(0);
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.boxes.last().prompt, QStringLiteral("儲存成功"));
    QCOMPARE(modDB::GetString(QStringLiteral("SELECT SupplierNameShort + '|' + CAST(MeasurementUnitID AS VARCHAR) + '|' + CAST(SelfCompanyTitleID AS VARCHAR) + '|' + IdUserAddNew FROM [BF_Supplier] WHERE SupplierID = 'S009'")),
             QStringLiteral("HILL|5|2|ANN"));
    QCOMPARE(list(window)->currentItem()->text(), QStringLiteral("S009：HILL FARM CO"));
}

void tst_Partners::modifyingKeepsCodeAndName()
{
    Responders responders;
    frmBF_Supplier window;
    QVERIFY(showActive(window));
    press(window, Qt::Key_F2);
    QVERIFY(!window.findChild<QLineEdit *>(QStringLiteral("txtSupplierID"))->isEnabled());
    press(window, Qt::Key_Return); // leaving the name in modify mode keeps the short name
    QCOMPARE(text(window, "txtSupplierNameShort"), QString());
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.at(0).prompt, QStringLiteral("儲存成功"));
    QCOMPARE(modDB::GetString(QStringLiteral("SELECT IdUserModifyLast FROM [BF_Supplier] WHERE SupplierID = 'S001'")),
             QStringLiteral("ANN"));
}

void tst_Partners::supplierDeleteNamesTheSupplier()
{
    Responders responders;
    frmBF_Supplier window;
    QVERIFY(showActive(window));
    button(window, "Delete")->trigger();
    QCOMPARE(responders.boxes.at(0).prompt,
             QStringLiteral("是否欲刪除以下紀錄\r\n\r\n流水編號：S001\r\n廠商名稱：西螺菜農\r\n統一編號：12345678"));
    QCOMPARE(responders.boxes.at(1).prompt, QStringLiteral("已刪除 [S001 - 西螺菜農] "));
    QCOMPARE(window.windowTitle(), QStringLiteral("供應廠商資料建檔：S002 - 永靖果園（瀏覽模式／共 1 筆紀錄）"));
}

void tst_Partners::customerCodeLength()
{
    Responders responders;
    frmBF_Customer window;
    QVERIFY(showActive(window));
    press(window, Qt::Key_Insert);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtCustomerID"));
    QVERIFY(!list(window)->isEnabled());
    type(window, QStringLiteral("c02"));
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.boxes.at(0).prompt, QStringLiteral("「客戶代碼」輸入長度不正確\r\n\r\n輸入長度應固定 4 碼"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtCustomerID"));
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("txtCustomerID"))->selectedText(), QStringLiteral("C02"));
}

void tst_Partners::newCustomerIsStored()
{
    Responders responders;
    frmBF_Customer window;
    QVERIFY(showActive(window));
    QCOMPARE(list(window)->objectName(), QStringLiteral("lstMainNew"));
    press(window, Qt::Key_Insert);
    QCOMPARE(combo(window, "cmbMeasurementUnit")->currentText(), QStringLiteral("台斤"));
    QCOMPARE(combo(window, "cmbSelfCompanyTitle")->currentText(), QStringLiteral("青山"));
    type(window, QStringLiteral("c002"));
    press(window, Qt::Key_Return);
    type(window, QStringLiteral("Cafe Rosa"));
    press(window, Qt::Key_Return);
    combo(window, "cmbPaymentType")->setCurrentIndex(4);
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.boxes.last().prompt, QStringLiteral("儲存成功"));
    QCOMPARE(modDB::GetString(QStringLiteral("SELECT CustomerNameShort + '|' + CAST(SortOrder AS VARCHAR) + '|' + CAST(InActive AS VARCHAR) + '|' + CAST(PaymentTypeID AS VARCHAR) FROM [BF_Customer] WHERE CustomerID = 'C002'")),
             QStringLiteral("Cafe|100|0|5"));
    QCOMPARE(window.windowTitle(), QStringLiteral("客戶資料建檔：C002 - Cafe Rosa（瀏覽模式／共 2 筆記錄）"));

    list(window)->setCurrentRow(0); // a code with letters, modified without a new name
    press(window, Qt::Key_F2);
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.boxes.last().prompt, QStringLiteral("儲存成功"));
}

void tst_Partners::existingCustomerCodeFailsInTheSave()
{
    Responders responders;
    frmBF_Customer window;
    QVERIFY(showActive(window));
    press(window, Qt::Key_Insert);
    setText(window, "txtCustomerID", QStringLiteral("C0A1"));
    setText(window, "txtCustomerName", QStringLiteral("另一家"));
    combo(window, "cmbPaymentType")->setCurrentIndex(0);
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.reports.size(), 1);
    QVERIFY(responders.reports.at(0).contains(QStringLiteral("frmBF_Customer.FormSave")));
    QVERIFY(window.isAddingNew());
    QCOMPARE(modDB::GetString(QStringLiteral("SELECT CustomerName FROM [BF_Customer] WHERE CustomerID = 'C0A1'")),
             QStringLiteral("好味餐廳"));
}

QTEST_MAIN(tst_Partners)
#include "tst_partners.moc"
