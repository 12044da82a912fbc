#include "app/modMain.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/StoredDateTime.h"
#include "data/modConn.h"
#include "data/modDB.h"
#include "tests/support/Responders.h"
#include "tests/support/TestDatabase.h"
#include "ui/WaitPointer.h"

#include <QTest>

class tst_QueryModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { modUI::SetHourglass(false); }
    void executeNoQueryCounts();
    void executeNoQueryPointerRules();
    void executeNoQueryFailure();
    void scalarsOnNullAndNoRow_data();
    void scalarsOnNullAndNoRow();
    void isValueExistComparesCase();
    void converters();
    void storedDateTimes_data();
    void storedDateTimes();
    void serverTime();
};

namespace {

const QString Insert3 = QStringLiteral(
    "INSERT INTO BF_Supplier (SupplierID, SupplierName) VALUES "
    "('S001','a'), ('S002','b'), ('S003','c');");

} // namespace

void tst_QueryModule::executeNoQueryCounts()
{
    TestDatabase db;
    db.exec(Insert3);
    QCOMPARE(modDB::ExecuteNoQuery(QStringLiteral("UPDATE [BF_Supplier] SET Note = 'x' WHERE SupplierID = 'none'")), 0);
    QCOMPARE(modDB::ExecuteNoQuery(QStringLiteral("UPDATE [BF_Supplier] SET Note = 'x' ")), 3);
}

void tst_QueryModule::executeNoQueryPointerRules()
{
    TestDatabase db;
    QCOMPARE(modDB::ExecuteNoQuery(QString()), -1);
    QVERIFY(!modUI::IsHourglass());
    modDB::ExecuteNoQuery(QStringLiteral("UPDATE [BF_Supplier] SET Note = 'x' "));
    QVERIFY(!modUI::IsHourglass());
    modUI::SetHourglass(true); // a caller higher up shows it
    modDB::ExecuteNoQuery(QStringLiteral("UPDATE [BF_Supplier] SET Note = 'x' "));
    QVERIFY(modUI::IsHourglass());
}

void tst_QueryModule::executeNoQueryFailure()
{
    TestDatabase db;
    Responders responders;
    responders.reportAnswers = {4, 3}; // retry once, then leave
    QCOMPARE(modDB::ExecuteNoQuery(QStringLiteral("UPDATE [NoSuchTable] SET a = 1"), 7), -1);
    QCOMPARE(responders.reports.size(), 2);
    QVERIFY(responders.reports.first().endsWith(
        QStringLiteral("例外程序：\tmodDB.ExecuteNoQuery\r\nStatement  :\tUPDATE [NoSuchTable] SET a = 1\r\nOptions    :\t7")));
    QVERIFY(responders.reports.first().startsWith(QStringLiteral("例外編號　　　　：-2147217900\r\n例外描述　　　　：")));
    QVERIFY(!modUI::IsHourglass());
    QVERIFY(!modConn::SharedConnection().isOpen());
}

void tst_QueryModule::scalarsOnNullAndNoRow_data()
{
    QTest::addColumn<QString>("sql");
    QTest::newRow("null") << QStringLiteral("SELECT NULL");
    QTest::newRow("no row") << QStringLiteral("SELECT SupplierID FROM [BF_Supplier] WHERE 1 = 0");
}

void tst_QueryModule::scalarsOnNullAndNoRow()
{
    QFETCH(QString, sql);
    TestDatabase db;
    QCOMPARE(modDB::GetLong(sql), 0);
    QCOMPARE(modDB::GetDouble(sql), 0.0);
    QCOMPARE(modDB::GetString(sql), QString());
    QCOMPARE(modDB::GetBoolean(sql), false);
    QCOMPARE(modDB::GetDate(sql), modDB::ZeroDate());
    QVERIFY(!modDB::HasValue(sql));
}

void tst_QueryModule::isValueExistComparesCase()
{
    TestDatabase db;
    db.exec(QStringLiteral("INSERT INTO BF_Customer (CustomerID, CustomerName) VALUES ('C01', 'x');"));
    QVERIFY(modDB::IsValueExist(QStringLiteral("BF_Customer"), QStringLiteral("CustomerID"), QStringLiteral("C01")));
    QVERIFY(!modDB::IsValueExist(QStringLiteral("BF_Customer"), QStringLiteral("CustomerID"), QStringLiteral("c01")));
    QVERIFY(modDB::HasValue(QStringLiteral("SELECT CustomerID FROM [BF_Customer] WHERE CustomerID = 'c01'")));
}

void tst_QueryModule::converters()
{
    QCOMPARE(modDB::NullToString(QVariant()), QString());
    QCOMPARE(modDB::NullToString(QVariant(12)), QStringLiteral("12"));
    QCOMPARE(modDB::NullToString(QVariant(12.5)), QStringLiteral("12.5"));
    QCOMPARE(modDB::NullToLong(QVariant(2.5)), 2); // halves to even
    QCOMPARE(modDB::NullToInteger(QVariant(QStringLiteral("7"))), qint16(7));
    QCOMPARE(modDB::NullToBoolean(QVariant(true)), true);
    QCOMPARE(modDB::NullToDouble(QVariant()), 0.0);
    QVERIFY_THROWS_EXCEPTION(DbError, modDB::NullToLong(QVariant(QStringLiteral("abc"))));
    QVERIFY_THROWS_EXCEPTION(DbError, modDB::NullToInteger(QVariant(40000)));
}

void tst_QueryModule::storedDateTimes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected");
    const QDate day(2024, 2, 29);
    QTest::newRow("stored") << "2024-02-29 13:05:09" << QDateTime(day, QTime(13, 5, 9));
    QTest::newRow("milliseconds") << "2024-02-29 13:05:09.250" << QDateTime(day, QTime(13, 5, 9, 250));
    QTest::newRow("T") << "2024-02-29T13:05:09" << QDateTime(day, QTime(13, 5, 9));
    QTest::newRow("date only") << "2024-02-29" << QDateTime(day, QTime(0, 0));
    for (const char *bad : {"2023-02-29", "2024-13-01 00:00:00", "2024-01-01 24:00:00", "2024/01/01",
                            "-024-01-01", "2024-01-01 00:00", "2024-01-01 00:00:00.5", "2024-01-01x00:00:00", ""})
        QTest::newRow(bad) << QString::fromLatin1(bad) << QDateTime();
}

void tst_QueryModule::storedDateTimes()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    QCOMPARE(StoredDateTime::parse(text), expected);
}

void tst_QueryModule::serverTime()
{
    TestDatabase db;
    const QDateTime server = modDB::GetServerTime();
    QVERIFY(qAbs(server.secsTo(QDateTime::currentDateTime())) < 5); // local time, not UTC
    QCOMPARE(modMain::GetNextDateText(), server.addDays(1).toString(QStringLiteral("yyyy/MM/dd")));
}

QTEST_MAIN(tst_QueryModule)
#include "tst_querymodule.moc"
