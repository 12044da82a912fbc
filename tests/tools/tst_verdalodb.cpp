#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The database tool run as the administrator runs it: a separate process, its output read back.
class tst_VerdaloDb : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void refusesExistingFile_data();
    void refusesExistingFile();
    void badArguments_data();
    void badArguments();
    void queryPrintsTabSeparatedRows_data();
    void queryPrintsTabSeparatedRows();
    void promisedContent_data();
    void promisedContent();
    void tradeIsConsistent_data();
    void tradeIsConsistent();
    void documentNumbersCountPerPartyAndMonth_data();
    void documentNumbersCountPerPartyAndMonth();
    void demoIsTheSameEveryTime();

private:
    struct Result
    {
        int exitCode = -1;
        QString out;
        QString err;
    };

    Result run(const QStringList &args) const;
    QString query(const QString &file, const QString &statement) const;

    QTemporaryDir m_dir;
    QDate m_today;
};

namespace {

QString tool() { return QCoreApplication::applicationDirPath() + QStringLiteral("/verdalo-db"); }

QStringList words(const char *spaced)
{
    return QString::fromLatin1(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QDate lastTradingDay(QDate day) { return day.dayOfWeek() == Qt::Sunday ? day.addDays(-1) : day; }

void addForBothSets(const char *name, const QString &statement, const QString &expected)
{
    for (const char *file : {"demo.db", "busy.db"})
        QTest::addRow("%s %s", file, name) << QString::fromLatin1(file) << statement << expected;
}

} // namespace

tst_VerdaloDb::Result tst_VerdaloDb::run(const QStringList &args) const
{
    QProcess process;
    process.setWorkingDirectory(m_dir.path());
    process.start(tool(), args);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString tst_VerdaloDb::query(const QString &file, const QString &statement) const
{
    const Result result = run({QStringLiteral("query"), file, statement});
    if (result.exitCode != 0)
        qWarning("%s: %s", qPrintable(statement), qPrintable(result.err));
    return result.out;
}

void tst_VerdaloDb::initTestCase()
{
    QVERIFY2(QFile::exists(tool()), qPrintable(tool() + QStringLiteral(" is not built")));
    QVERIFY(m_dir.isValid());
    m_today = QDate::currentDate();
    const Result demo = run({QStringLiteral("demo"), QStringLiteral("demo.db")});
    QVERIFY2(demo.exitCode == 0, qPrintable(demo.err));
    // A week of the busy trade: the full benchmark set takes minutes.
    const Result busy = run({QStringLiteral("generate"), QStringLiteral("busy.db"),
                             QStringLiteral("--years"), QStringLiteral("0.02")});
    QVERIFY2(busy.exitCode == 0, qPrintable(busy.err));
}

void tst_VerdaloDb::refusesExistingFile_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("init") << words("init taken.db");
    QTest::newRow("demo") << words("demo taken.db");
    QTest::newRow("generate") << words("generate taken.db --years 0.01");
}

void tst_VerdaloDb::refusesExistingFile()
{
    QFETCH(QStringList, args);
    const QString path = m_dir.filePath(QStringLiteral("taken.db"));
    QFile::remove(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("someone's data");
    file.close();

    const Result result = run(args);
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.err.contains(QStringLiteral("taken.db")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("someone's data"));
}

void tst_VerdaloDb::badArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no arguments") << QStringList() << 2;
    QTest::newRow("unknown command") << words("compact new.db") << 2;
    QTest::newRow("no file") << words("init") << 2;
    QTest::newRow("init with more") << words("init new.db x") << 2;
    QTest::newRow("no years") << words("generate new.db") << 2;
    QTest::newRow("years not a number") << words("generate new.db --years many") << 2;
    QTest::newRow("zero years") << words("generate new.db --years 0") << 2;
    QTest::newRow("no statement") << words("query demo.db") << 2;
    QTest::newRow("missing database") << words("query new.db") + QStringList{"SELECT 1"} << 1;
    QTest::newRow("failing statement")
        << words("query demo.db") + QStringList{"SELECT * FROM [BF_Nothing]"} << 1;
}

void tst_VerdaloDb::badArguments()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    const Result result = run(args);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY(!result.err.trimmed().isEmpty());
    QVERIFY(result.out.isEmpty());
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("new.db"))));
}

