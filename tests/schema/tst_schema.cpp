#include "data/Connection.h"
#include "data/Recordset.h"
#include "data/modDB.h"
#include "tests/support/TestDatabase.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

class tst_Schema : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bothEnginesHaveTheSameObjects();
    void seedRows();
    void stockView();
    void stockTotalsFollowEveryChange();
    void openOrderViews();
    void documentLineViews();
};

namespace {

using Columns = QMap<QString, QStringList>; // object name → column names in order

QString serverScripts()
{
    QString all;
    const QDir dir(QStringLiteral(VERDALO_SOURCE_DIR "/data/schema/mssql"));
    for (const QString &name : dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            all += QString::fromUtf8(file.readAll()) + QLatin1Char('\n');
    }
    return all;
}

// Tables list one column a line; views end every top-level select item with "AS Name".
void parseServerScripts(Columns &tables, Columns &views)
{
    static const QRegularExpression createTable(QStringLiteral(R"(^CREATE TABLE (?:dbo\.)?\[?(\w+)\]?)"));
    static const QRegularExpression createView(QStringLiteral(R"(^CREATE VIEW (?:dbo\.)?\[?(\w+)\]?)"));
    static const QRegularExpression column(QStringLiteral(R"(^\s+\[?(\w+)\]?\s+\w+)"));
    static const QRegularExpression alias(QStringLiteral(R"(\bAS\s+\[?(\w+)\]?,?\s*$)"));
    QString table, view;
    bool inSelectList = false;
    for (const QString &line : serverScripts().split(QLatin1Char('\n'))) {
        QRegularExpressionMatch m;
        if ((m = createTable.match(line)).hasMatch()) {
            table = m.captured(1);
        } else if ((m = createView.match(line)).hasMatch()) {
            view = m.captured(1);
            inSelectList = true;
        } else if (!table.isEmpty()) {
            if (line.startsWith(QLatin1Char(')'))) {
                table.clear();
            } else if ((m = column.match(line)).hasMatch()
                       && !QStringList{"PRIMARY", "CONSTRAINT", "UNIQUE"}.contains(m.captured(1).toUpper())) {
                tables[table] << m.captured(1);
            }
        } else if (inSelectList) {
            if (line.startsWith(QLatin1String("FROM")))
                inSelectList = false;
            else if ((m = alias.match(line)).hasMatch())
                views[view] << m.captured(1);
        }
    }
}

void readEmbedded(Columns &tables, Columns &views)
{
    TestDatabase db;
    Connection c;
    c.open(QStringLiteral("Data Source=") + db.path());
    const ResultTable objects = c.query(QStringLiteral(
        "SELECT name, type FROM sqlite_master WHERE type IN ('table','view') AND name NOT LIKE 'sqlite_%'"));
    for (int r = 0; r < objects.rowCount(); ++r) {
        const QString name = objects.cells.at(r * 2).toString();
        const ResultTable info = c.query(QStringLiteral("PRAGMA table_info(\"%1\")").arg(name));
        Columns &target = objects.cells.at(r * 2 + 1).toString() == QLatin1String("table") ? tables : views;
        for (int i = 0; i < info.rowCount(); ++i)
            target[name] << info.cells.at(i * info.columnCount() + 1).toString();
    }
}

QString scalar(const QString &sql) { return modDB::GetString(sql); }

// Two products (catty and box), a supplier, documents valid and nullified.
const char *const Fixture = R"(
INSERT INTO BF_Supplier (SupplierID, SupplierName) VALUES ('S001', '綠野農場');
INSERT INTO BF_Customer (CustomerID, CustomerName) VALUES ('C001', '好味餐廳');
INSERT INTO BF_Product (ProductID, ProductName, SupplierID, Price, Cost, MeasurementUnitID)
    VALUES ('V001', '高麗菜', 'S001', 30, 20, 5), ('B001', '香蕉箱', 'S001', 500, 400, 10),
           ('N001', '沒單據', 'S001', 10, 5, 5);
INSERT INTO OR_HeadInStock (OrderID, SupplierID, OrderDate, Active) VALUES
    ('K26S00112001', 'S001', '2026-12-01 00:00:00', 1), ('K26S00112002', 'S001', '2026-12-02 00:00:00', 0);
INSERT INTO OR_DetailInStock (OrderID, ItemNo, ProductID, MeasurementUnitID, Cost, Qty) VALUES
    ('K26S00112001', 1, 'V001', 5, 20, 100), ('K26S00112001', 2, 'V001', 1, 30, 6),
    ('K26S00112001', 3, 'B001', 10, 400, 3), ('K26S00112002', 1, 'V001', 5, 20, 999);
INSERT INTO OR_HeadOutOrder (OrderID, CustomerID, OrderDate, Active) VALUES
    ('Q26C00112001', 'C001', '2026-12-03 00:00:00', 1);
INSERT INTO OR_DetailOutOrder (OrderID, ItemNo, ProductID, MeasurementUnitID, Price, Qty) VALUES
    ('Q26C00112001', 1, 'V001', 5, 30, 30.5), ('Q26C00112001', 2, 'B001', 10, 500, 1);
INSERT INTO OR_HeadStockTaking (OrderID, StockRoomID, OrderDate, Active) VALUES
    ('X26ZZZZ12001', 'ZZZZ', '2026-12-04 00:00:00', 1);
INSERT INTO OR_DetailStockTaking (OrderID, ItemNo, ProductID, MeasurementUnitID, STQty, ItemActive) VALUES
    ('X26ZZZZ12001', 1, 'V001', 5, -2, 1), ('X26ZZZZ12001', 2, 'V001', 5, -50, 0);
INSERT INTO OR_HeadCustomerOrder (OrderID, CustomerID, OrderDate, Active, IsCompleteOutOrder) VALUES
    ('G26C00112001', 'C001', '2026-12-05 00:00:00', 1, 0),
    ('G26C00112002', 'C001', '2026-12-05 00:00:00', 1, 1),
    ('G26C00112003', 'C001', '2026-12-05 00:00:00', 0, 0);
INSERT INTO OR_DetailCustomerOrder (OrderID, ItemNo, ProductID, MeasurementUnitID, Qty, ItemActive) VALUES
    ('G26C00112001', 1, 'V001', 5, 12, 1), ('G26C00112001', 2, 'V001', 1, 1.2, 1),
    ('G26C00112001', 3, 'V001', 5, 40, 0), ('G26C00112002', 1, 'V001', 5, 7, 1),
    ('G26C00112003', 1, 'V001', 5, 9, 1);
)";

