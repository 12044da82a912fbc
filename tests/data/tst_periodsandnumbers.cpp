#include "app/modMain.h"
#include "data/Connection.h"
#include "data/modConn.h"
#include "data/modDB.h"
#include "data/modDB_TORVO.h"
#include "tests/support/TestDatabase.h"

#include <QTest>

#include <thread>

class tst_PeriodsAndNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void periods_data();
    void periods();
    void numberSequence();
    void numbersForCodeLengths_data();
    void numbersForCodeLengths();
    void twoWorkstationsNeverShareANumber();
};

namespace {

QString thisMonth(const char *letter, const QString &party, int n)
{
    const QDate today = QDate::currentDate();
    return QString::fromLatin1(letter) + today.toString(QStringLiteral("yy")) + party
        + today.toString(QStringLiteral("MM")) + QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

} // namespace

void tst_PeriodsAndNumbers::periods_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::newRow("weekly, a Wednesday") << 1 << "2024/03/06" << "2024/03/04" << "2024/03/10";
    QTest::newRow("weekly, a Sunday") << 1 << "2024/03/10" << "2024/03/04" << "2024/03/10";
    QTest::newRow("weekly, a Monday, dashes") << 1 << "2024-03-04" << "2024/03/04" << "2024/03/10";
    QTest::newRow("ten-day, first") << 2 << "2024/2/5" << "2024/02/01" << "2024/02/10";
    QTest::newRow("ten-day, second") << 2 << "2024/02/20" << "2024/02/11" << "2024/02/20";
    QTest::newRow("ten-day, February's last") << 2 << "2024/02/29" << "2024/02/21" << "2024/02/29";
    QTest::newRow("ten-day, 31-day month") << 2 << "2024/01/25" << "2024/01/21" << "2024/01/31";
    QTest::newRow("half-month, first") << 3 << "2024/01/15" << "2024/01/01" << "2024/01/15";
    QTest::newRow("half-month, 31-day month") << 3 << "2024/01/16" << "2024/01/16" << "2024/01/31";
    QTest::newRow("half-month, February") << 3 << "2023/02/20" << "2023/02/16" << "2023/02/28";
    QTest::newRow("monthly, December") << 4 << "2024/12/09" << "2024/12/01" << "2024/12/31";
    QTest::newRow("cash has no period") << 5 << "2024/12/09" << "2024/12/09" << "2024/12/09";
    QTest::newRow("no date") << 4 << "2024/02/30" << "" << "";
    QTest::newRow("text") << 4 << "yesterday" << "" << "";
}

void tst_PeriodsAndNumbers::periods()
{
    QFETCH(int, type);
    QFETCH(QString, date);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QCOMPARE(modSystem_TORVO::GetPeriodStartDate(qint16(type), date), start);
    QCOMPARE(modSystem_TORVO::GetPeriodEndDate(qint16(type), start.isEmpty() ? date : start), end);
}

void tst_PeriodsAndNumbers::numberSequence()
{
    TestDatabase db;
    const QString party = QStringLiteral("C001");
    QCOMPARE(modDB_TORVO::GetNewOrderID(10, party), thisMonth("G", party, 1));
    const QDate lastYear = QDate::currentDate().addYears(-1);
    const QString oldNumber = QStringLiteral("G") + lastYear.toString(QStringLiteral("yy")) + party
        + lastYear.toString(QStringLiteral("MM")) + QStringLiteral("001");
    db.exec(QStringLiteral("INSERT INTO OR_HeadCustomerOrder (OrderID, CustomerID, Active) VALUES "
                           "('%1', 'C001', 0), ('%2', 'C001', 1), ('%3', 'C002', 1);")
                .arg(thisMonth("G", party, 1), oldNumber, thisMonth("G", QStringLiteral("C002"), 1)));
    // The nullified one counts; last year's and another party's don't.
    QCOMPARE(modDB_TORVO::GetNewOrderID(10, party), thisMonth("G", party, 2));
    QCOMPARE(modDB_TORVO::GetNewOrderID(60, QStringLiteral("ZZZZ")), thisMonth("X", QStringLiteral("ZZZZ"), 1));
    QString values;
    for (int i = 2; i <= 999; ++i)
        values += QStringLiteral("%1('%2', 'C001')").arg(i > 2 ? "," : "", thisMonth("G", party, i));
    db.exec(QStringLiteral("INSERT INTO OR_HeadCustomerOrder (OrderID, CustomerID) VALUES ") + values + ';');
    QCOMPARE(modDB_TORVO::GetNewOrderID(10, party), thisMonth("G", party, 1000));
}

void tst_PeriodsAndNumbers::numbersForCodeLengths_data()
{
    QTest::addColumn<QString>("party");
    QTest::newRow("2") << QStringLiteral("C1");
    QTest::newRow("4") << QStringLiteral("C001");
    QTest::newRow("12") << QStringLiteral("C00000000001");
}

void tst_PeriodsAndNumbers::numbersForCodeLengths()
{
    QFETCH(QString, party);
    TestDatabase db;
    for (int n = 1; n <= 3; ++n) {
        const QString id = modDB_TORVO::GetNewOrderID(20, party);
        QCOMPARE(id, thisMonth("K", party, n));
        modDB::ExecuteNoQuery(QStringLiteral("INSERT INTO [OR_HeadInStock] (OrderID, SupplierID) VALUES ('%1', '%2')").arg(id, party));
    }
}

void tst_PeriodsAndNumbers::twoWorkstationsNeverShareANumber()
{
    TestDatabase db;
    const QString party = QStringLiteral("S001");
    const QString countSql = QStringLiteral("SELECT COUNT(*) FROM [OR_HeadInStock] WHERE (SupplierID = 'S001') ");
    QVERIFY(modConn::OpenConnection());
    modConn::BeginTransaction(); // takes the write lock at once
    const QString first = modDB_TORVO::GetNewOrderID(20, party);
    qlonglong secondCount = -1;
    std::thread other([&] {
        Connection c;
        c.open(QStringLiteral("Data Source=") + db.path());
        c.beginTransaction(); // waits for the first workstation's commit
        secondCount = c.query(countSql).cells.first().toLongLong();
        c.commitTransaction();
    });
    QTest::qWait(300);
    modDB::ExecuteNoQuery(QStringLiteral("INSERT INTO [OR_HeadInStock] (OrderID, SupplierID) VALUES ('%1', 'S001')").arg(first));
    modConn::CommitTransaction();
    modConn::CloseConnection();
    other.join();
    QCOMPARE(first, thisMonth("K", party, 1));
    QCOMPARE(secondCount, 1); // the other workstation counts the saved number and takes 002
}

QTEST_MAIN(tst_PeriodsAndNumbers)
#include "tst_periodsandnumbers.moc"
