#include "app/modMain.h"
#include "data/DbError.h"
#include "data/SqlTrace.h"
#include "data/modDB_TORVO.h"
#include "tests/support/Responders.h"
#include "tests/support/TestDatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace modDB_TORVO;

class tst_Lookups : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void wrongLengthSendsNothing();
    void namesAndCodes();
    void productCheckMessages();
    void unitsAndPaymentTypes();
    void selfCompany();
    void priceAndStock();
    void pickerStatements();

private:
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_dir;
};

namespace {

const char *const Fixture = R"(
INSERT INTO BF_SelfCompanyTitle (CompanyName, PhoneTel, AddressCompany, SystemDefault)
    VALUES ('綠鮮蔬果行', '02-1234', '台北市', 1);
INSERT INTO BF_Supplier (SupplierID, SupplierName, MeasurementUnitID, PaymentTypeID, SelfCompanyTitleID)
    VALUES ('S001', '綠野農場', 1, 1, 1), ('S002', '無單位', NULL, 9, NULL);
INSERT INTO BF_Customer (CustomerID, CustomerName, MeasurementUnitID, PaymentTypeID, SelfCompanyTitleID)
    VALUES ('C001', '好味餐廳', 5, 4, 1);
INSERT INTO BF_Product (ProductID, ProductName, SupplierID, Price, MeasurementUnitID)
    VALUES ('V001', '高麗菜', 'S001', 30, 5), ('B001', '香蕉箱', 'S001', 500, 10);
INSERT INTO BF_User (IdUser, NameUser) VALUES ('ANNA', '安娜');
INSERT INTO OR_HeadInStock (OrderID, SupplierID, OrderDate, Active) VALUES ('K26S00112001', 'S001', '2026-12-01', 1);
INSERT INTO OR_DetailInStock (OrderID, ItemNo, ProductID, MeasurementUnitID, Qty) VALUES
    ('K26S00112001', 1, 'V001', 5, 12.5), ('K26S00112001', 2, 'B001', 10, 3);
)";

int traceLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return int(file.readAll().count('\n'));
}

} // namespace

void tst_Lookups::init()
{
    m_db = std::make_unique<TestDatabase>();
    m_db->exec(QString::fromUtf8(Fixture));
    modMain::FixedLengthSupplierID = modMain::FixedLengthCustomerID = modMain::FixedLengthProductID = 4;
    modMain::SystemDefaultUnitID = 5;
    modMain::UnitSeparateString = QStringLiteral("/");
}

void tst_Lookups::cleanup()
{
    SqlTrace::setPath({});
    m_db.reset();
}

void tst_Lookups::wrongLengthSendsNothing()
{
    const QString trace = m_dir.filePath(QStringLiteral("trace.txt"));
    SqlTrace::setPath(trace);
    QCOMPARE(GetSupplierName(QStringLiteral("S01")), QString());
    QCOMPARE(GetCustomerName(QStringLiteral("C0011")), QString());
    QCOMPARE(GetProductName(QStringLiteral("V01")), QString());
    QVERIFY(!IsSupplierID(QStringLiteral("S0011")));
    QVERIFY(!IsCustomerID(QStringLiteral("C01")));
    QCOMPARE(GetProductPrice(QStringLiteral("V0011")), -1.0);
    QCOMPARE(GetProductStockText(QStringLiteral("V01")), QString());
    QCOMPARE(traceLines(trace), 0);
    QCOMPARE(GetSupplierName(QStringLiteral("S001")), QStringLiteral("綠野農場"));
    QVERIFY(traceLines(trace) > 0);
}

void tst_Lookups::namesAndCodes()
{
    QCOMPARE(GetCustomerName(QStringLiteral("C001")), QStringLiteral("好味餐廳"));
    QCOMPARE(GetProductName(QStringLiteral("V001")), QStringLiteral("高麗菜"));
    QCOMPARE(GetUserName(QStringLiteral("anna")), QStringLiteral("安娜"));
    QVERIFY(IsSupplierID(QStringLiteral("S001")));
    QVERIFY(!IsSupplierID(QStringLiteral("s001"))); // the stored code differs in case
    QVERIFY(IsCustomerID(QStringLiteral("C001")));
    QVERIFY(!IsCustomerID(QStringLiteral("C'01")));
}