// The stock view as plain sums over the document lines: what the running totals must match.
const char *const SummedStock = R"(
SELECT ProductID, ProductName, SupplierID, ProductCategoryID, FinalMeasurementUnitID,
       FinalMeasurementUnitName, InQty, OutQty, STQty, InQty - OutQty + STQty, FinalCost, FinalPrice
FROM (
    SELECT F.ProductID, F.ProductName, F.SupplierID, F.ProductCategoryID, F.FinalMeasurementUnitID,
        F.FinalMeasurementUnitName,
        IFNULL((SELECT SUM(D.Qty * IFNULL(T.TransformFactor, 1))
            FROM OR_DetailInStock AS D
            INNER JOIN OR_HeadInStock AS H ON H.OrderID = D.OrderID
            LEFT JOIN SC_MeasurementUnitTransform AS T
                ON T.FromUnitID = D.MeasurementUnitID AND T.ToUnitID = F.FinalMeasurementUnitID
            WHERE D.ProductID = F.ProductID AND H.Active = 1), 0) AS InQty,
        IFNULL((SELECT SUM(D.Qty * IFNULL(T.TransformFactor, 1))
            FROM OR_DetailOutOrder AS D
            INNER JOIN OR_HeadOutOrder AS H ON H.OrderID = D.OrderID
            LEFT JOIN SC_MeasurementUnitTransform AS T
                ON T.FromUnitID = D.MeasurementUnitID AND T.ToUnitID = F.FinalMeasurementUnitID
            WHERE D.ProductID = F.ProductID AND H.Active = 1), 0) AS OutQty,
        IFNULL((SELECT SUM(D.STQty * IFNULL(T.TransformFactor, 1))
            FROM OR_DetailStockTaking AS D
            INNER JOIN OR_HeadStockTaking AS H ON H.OrderID = D.OrderID
            LEFT JOIN SC_MeasurementUnitTransform AS T
                ON T.FromUnitID = D.MeasurementUnitID AND T.ToUnitID = F.FinalMeasurementUnitID
            WHERE D.ProductID = F.ProductID AND H.Active = 1 AND D.ItemActive = 1), 0) AS STQty,
        F.Cost / F.FinalTransformFactor AS FinalCost,
        F.Price / F.FinalTransformFactor AS FinalPrice
    FROM V_ProductFinalUnit AS F
)
ORDER BY ProductID
)";

