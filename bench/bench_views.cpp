// Stock and open-order views on the data set of a busy distributor, through the program's
// data layer against the same translated SQL run by the sqlite3 library directly.
// Usage: bench_views [FILE]   (FILE from: verdalo-db generate FILE --years 5)
#include "data/Connection.h"
#include "data/Recordset.h"
#include "data/SqliteDialect.h"
#include "units/ServerQuantityFunctions.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <sqlite3.h>

#include <cstdio>

namespace {

double rawMs(sqlite3 *db, const QString &sql)
{
    QElapsedTimer timer;
    timer.start();
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare16_v2(db, sql.utf16(), int(sql.size() * 2), &stmt, nullptr);
    const int columns = sqlite3_column_count(stmt);
    qint64 sink = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int c = 0; c < columns; ++c)
            sink += sqlite3_column_type(stmt, c);
    sqlite3_finalize(stmt);
    return timer.nsecsElapsed() / 1e6 + (sink < 0 ? 1 : 0);
}

double recordsetMs(Connection &connection, const QString &sql)
{
    QElapsedTimer timer;
    timer.start();
    Recordset rs;
    rs.open(sql, connection);
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/busy5.db");
    if (!QFile::exists(path)) {
        std::fprintf(stderr, "no data set at %s: make one with verdalo-db generate FILE --years 5\n",
                     qPrintable(path));
        return 2;
    }
    modSystem_TORVO::RegisterServerFunctions();
    Connection connection;
    connection.open(QStringLiteral("Data Source=sqlite:") + path);
    sqlite3 *raw = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr);

    const ResultTable one = connection.query(QStringLiteral("SELECT ProductID, SupplierID FROM [BF_Product] LIMIT 1"));
    const QString product = one.cells.value(0).toString(), supplier = one.cells.value(1).toString();
    const struct { const char *name; QString sql; double target; } cases[] = {
        {"VSM_ProductStock, all products", QStringLiteral("SELECT * FROM [VSM_ProductStock] "), 300},
        {"VSM_ProductStock, one product", QStringLiteral("SELECT * FROM [VSM_ProductStock] WHERE (ProductID = '%1') ").arg(product), 5},
        {"V_CustomerOrderInSupplierPrdtGroup, one supplier",
         QStringLiteral("SELECT * FROM [V_CustomerOrderInSupplierPrdtGroup] WHERE (SupplierID = '%1') ").arg(supplier), 50},
    };
    SqliteDialect dialect;
    for (const auto &c : cases) {
        recordsetMs(connection, c.sql); // warm the page cache
        // Best of a few runs: one run of a sub-millisecond query is mostly scheduling noise.
        double ours = 1e300, direct = 1e300;
        for (int run = 0; run < 5; ++run) {
            ours = qMin(ours, recordsetMs(connection, c.sql));
            direct = qMin(direct, rawMs(raw, dialect.translate(c.sql)));
        }
        std::printf("%-52s data layer %8.1f ms  sqlite3 %8.1f ms  ratio %.2f  (target <= %.0f ms, ratio <= 1.2)\n",
                    c.name, ours, direct, ours / qMax(direct, 0.001), c.target);
    }
    sqlite3_close(raw);
    return 0;
}
