#include "data/Connection.h"
#include "data/Recordset.h"
#include "data/SqliteDialect.h"
#include "tests/support/TestDatabase.h"

#include <QTest>

class tst_SqliteDialect : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void translates_data();
    void translates();
    void runsOnARealDatabase_data();
    void runsOnARealDatabase();
    void cachesByStatementText();
};

void tst_SqliteDialect::translates_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");
    QTest::newRow("top") << "SELECT TOP 1 ProductID FROM [BF_Product] "
                         << "SELECT ProductID FROM [BF_Product] LIMIT 1";
    QTest::newRow("top in sub-select")
        << "SELECT a FROM t WHERE b = (SELECT TOP 1 b FROM u ORDER BY b)"
        << "SELECT a FROM t WHERE b = (SELECT b FROM u ORDER BY b LIMIT 1)";
    QTest::newRow("text join by literal")
        << "SELECT SupplierID + '：' + SupplierName AS ListField"
        << "SELECT SupplierID || '：' || SupplierName AS ListField";
    QTest::newRow("numbers stay added") << "SELECT Qty + 1 FROM t" << "SELECT Qty + 1 FROM t";
    QTest::newRow("text columns join") << "SELECT C.CustomerID + CustomerName FROM c AS C"
                                       << "SELECT C.CustomerID || CustomerName FROM c AS C";
    QTest::newRow("cast to varchar")
        << "SELECT '（' + CAST(ProductCategoryID AS VARCHAR(9)) + '）' + ProductCategoryName"
        << "SELECT '（' || CAST(ProductCategoryID AS TEXT) || '）' || ProductCategoryName";
    QTest::newRow("isnull") << "SELECT ISNULL(a, 0) FROM t" << "SELECT IFNULL(a, 0) FROM t";
    QTest::newRow("dbo call") << "SELECT dbo.GetFinalQty(Qty, 5) FROM t"
                              << "SELECT GetFinalQty(Qty, 5) FROM t";
    QTest::newRow("clock") << "SELECT CURRENT_TIMESTAMP , GETDATE()"
                           << "SELECT datetime('now','localtime') , datetime('now','localtime')";
    QTest::newRow("decimal cast") << "SELECT CAST(P.Price AS DECIMAL(10,2)) FROM p AS P"
                                  << "SELECT ROUND(CAST(P.Price AS REAL), 2) FROM p AS P";
    QTest::newRow("year") << "SELECT YEAR(H.OrderDate) FROM h AS H"
                          << "SELECT CAST(strftime('%Y',(H.OrderDate)) AS INTEGER) FROM h AS H";
    QTest::newRow("date literal") << "WHERE d BETWEEN '2024/1/5 00:00:00' AND '2024/01/31'"
                                  << "WHERE d BETWEEN '2024-01-05 00:00:00' AND '2024-01-31 00:00:00'";
    QTest::newRow("not a date") << "WHERE n = '2024/02/30' AND m = 'a''b'"
                                << "WHERE n = '2024/02/30' AND m = 'a''b'";
    QTest::newRow("plus inside a literal") << "SELECT 'a + b' FROM t" << "SELECT 'a + b' FROM t";
}

void tst_SqliteDialect::translates()
{
    QFETCH(QString, sql);
    QFETCH(QString, expected);
    SqliteDialect dialect;
    dialect.setTextColumns({QStringLiteral("supplierid"), QStringLiteral("suppliername"),
                            QStringLiteral("customerid"), QStringLiteral("customername"),
                            QStringLiteral("productcategoryname")});
    QCOMPARE(dialect.translate(sql), expected);
}

void tst_SqliteDialect::runsOnARealDatabase_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");
    QTest::newRow("joined text")
        << "SELECT SupplierID + '：' + SupplierName AS ListField, SupplierID FROM [BF_Supplier] "
           "ORDER BY SupplierID "
        << "S001：Apple's Farm";
    QTest::newRow("top") << "SELECT TOP 1 SupplierID FROM [BF_Supplier] ORDER BY SupplierID DESC"
                         << "S002";
    QTest::newRow("isnull") << "SELECT ISNULL(Note, 'none') FROM [BF_Supplier] WHERE SupplierID = 's002'"
                            << "none";
    QTest::newRow("cast varchar") << "SELECT '（' + CAST(MeasurementUnitID AS VARCHAR(9)) + '）' + "
                                     "MeasurementUnitName FROM [BC_MeasurementUnit] WHERE MeasurementUnitID = 5"
                                  << "（5）台斤";
    QTest::newRow("decimal") << "SELECT CAST(2.345 AS DECIMAL(10,2))" << "2.35";
    QTest::newRow("date parts")
        << "SELECT CAST(YEAR(TimeModifyFirst) AS VARCHAR) + '/' + CAST(MONTH(TimeModifyFirst) AS VARCHAR) "
           "+ '/' + CAST(DAY(TimeModifyFirst) AS VARCHAR) FROM [BF_Supplier] WHERE SupplierID = 'S001'"
        << "2024/3/7";
    QTest::newRow("date range") << "SELECT COUNT(*) FROM [BF_Supplier] WHERE TimeModifyFirst BETWEEN "
                                   "'2024/03/07 00:00:00' AND '2024/03/07 23:59:59'"
                                << "1";
    QTest::newRow("substring") << "SELECT SUBSTRING(SupplierName, 1, 5) FROM [BF_Supplier] "
                                  "WHERE SupplierID = 'S001'"
                               << "Apple";
}

void tst_SqliteDialect::runsOnARealDatabase()
{
    QFETCH(QString, sql);
    QFETCH(QString, expected);
    TestDatabase db;
    db.exec(QStringLiteral(
        "INSERT INTO BF_Supplier (SupplierID, SupplierName, TimeModifyFirst) VALUES "
        "('S001', 'Apple''s Farm', '2024-03-07 10:00:00'), ('S002', '綠野', NULL);"));
    Connection connection;
    connection.open(QStringLiteral("Data Source=") + db.path());
    Recordset rs;
    rs.open(sql, connection);
    QVERIFY(!rs.eof());
    QCOMPARE(rs.value(0).toString(), expected);
}

void tst_SqliteDialect::cachesByStatementText()
{
    SqliteDialect dialect;
    const QString sql = QStringLiteral("SELECT TOP 1 a + 'x' FROM t");
    const QString first = dialect.translate(sql);
    QCOMPARE(dialect.translate(sql), first);
}

QTEST_MAIN(tst_SqliteDialect)
#include "tst_sqlitedialect.moc"
