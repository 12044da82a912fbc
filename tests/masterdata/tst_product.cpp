// The product master: its checks, the unit-change rule and the document guard.
#include "app/modMain.h"
#include "data/modDB.h"
#include "masterdata/frmBF_Product.h"
#include "tests/masterdata/MasterDataTest.h"
#include "tests/support/Responders.h"
#include "tests/support/TestDatabase.h"

#include <QComboBox>

using namespace MasterDataTest;

class tst_Product : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_db.reset(); }
    void codeAndNameChecks_data();
    void codeAndNameChecks();
    void newProductStartsFromDefaults();
    void unitChange_data();
    void unitChange();
    void deleteGuard_data();
    void deleteGuard();
    void supplierBox();

private:
    std::unique_ptr<TestDatabase> m_db;
};

namespace {

QComboBox *unitCombo(QWidget &window) { return window.findChild<QComboBox *>(QStringLiteral("cmbMeasurementUnit")); }

void setText(QWidget &window, const char *name, const QString &text)
{
    window.findChild<QLineEdit *>(QLatin1String(name))->setText(text);
}

void selectProduct(QWidget &window, const QString &code)
{
    QListWidget *products = list(window);
    for (int r = 0; r < products->count(); ++r)
        if (products->item(r)->text().startsWith(code))
            products->setCurrentRow(r);
}

} // namespace

void tst_Product::init()
{
    m_db = std::make_unique<TestDatabase>();
    // P001 has an active stock-in line in boxes (10); P002 only a voided delivery line in catties.
    m_db->exec(QStringLiteral(
        "INSERT INTO BF_Supplier (SupplierID, SupplierName) VALUES ('S001', '西螺菜農');"
        "INSERT INTO BF_Product (ProductID, ProductName, SupplierID, MeasurementUnitID, Price, Cost) VALUES "
        "('P001', '高麗菜', 'S001', 10, 12.5, 8), ('P002', '空心菜', '', 5, 30, 20), ('P003', '芋頭', '', 5, 0, 0);"
        "INSERT INTO OR_HeadCustomerOrder (OrderID, Active) VALUES ('C1', 1);"
        "INSERT INTO OR_HeadInStock (OrderID, Active) VALUES ('I1', 1);"
        "INSERT INTO OR_DetailInStock (OrderID, ItemNo, ProductID, MeasurementUnitID, Qty) VALUES ('I1', 1, 'P001', 10, 3);"
        "INSERT INTO OR_HeadOutOrder (OrderID, Active) VALUES ('O1', 0);"
        "INSERT INTO OR_DetailOutOrder (OrderID, ItemNo, ProductID, MeasurementUnitID, Qty) VALUES ('O1', 1, 'P002', 5, 2);"));
    modMain::FixedLengthProductID = 4;
    modMain::FixedLengthSupplierID = 4;
    modMain::SystemDefaultUnitID = 5;
}

void tst_Product::codeAndNameChecks_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("both empty: the name's message") << "" << " " << QStringLiteral("「產品名稱」尚未輸入，請重新輸入") << "txtProductName";
    QTest::newRow("empty code") << "" << "蘿蔔" << QStringLiteral("「產品代碼」尚未輸入，請重新輸入") << "txtProductID";
    QTest::newRow("short code") << "P04" << "蘿蔔"
        << QStringLiteral("「產品代碼」長度設定不正確\r\n\r\n系統限制產品代碼長度固定為 4 碼") << "txtProductID";
    QTest::newRow("name in use") << "P004" << "芋頭"
        << QStringLiteral("產品名稱已有重複\r\n\r\n您輸入的產品名稱： 芋頭\r\n請檢查產品流水編號：P003") << "txtProductName";
}

void tst_Product::codeAndNameChecks()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Responders responders;
    frmBF_Product window;
    QVERIFY(showActive(window));
    press(window, Qt::Key_Insert);
    setText(window, "txtProductID", code);
    setText(window, "txtProductName", name);
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.at(0).prompt, message);
    QCOMPARE(responders.boxes.at(0).title, QStringLiteral("儲存檢核"));
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void tst_Product::newProductStartsFromDefaults()
{
    Responders responders;
    frmBF_Product window;
    QVERIFY(showActive(window));
    QCOMPARE(text(window, "txtPrice"), QStringLiteral("12.5"));
    press(window, Qt::Key_Insert);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtProductID"));
    QCOMPARE(text(window, "txtPrice"), QStringLiteral("0"));
    QCOMPARE(unitCombo(window)->currentText(), QStringLiteral("台斤"));
    type(window, QStringLiteral("p004"));
    press(window, Qt::Key_Return);
    type(window, QStringLiteral("Radish"));
    setText(window, "txtPrice", QStringLiteral("35"));
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.boxes.last().prompt, QStringLiteral("儲存成功"));
    QCOMPARE(modDB::GetString(QStringLiteral("SELECT ProductName + '|' + CAST(Price AS VARCHAR) + '|' + CAST(MeasurementUnitID AS VARCHAR) + '|' + CAST(IsLoadDefaultItem AS VARCHAR) + '|' + CAST(SortOrder AS VARCHAR) FROM [BF_Product] WHERE ProductID = 'P004'")),
             QStringLiteral("Radish|35|5|1|100"));
    QCOMPARE(window.windowTitle(), QStringLiteral("產品主檔：P004 - Radish（瀏覽模式／共 4 筆紀錄）"));
}