void tst_VerdaloDb::queryPrintsTabSeparatedRows_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    QTest::newRow("rows, Null empty, flags 0 or 1")
        << QStringLiteral("SELECT MeasurementUnitID, MeasurementUnitName, Note, SystemDefaultUnit "
                          "FROM [BC_MeasurementUnit] WHERE MeasurementUnitID IN (1, 5) "
                          "ORDER BY MeasurementUnitID")
        << QStringLiteral("1\t公斤\t\t0\n5\t台斤\t\t1\n");
    QTest::newRow("program's dialect and server functions")
        << QStringLiteral("SELECT TOP 1 ISNULL(Note, 'none'), dbo.FORMAT(1234, '###,##0') "
                          "FROM [BC_MeasurementUnit] ORDER BY MeasurementUnitID")
        << QStringLiteral("none\t1,234\n");
    QTest::newRow("no rows")
        << QStringLiteral("SELECT * FROM [BF_Product] WHERE ProductID = 'NONE'") << QString();
}

void tst_VerdaloDb::queryPrintsTabSeparatedRows()
{
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    const Result result = run({QStringLiteral("query"), QStringLiteral("demo.db"), statement});
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    QCOMPARE(result.out, expected);
}

void tst_VerdaloDb::promisedContent_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    const auto demo = [](const char *name, const char *statement, const QString &expected) {
        QTest::newRow(name) << QStringLiteral("demo.db") << QString::fromUtf8(statement)
                            << expected + QLatin1Char('\n');
    };
    demo("products", "SELECT COUNT(*) FROM [BF_Product]", QStringLiteral("60"));
    demo("suppliers", "SELECT COUNT(*) FROM [BF_Supplier]", QStringLiteral("8"));
    demo("customers", "SELECT COUNT(*) FROM [BF_Customer]", QStringLiteral("25"));
    demo("every payment type", "SELECT COUNT(DISTINCT PaymentTypeID) FROM [BF_Customer]",
         QStringLiteral("5"));
    demo("sold by catty, kilogram and box",
         "SELECT COUNT(DISTINCT MeasurementUnitID), MIN(MeasurementUnitID), "
         "MAX(MeasurementUnitID) FROM [BF_Product]", QStringLiteral("3\t1\t10"));
    demo("categories in use", "SELECT COUNT(DISTINCT ProductCategoryID) FROM [BF_Product]",
         QStringLiteral("5"));
    demo("one default company title",
         "SELECT COUNT(*), SUM(SystemDefault) FROM [BF_SelfCompanyTitle]", QStringLiteral("2\t1"));
    demo("parties name existing titles",
         "SELECT COUNT(*) FROM [BF_Customer] WHERE SelfCompanyTitleID NOT IN "
         "(SELECT SelfCompanyID FROM [BF_SelfCompanyTitle])", QStringLiteral("0"));
    demo("a few barcode products",
         "SELECT CASE WHEN SUM(IsPrintBarCode) BETWEEN 2 AND 20 THEN 1 ELSE 0 END "
         "FROM [BF_Product]",
         QStringLiteral("1"));
    demo("one stock adjustment", "SELECT COUNT(*), MIN(StockRoomID) FROM [OR_HeadStockTaking]",
         QStringLiteral("1\tZZZZ"));
    demo("a few quotations",
         "SELECT CASE WHEN COUNT(*) BETWEEN 2 AND 30 THEN 1 ELSE 0 END "
         "FROM [OR_HeadCustomerQuote]",
         QStringLiteral("1"));
    demo("a few nullified documents",
         "SELECT CASE WHEN (SELECT COUNT(*) FROM [OR_HeadCustomerOrder] WHERE Active = 0) "
         "+ (SELECT COUNT(*) FROM [OR_HeadOutOrder] WHERE Active = 0) "
         "+ (SELECT COUNT(*) FROM [OR_HeadInStock] WHERE Active = 0) BETWEEN 2 AND 40 "
         "THEN 1 ELSE 0 END", QStringLiteral("1"));
    const QDate last = lastTradingDay(m_today);
    QDate first = m_today.addMonths(-3).addDays(1);
    if (first.dayOfWeek() == Qt::Sunday)
        first = first.addDays(1);
    demo("three months of orders up to today",
         "SELECT MIN(OrderDate), MAX(OrderDate) FROM [OR_HeadCustomerOrder]",
         first.toString(QStringLiteral("yyyy-MM-dd 00:00:00\t"))
             + last.toString(QStringLiteral("yyyy-MM-dd 00:00:00")));
    demo("the last day's orders still open",
         "SELECT COUNT(DISTINCT OrderDate) FROM [OR_HeadCustomerOrder] "
         "WHERE Active = 1 AND IsCompleteOutOrder = 0", QStringLiteral("1"));

    const auto busy = [](const char *name, const char *statement, const char *expected) {
        QTest::newRow(name) << QStringLiteral("busy.db") << QString::fromUtf8(statement)
                            << QString::fromUtf8(expected) + QLatin1Char('\n');
    };
    busy("busy products", "SELECT COUNT(*), COUNT(DISTINCT ProductName) FROM [BF_Product]",
         "500\t500");
    busy("busy customers", "SELECT COUNT(*) FROM [BF_Customer]", "200");
    busy("busy suppliers", "SELECT COUNT(*) FROM [BF_Supplier]", "40");
    busy("no trade on Sundays",
         "SELECT COUNT(*) FROM [OR_HeadCustomerOrder] WHERE strftime('%w', OrderDate) = '0'", "0");
    busy("about 250 documents a trading day",
         "SELECT CASE WHEN COUNT(*) * 1.0 / COUNT(DISTINCT OrderDate) BETWEEN 200 AND 300 "
         "THEN 1 ELSE 0 END FROM (SELECT OrderDate FROM [OR_HeadCustomerOrder] "
         "UNION ALL SELECT OrderDate FROM [OR_HeadOutOrder] "
         "UNION ALL SELECT OrderDate FROM [OR_HeadInStock]) AS D", "1");
}