bool isNumber(const QVariant &v)
{
    const int type = v.typeId();
    return type == QMetaType::Int || type == QMetaType::LongLong || type == QMetaType::Double;
}

// Whole sums must come out exact (no residue of decimals added and taken back);
// others may differ in the last bits, as converting before or after summing does.
bool sameCell(const QVariant &actual, const QVariant &expected)
{
    if (!isNumber(actual) || !isNumber(expected))
        return actual.isNull() == expected.isNull() && actual.toString() == expected.toString();
    const double a = actual.toDouble(), e = expected.toDouble();
    return e == std::round(e) ? a == e : std::abs(a - e) <= 1e-9 * qMax(1.0, std::abs(e));
}

} // namespace

void tst_Schema::bothEnginesHaveTheSameObjects()
{
    Columns serverTables, serverViews, embeddedTables, embeddedViews;
    parseServerScripts(serverTables, serverViews);
    readEmbedded(embeddedTables, embeddedViews);
    // The server sums document lines in its view; only the embedded engine keeps running totals.
    QCOMPARE(embeddedTables.remove(QStringLiteral("SM_ProductStockTotal")), qsizetype(1));
    QVERIFY(serverTables.size() >= 22);
    QCOMPARE(serverTables, embeddedTables);
    QVERIFY(serverViews.contains(QStringLiteral("VSM_ProductStock")));
    QCOMPARE(serverViews, embeddedViews);
}

void tst_Schema::seedRows()
{
    TestDatabase db;
    QCOMPARE(scalar(QStringLiteral("SELECT MeasurementUnitName FROM [BC_MeasurementUnit] WHERE SystemDefaultUnit = 1")),
             QStringLiteral("台斤"));
    QCOMPARE(scalar(QStringLiteral("SELECT UnitSeparateString FROM [BC_MeasurementUnit] WHERE MeasurementUnitID = 5")),
             QStringLiteral("/"));
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT COUNT(*) FROM [SC_MeasurementUnitTransform]")), 25);
    QCOMPARE(modDB::GetDouble(QStringLiteral("SELECT TransformFactor FROM [SC_MeasurementUnitTransform] WHERE FromUnitID = 5 AND ToUnitID = 2")), 600.0);
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT COUNT(*) FROM [SC_PaymentType]")), 5);
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT FixedLengthProductID FROM [SS_SystemSetting] WHERE ID = 1")), 4);
    QVERIFY(modDB::HasValue(QStringLiteral("SELECT IdUser FROM [BF_User] WHERE IdUser = 'supervisor'")));
    db.exec(QStringLiteral("INSERT INTO BC_MeasurementUnit (MeasurementUnitName) VALUES ('籃');"));
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT MAX(MeasurementUnitID) FROM [BC_MeasurementUnit]")), 15);
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT ItemActive FROM [OR_DetailCustomerOrder] WHERE 1 = 0")), 0);
}