void tst_Lookups::productCheckMessages()
{
    Responders responders;
    QVERIFY(IsProductID(QStringLiteral("V001"), true));
    QVERIFY(!IsProductID(QStringLiteral("V0011"), false));
    QVERIFY(responders.boxes.isEmpty());
    QVERIFY(!IsProductID(QStringLiteral("V01"), true));
    QVERIFY(!IsProductID(QStringLiteral("Z999"), true));
    QCOMPARE(responders.boxes.size(), 2);
    QCOMPARE(responders.boxes.at(0).prompt,
             QStringLiteral("您輸入的「產品代碼：V01」長度不正確\r\n\r\n系統限制的產品代碼長度固定為 4 碼"));
    QCOMPARE(responders.boxes.at(1).prompt, QStringLiteral("資料庫中找不到此「產品代碼： Z999 」"));
    QCOMPARE(responders.boxes.at(1).title, QStringLiteral("產品代碼檢查模組"));
    QCOMPARE(responders.boxes.at(1).style, int(modUI::Exclamation));
}

void tst_Lookups::unitsAndPaymentTypes()
{
    QString name;
    QCOMPARE(GetPartnerDefaultUnit(Supplier, QStringLiteral("S001"), name), qint16(1));
    QCOMPARE(name, QStringLiteral("公斤"));
    QCOMPARE(GetPartnerDefaultUnit(Customer, QStringLiteral("C999"), name), qint16(0));
    QVERIFY_THROWS_EXCEPTION(DbError, GetPartnerDefaultUnit(Supplier, QStringLiteral("S002"), name));
    // A weighing-unit product takes the partner's unit; a custom unit stays.
    QCOMPARE(GetProductUnitForPartner(QStringLiteral("V001"), Supplier, QStringLiteral("S001"), name), qint16(1));
    QCOMPARE(GetProductUnitForPartner(QStringLiteral("V001"), Customer, QStringLiteral("C001"), name), qint16(5));
    QCOMPARE(name, QStringLiteral("台斤"));
    QCOMPARE(GetProductUnitForPartner(QStringLiteral("B001"), Customer, QStringLiteral("C999"), name), qint16(10));
    QCOMPARE(GetProductUnitForPartner(QStringLiteral("V001"), Customer, QStringLiteral("C999"), name), qint16(-1));
    QCOMPARE(GetProductUnitForPartner(QStringLiteral("Z999"), Customer, QStringLiteral("C001"), name), qint16(-1));
    QCOMPARE(GetPartnerPaymentType(Customer, QStringLiteral("C001"), name), qint16(4));
    QCOMPARE(name, QStringLiteral("月結"));
    QCOMPARE(GetPartnerPaymentType(Supplier, QStringLiteral("S002"), name), qint16(-1));
    QVERIFY(IsSystemWeightUnit(5));
    QVERIFY(!IsSystemWeightUnit(10));
    QVERIFY(!IsUnitIDValid(0));
}

void tst_Lookups::selfCompany()
{
    QCOMPARE(GetPartnerSelfCompanyName(Customer, QStringLiteral("C001")), QStringLiteral("綠鮮蔬果行"));
    QString company = QStringLiteral("kept"), phone, address;
    GetSelfCompany(Supplier, QStringLiteral("S002"), company, phone, address);
    QCOMPARE(company, QStringLiteral("kept"));
    GetSelfCompany(Supplier, QStringLiteral("S001"), company, phone, address);
    QCOMPARE(company, QStringLiteral("綠鮮蔬果行"));
    QCOMPARE(phone, QStringLiteral("02-1234"));
    QCOMPARE(address, QStringLiteral("台北市"));
}

void tst_Lookups::priceAndStock()
{
    QCOMPARE(GetProductPrice(QStringLiteral("V001")), 30.0);
    QCOMPARE(GetProductPrice(QStringLiteral("Z999")), 0.0);
    QCOMPARE(GetProductStockText(QStringLiteral("V001")), QStringLiteral("12/8"));
    QCOMPARE(GetProductStockText(QStringLiteral("V001"), 1), QStringLiteral("7.5"));
    QCOMPARE(GetProductStockText(QStringLiteral("B001"), 10), QStringLiteral("3"));
}

void tst_Lookups::pickerStatements()
{
    QCOMPARE(GetPartnerPickSQL(CustomerPicker, QStringLiteral("  ")),
             QStringLiteral("SELECT CustomerID AS 廠商代碼, CustomerName AS 廠商名稱 FROM [BF_Customer] "));
    QCOMPARE(GetPartnerPickSQL(SupplierPicker, QStringLiteral(" S0 ")),
             QStringLiteral("SELECT SupplierID AS 廠商代碼, SupplierName AS 廠商名稱 FROM [BF_Supplier]  WHERE (SupplierID LIKE 'S0%' ) "));
    QCOMPARE(GetPartnerPickSQL(40, QStringLiteral("x")), QString());
}

QTEST_MAIN(tst_Lookups)
#include "tst_lookups.moc"