void tst_VerdaloDb::promisedContent()
{
    QFETCH(QString, file);
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(query(file, statement), expected);
}

void tst_VerdaloDb::tradeIsConsistent_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    addForBothSets("orders taken over", QStringLiteral(
        "SELECT CASE WHEN COUNT(*) > 0 THEN 1 ELSE 0 END FROM [OR_HeadCustomerOrder] "
        "WHERE IsCompleteOutOrder = 1"), QStringLiteral("1\n"));
    addForBothSets("taken-over order without its delivery", QStringLiteral(
        "SELECT COUNT(*) FROM [OR_HeadCustomerOrder] AS O WHERE O.IsCompleteOutOrder = 1 "
        "AND NOT EXISTS (SELECT 1 FROM [OR_HeadOutOrder] AS D WHERE D.OrderID = O.OutOrderID "
        "AND D.CustomerOrderID = O.OrderID AND D.CustomerID = O.CustomerID AND D.Active = 1)"),
        QStringLiteral("0\n"));
    addForBothSets("delivery whose order does not name it", QStringLiteral(
        "SELECT COUNT(*) FROM [OR_HeadOutOrder] AS D WHERE D.Active = 1 "
        "AND D.CustomerOrderID IS NOT NULL AND NOT EXISTS (SELECT 1 FROM [OR_HeadCustomerOrder] "
        "AS O WHERE O.OrderID = D.CustomerOrderID AND O.OutOrderID = D.OrderID)"),
        QStringLiteral("0\n"));
    addForBothSets("delivered product that was not ordered", QStringLiteral(
        "SELECT COUNT(*) FROM [OR_DetailOutOrder] AS L INNER JOIN [OR_HeadOutOrder] AS D "
        "ON D.OrderID = L.OrderID WHERE D.CustomerOrderID IS NOT NULL AND NOT EXISTS "
        "(SELECT 1 FROM [OR_DetailCustomerOrder] AS OL WHERE OL.OrderID = D.CustomerOrderID "
        "AND OL.ProductID = L.ProductID)"), QStringLiteral("0\n"));
    addForBothSets("negative stock", QStringLiteral(
        "SELECT COUNT(*) FROM [VSM_ProductStock] WHERE StockQty < -0.0001"),
        QStringLiteral("0\n"));
    addForBothSets("catties not in whole taels", QStringLiteral(
        "SELECT (SELECT COUNT(*) FROM [OR_DetailCustomerOrder] WHERE MeasurementUnitID = 5 "
        "AND Qty * 16 <> ROUND(Qty * 16, 0)) + (SELECT COUNT(*) FROM [OR_DetailOutOrder] "
        "WHERE MeasurementUnitID = 5 AND Qty * 16 <> ROUND(Qty * 16, 0)) "
        "+ (SELECT COUNT(*) FROM [OR_DetailStockTaking] WHERE MeasurementUnitID = 5 "
        "AND STQty * 16 <> ROUND(STQty * 16, 0))"), QStringLiteral("0\n"));
    addForBothSets("nullified without who and when", QStringLiteral(
        "SELECT COUNT(*) FROM (SELECT Active, IdUserNullify, TimeNullify "
        "FROM [OR_HeadCustomerOrder] "
        "UNION ALL SELECT Active, IdUserNullify, TimeNullify FROM [OR_HeadOutOrder] "
        "UNION ALL SELECT Active, IdUserNullify, TimeNullify FROM [OR_HeadInStock]) AS H "
        "WHERE Active <> CASE WHEN IdUserNullify = 'SUPERVISOR' AND TimeNullify IS NOT NULL "
        "THEN 0 ELSE 1 END"),
        QStringLiteral("0\n"));
    addForBothSets("order lines as the order window writes them", QStringLiteral(
        "SELECT COUNT(*) FROM [OR_DetailCustomerOrder] "
        "WHERE ColumnIndex <> 0 OR RowIndex <> ItemNo OR ItemActive <> 1"), QStringLiteral("0\n"));
    addForBothSets("lines not numbered 1 to n", QStringLiteral(
        "SELECT COUNT(*) FROM (SELECT OrderID, ItemNo FROM [OR_DetailCustomerOrder] "
        "UNION ALL SELECT OrderID, ItemNo FROM [OR_DetailOutOrder] "
        "UNION ALL SELECT OrderID, ItemNo FROM [OR_DetailInStock] "
        "UNION ALL SELECT OrderID, ItemNo FROM [OR_DetailCustomerQuote]) AS L "
        "GROUP BY OrderID HAVING MIN(ItemNo) <> 1 OR MAX(ItemNo) <> COUNT(*)"), QString());
    addForBothSets("documents without lines", QStringLiteral(
        "SELECT COUNT(*) FROM (SELECT OrderID FROM [OR_HeadCustomerOrder] "
        "UNION ALL SELECT OrderID FROM [OR_HeadOutOrder] UNION ALL SELECT OrderID FROM "
        "[OR_HeadInStock] UNION ALL SELECT OrderID FROM [OR_HeadCustomerQuote]) AS H "
        "WHERE H.OrderID NOT IN (SELECT OrderID FROM [OR_DetailCustomerOrder] "
        "UNION SELECT OrderID FROM [OR_DetailOutOrder] UNION SELECT OrderID FROM "
        "[OR_DetailInStock] UNION SELECT OrderID FROM [OR_DetailCustomerQuote])"),
        QStringLiteral("0\n"));
}