void tst_Schema::stockView()
{
    TestDatabase db;
    db.exec(QString::fromUtf8(Fixture));
    // 100 catties + 6 kg (10 catties) in, 30.5 out, -2 adjusted; the nullified and the
    // inactive adjustment line don't count.
    QCOMPARE(modDB::GetDouble(QStringLiteral("SELECT StockQty FROM [VSM_ProductStock] WHERE ProductID = 'V001'")), 77.5);
    QCOMPARE(modDB::GetDouble(QStringLiteral("SELECT InQty FROM [VSM_ProductStock] WHERE ProductID = 'V001'")), 110.0);
    QCOMPARE(modDB::GetDouble(QStringLiteral("SELECT STQty FROM [VSM_ProductStock] WHERE ProductID = 'V001'")), -2.0);
    QCOMPARE(modDB::GetDouble(QStringLiteral("SELECT StockQty FROM [VSM_ProductStock] WHERE ProductID = 'B001'")), 2.0);
    QCOMPARE(scalar(QStringLiteral("SELECT FinalMeasurementUnitName FROM [VSM_ProductStock] WHERE ProductID = 'B001'")),
             QStringLiteral("箱"));
    QCOMPARE(scalar(QStringLiteral("SELECT StockQty FROM [VSM_ProductStock] WHERE ProductID = 'N001'")),
             QStringLiteral("0"));
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT COUNT(*) FROM [VSM_ProductStock]")), 3);
    QCOMPARE(scalar(QStringLiteral("SELECT dbo.GetFinalQty(StockQty, FinalMeasurementUnitID) FROM [VSM_ProductStock] WHERE ProductID = 'V001'")),
             QStringLiteral("77/8"));
}