void tst_Product::unitChange_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("rule");
    const QString head = QStringLiteral("修改「預設計量單位」時違背系統規則\r\n\r\n已有單據紀錄的情況下\r\n");
    const QString document = QStringLiteral("\r\n\r\n單據名稱：入庫單\r\n單據代碼：I1");
    QTest::newRow("custom to weighing") << "P001" << 5
        << head + QStringLiteral("不允許「計量單位」由自訂計量單位變更為秤重單位") + document;
    QTest::newRow("custom to another custom") << "P001" << 11
        << head + QStringLiteral("不允許「計量單位」由其它任一種相異單位變更至此自訂計量單位") + document;
    QTest::newRow("unchanged") << "P001" << 10 << QString();
    QTest::newRow("voided documents only") << "P002" << 12 << QString();
}

void tst_Product::unitChange()
{
    QFETCH(QString, product);
    QFETCH(int, unit);
    QFETCH(QString, rule);
    Responders responders;
    frmBF_Product window;
    QVERIFY(showActive(window));
    selectProduct(window, product);
    press(window, Qt::Key_F2);
    QVERIFY(!window.findChild<QLineEdit *>(QStringLiteral("txtProductID"))->isEnabled());
    unitCombo(window)->setCurrentIndex(unitCombo(window)->findData(unit));
    press(window, Qt::Key_S, Qt::ControlModifier);
    const bool refused = !rule.isEmpty();
    QCOMPARE(responders.boxes.last().prompt, refused ? rule : QStringLiteral("儲存成功"));
    QCOMPARE(window.isEditing(), refused);
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT MeasurementUnitID FROM [BF_Product] WHERE ProductID = '%1'").arg(product)),
             refused ? 10 : unit);
}

void tst_Product::deleteGuard_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("message");
    QTest::newRow("active document") << "P001"
        << QStringLiteral("單據紀錄已有此貨品紀錄，不允許刪除\r\n\r\n單據名稱：入庫單\r\n單據代碼：I1\r\n產品名稱：高麗菜");
    QTest::newRow("voided document counts") << "P002"
        << QStringLiteral("單據紀錄已有此貨品紀錄，不允許刪除\r\n\r\n單據名稱：送貨單\r\n單據代碼：O1\r\n產品名稱：空心菜");
    QTest::newRow("no document") << "P003" << QStringLiteral("已刪除 [P003] ");
}

void tst_Product::deleteGuard()
{
    QFETCH(QString, product);
    QFETCH(QString, message);
    Responders responders;
    frmBF_Product window;
    QVERIFY(showActive(window));
    selectProduct(window, product);
    list(window)->setFocus();
    press(window, Qt::Key_Delete);
    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.at(0).prompt, message);
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT COUNT(*) FROM [BF_Product] WHERE ProductID = '%1'").arg(product)),
             message.startsWith(QStringLiteral("已刪除")) ? 0 : 1);
}

void tst_Product::supplierBox()
{
    Responders responders;
    frmBF_Product window;
    QVERIFY(showActive(window));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("sspSupplierName"))->text(), QStringLiteral("西螺菜農"));
    press(window, Qt::Key_F2);
    auto *supplier = window.findChild<QLineEdit *>(QStringLiteral("txtSupplierID"));
    supplier->setFocus();
    supplier->setText(QStringLiteral("s09"));
    press(window, Qt::Key_Tab); // leaving with a code that names no supplier is refused
    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.at(0).prompt, QStringLiteral("「廠商代碼：S09」不正確\r\n\r\n"));
    QCOMPARE(QApplication::focusWidget(), supplier);
    supplier->clear();
    press(window, Qt::Key_Tab); // an empty one may be left
    QVERIFY(QApplication::focusWidget() != supplier);
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.boxes.last().prompt, QStringLiteral("儲存成功"));
    QCOMPARE(modDB::GetString(QStringLiteral("SELECT SupplierID FROM [BF_Product] WHERE ProductID = 'P001'")), QString());
    QVERIFY(window.windowTitle().startsWith(QStringLiteral("產品主檔：P001 - 高麗菜"))); // the product's own code
}

QTEST_MAIN(tst_Product)
#include "tst_product.moc"