void tst_VerdaloDb::tradeIsConsistent()
{
    QFETCH(QString, file);
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(query(file, statement), expected);
}

void tst_VerdaloDb::documentNumbersCountPerPartyAndMonth_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("partyColumn");
    const char *types[][3] = {{"A", "OR_HeadCustomerQuote", "CustomerID"},
                              {"G", "OR_HeadCustomerOrder", "CustomerID"},
                              {"K", "OR_HeadInStock", "SupplierID"},
                              {"Q", "OR_HeadOutOrder", "CustomerID"},
                              {"X", "OR_HeadStockTaking", "StockRoomID"}};
    for (const char *file : {"demo.db", "busy.db"})
        for (const auto &type : types)
            QTest::addRow("%s %s", file, type[1])
                << QString::fromLatin1(file) << QString::fromLatin1(type[0])
                << QString::fromLatin1(type[1]) << QString::fromLatin1(type[2]);
}

void tst_VerdaloDb::documentNumbersCountPerPartyAndMonth()
{
    QFETCH(QString, file);
    QFETCH(QString, letter);
    QFETCH(QString, table);
    QFETCH(QString, partyColumn);
    const QString statement = QStringLiteral("SELECT OrderID, %1, OrderDate FROM [%2] "
                                             "ORDER BY OrderID").arg(partyColumn, table);
    const QStringList rows = query(file, statement).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QHash<QString, int> lastSequence;
    for (const QString &row : rows) {
        const QStringList cells = row.split(QLatin1Char('\t'));
        const QDate date = QDate::fromString(cells.at(2).left(10), QStringLiteral("yyyy-MM-dd"));
        // Type letter, year, party, month, then the running number of that party's month.
        const QString prefix = letter + date.toString(QStringLiteral("yy")) + cells.at(1)
                               + date.toString(QStringLiteral("MM"));
        QVERIFY2(cells.at(0).startsWith(prefix), qPrintable(row));
        const QString sequence = cells.at(0).mid(prefix.size());
        QCOMPARE(sequence.size(), 3);
        QCOMPARE(sequence.toInt(), ++lastSequence[prefix]);
    }
    if (letter != QLatin1String("X") || file == QLatin1String("demo.db"))
        QVERIFY(!rows.isEmpty());
}

void tst_VerdaloDb::demoIsTheSameEveryTime()
{
    const Result again = run({QStringLiteral("demo"), QStringLiteral("again.db")});
    QVERIFY2(again.exitCode == 0, qPrintable(again.err));
    if (QDate::currentDate() != m_today)
        QSKIP("the day changed between the two demos");
    for (const char *statement :
         {"SELECT * FROM [BF_Customer] ORDER BY CustomerID",
          "SELECT * FROM [OR_HeadOutOrder] ORDER BY OrderID",
          "SELECT * FROM [OR_DetailInStock] ORDER BY OrderID, ItemNo"}) {
        const QString first = query(QStringLiteral("demo.db"), QString::fromLatin1(statement));
        QVERIFY(!first.isEmpty());
        QCOMPARE(query(QStringLiteral("again.db"), QString::fromLatin1(statement)), first);
    }
}

QTEST_GUILESS_MAIN(tst_VerdaloDb)
#include "tst_verdalodb.moc"