void tst_Schema::stockTotalsFollowEveryChange()
{
    TestDatabase db;
    db.exec(QString::fromUtf8(Fixture));
    const struct { const char *name, *sql; } steps[] = {
        {"the fixture", ""},
        {"lines with decimals, a case-folded product, no product, no quantity, no unit", R"(
            INSERT INTO OR_DetailInStock (OrderID, ItemNo, ProductID, MeasurementUnitID, Qty) VALUES
                ('K26S00112001', 4, 'B001', 10, 0.1), ('K26S00112001', 5, 'B001', 10, 0.2),
                ('K26S00112001', 6, 'b001', 10, 0.3), ('K26S00112001', 7, NULL, 10, 5),
                ('K26S00112001', 8, 'V001', 5, NULL), ('K26S00112001', 9, 'V001', NULL, 4);
            INSERT INTO OR_DetailOutOrder (OrderID, ItemNo, ProductID, MeasurementUnitID, Qty) VALUES
                ('Q26C00112001', 3, 'V001', 1, 1.5);
            INSERT INTO OR_DetailStockTaking (OrderID, ItemNo, ProductID, MeasurementUnitID, STQty, ItemActive)
                VALUES ('X26ZZZZ12001', 3, 'B001', 10, 0.25, 1))"},
        {"quantities changed", R"(
            UPDATE OR_DetailInStock SET Qty = 0.7 WHERE OrderID = 'K26S00112001' AND ItemNo = 5;
            UPDATE OR_DetailOutOrder SET Qty = 2.25 WHERE OrderID = 'Q26C00112001' AND ItemNo = 1;
            UPDATE OR_DetailStockTaking SET STQty = -3.5 WHERE OrderID = 'X26ZZZZ12001' AND ItemNo = 1)"},
        {"lines moved to another product", R"(
            UPDATE OR_DetailInStock SET ProductID = 'N001' WHERE OrderID = 'K26S00112001' AND ItemNo = 1;
            UPDATE OR_DetailOutOrder SET ProductID = 'N001' WHERE OrderID = 'Q26C00112001' AND ItemNo = 2;
            UPDATE OR_DetailInStock SET ProductID = 'V001' WHERE OrderID = 'K26S00112001' AND ItemNo = 7)"},
        {"units of lines changed", R"(
            UPDATE OR_DetailInStock SET MeasurementUnitID = 1 WHERE OrderID = 'K26S00112001' AND ItemNo = 9;
            UPDATE OR_DetailStockTaking SET MeasurementUnitID = 1 WHERE OrderID = 'X26ZZZZ12001' AND ItemNo = 1)"},
        {"a stock-in nullified", "UPDATE OR_HeadInStock SET Active = 0 WHERE OrderID = 'K26S00112001'"},
        {"stock-ins restored", "UPDATE OR_HeadInStock SET Active = 1"},
        {"a line deleted", "DELETE FROM OR_DetailInStock WHERE OrderID = 'K26S00112001' AND ItemNo = 4"},
        {"the decimals taken back", "DELETE FROM OR_DetailInStock WHERE OrderID = 'K26S00112001' AND ItemNo IN (5, 6)"},
        {"adjustment lines made inactive and active", R"(
            UPDATE OR_DetailStockTaking SET ItemActive = 0 WHERE OrderID = 'X26ZZZZ12001' AND ItemNo = 1;
            UPDATE OR_DetailStockTaking SET ItemActive = 1 WHERE OrderID = 'X26ZZZZ12001' AND ItemNo = 2)"},
        {"lines before their heads", R"(
            INSERT INTO OR_DetailInStock (OrderID, ItemNo, ProductID, MeasurementUnitID, Qty) VALUES
                ('K26S00112003', 1, 'B001', 10, 2), ('K26S00112004', 1, 'B001', 10, 8),
                ('K26S00112005', 1, 'N001', 5, 7);
            INSERT INTO OR_DetailOutOrder (OrderID, ItemNo, ProductID, MeasurementUnitID, Qty) VALUES
                ('Q26C00112002', 1, 'V001', 5, 12.5), ('Q26C00112002', 2, 'V001', 5, 0.5);
            INSERT INTO OR_DetailStockTaking (OrderID, ItemNo, ProductID, MeasurementUnitID, STQty, ItemActive)
                VALUES ('X26ZZZZ12002', 1, 'B001', 10, 4, 1), ('X26ZZZZ12003', 1, 'V001', 5, 1.25, 1))"},
        {"the heads, one nullified", R"(
            INSERT INTO OR_HeadInStock (OrderID, SupplierID, Active) VALUES
                ('K26S00112003', 'S001', 1), ('K26S00112004', 'S001', 0);
            INSERT INTO OR_HeadOutOrder (OrderID, CustomerID, Active) VALUES ('q26c00112002', 'C001', 1);
            INSERT INTO OR_HeadStockTaking (OrderID, StockRoomID, Active) VALUES
                ('X26ZZZZ12002', 'ZZZZ', 1), ('X26ZZZZ12003', 'ZZZZ', 0))"},
        {"a line moved to a nullified document", R"(
            UPDATE OR_HeadInStock SET Active = 0 WHERE OrderID = 'K26S00112002';
            UPDATE OR_DetailInStock SET OrderID = 'K26S00112002', ItemNo = 2 WHERE OrderID = 'K26S00112001' AND ItemNo = 3)"},
        {"lines of a nullified document changed and deleted", R"(
            UPDATE OR_DetailInStock SET Qty = 5 WHERE OrderID = 'K26S00112002' AND ItemNo = 2;
            DELETE FROM OR_DetailInStock WHERE OrderID = 'K26S00112002' AND ItemNo = 1)"},
        {"documents renumbered", R"(
            UPDATE OR_HeadStockTaking SET OrderID = 'X26ZZZZ12003', Active = 1 WHERE OrderID = 'X26ZZZZ12003';
            UPDATE OR_HeadStockTaking SET OrderID = 'X26ZZZZ12009' WHERE OrderID = 'X26ZZZZ12001';
            UPDATE OR_HeadInStock SET OrderID = 'K26S00112005' WHERE OrderID = 'K26S00112003')"},
        {"heads deleted", R"(
            DELETE FROM OR_HeadInStock WHERE OrderID = 'K26S00112005';
            DELETE FROM OR_HeadOutOrder WHERE OrderID = 'Q26C00112001';
            DELETE FROM OR_HeadStockTaking WHERE OrderID = 'X26ZZZZ12002')"},
        {"their lines deleted after them", R"(
            DELETE FROM OR_DetailInStock WHERE OrderID = 'K26S00112005';
            DELETE FROM OR_DetailOutOrder WHERE OrderID = 'Q26C00112001';
            DELETE FROM OR_DetailStockTaking WHERE OrderID = 'X26ZZZZ12002')"},
        {"a product's unit and a transform changed", R"(
            UPDATE BF_Product SET MeasurementUnitID = 10 WHERE ProductID = 'N001';
            UPDATE SC_MeasurementUnitTransform SET TransformFactor = 1.5 WHERE FromUnitID = 1 AND ToUnitID = 5)"},
    };
    Connection c;
    c.open(QStringLiteral("Data Source=") + db.path());
    for (const auto &step : steps) {
        db.exec(QString::fromUtf8(step.sql));
        const ResultTable expected = c.query(QString::fromUtf8(SummedStock));
        const ResultTable actual = c.query(QStringLiteral("SELECT * FROM VSM_ProductStock ORDER BY ProductID"));
        QCOMPARE(actual.rowCount(), 3);
        QCOMPARE(actual.rowCount(), expected.rowCount());
        QCOMPARE(actual.columnCount(), expected.columnCount());
        for (int i = 0; i < actual.cells.size(); ++i)
            QVERIFY2(sameCell(actual.cells.at(i), expected.cells.at(i)),
                     qPrintable(QStringLiteral("after %1: %2 of %3 is %4, summed %5")
                                    .arg(QString::fromUtf8(step.name), actual.names.at(i % actual.columnCount()),
                                         actual.cells.at(i - i % actual.columnCount()).toString(),
                                         actual.cells.at(i).toString(), expected.cells.at(i).toString())));
    }
}

void tst_Schema::openOrderViews()
{
    TestDatabase db;
    db.exec(QString::fromUtf8(Fixture));
    // Open order G…001: 12 catties + 1.2 kg (2 catties); the inactive line, the order taken
    // over and the nullified one don't count.
    QCOMPARE(modDB::GetDouble(QStringLiteral("SELECT OrdQty FROM [V_CustomerOrderInSupplierPrdtGroup] WHERE SupplierID = 'S001' AND ProductID = 'V001'")), 14.0);
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT COUNT(*) FROM [V_CustomerOrderInCustomer] WHERE CustomerID = 'C001'")), 1);
    QCOMPARE(modDB::GetDouble(QStringLiteral("SELECT FinalQty FROM [V_CustomerOrderInSuppier] WHERE OrderID = 'G26C00112001' AND MeasurementUnitID = 1")), 2.0);
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT COUNT(*) FROM [V_CustomerOrderInSuppier]")), 2);
}

void tst_Schema::documentLineViews()
{
    TestDatabase db;
    db.exec(QString::fromUtf8(Fixture));
    QCOMPARE(modDB::GetDouble(QStringLiteral("SELECT Amount FROM [VOR_InStock] WHERE OrderID = 'K26S00112001' AND ProductID = 'B001'")), 1200.0);
    QCOMPARE(modDB::GetDouble(QStringLiteral("SELECT Amount FROM [VOR_OutOrder] WHERE OrderID = 'Q26C00112001' AND ProductID = 'V001'")), 915.0);
    QCOMPARE(scalar(QStringLiteral("SELECT MeasurementUnitName FROM [VOR_CustomerOrder] WHERE OrderID = 'G26C00112001' AND MeasurementUnitID = 1")),
             QStringLiteral("公斤"));
    QCOMPARE(modDB::GetDouble(QStringLiteral("SELECT FinallPrice FROM [V_ProductPriceInSystemDefaultUnit] WHERE ProductID = 'V001'")), 30.0);
}

QTEST_MAIN(tst_Schema)
#include "tst_schema.moc"
