// Reading through Recordset against a bare sqlite3_step loop over the same translated
// statement, and the cost of translating a statement.
#include "data/Connection.h"
#include "data/Recordset.h"
#include "data/SqliteDialect.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>

namespace {

constexpr int Rows = 100000;

void fill(const QString &path)
{
    sqlite3 *db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, "CREATE TABLE T (ID INTEGER PRIMARY KEY, A NVARCHAR(16), B NVARCHAR(16), "
                     "C REAL, D REAL, E INTEGER, F NVARCHAR(32), G NVARCHAR(8), H REAL, I INTEGER);"
                     "BEGIN;", nullptr, nullptr, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO T VALUES (?,?,?,?,?,?,?,?,?,?)", -1, &stmt, nullptr);
    for (int i = 0; i < Rows; ++i) {
        const QByteArray code = QByteArray::number(i).rightJustified(6, '0');
        sqlite3_bind_int(stmt, 1, i);
        sqlite3_bind_text(stmt, 2, ("P" + code).constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 3, "高麗菜", -1, SQLITE_STATIC);
        sqlite3_bind_double(stmt, 4, i * 0.25);
        sqlite3_bind_double(stmt, 5, 12.5);
        sqlite3_bind_int(stmt, 6, i % 7);
        sqlite3_bind_text(stmt, 7, "note text for the row", -1, SQLITE_STATIC);
        sqlite3_bind_text(stmt, 8, "S001", -1, SQLITE_STATIC);
        sqlite3_bind_double(stmt, 9, 3.75);
        sqlite3_bind_int(stmt, 10, 1);
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// The bare loop does what a caller needs at least: every value read into a QVariant.
double rawRead(const QString &path, const QString &sql, qint64 &checksum)
{
    sqlite3 *db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    QElapsedTimer timer;
    timer.start();
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare16_v2(db, sql.utf16(), int(sql.size() * 2), &stmt, nullptr);
    const int columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            QVariant v;
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER: v = qlonglong(sqlite3_column_int64(stmt, c)); break;
            case SQLITE_FLOAT: v = sqlite3_column_double(stmt, c); break;
            case SQLITE_TEXT:
                v = QString(reinterpret_cast<const QChar *>(sqlite3_column_text16(stmt, c)),
                            sqlite3_column_bytes16(stmt, c) / 2);
                break;
            default: break;
            }
            checksum += v.isValid();
        }
    }
    sqlite3_finalize(stmt);
    const double ms = timer.nsecsElapsed() / 1e6;
    sqlite3_close(db);
    return ms;
}

double recordsetRead(const QString &path, const QString &sql, qint64 &checksum)
{
    Connection connection;
    connection.open(QStringLiteral("Data Source=") + path);
    QElapsedTimer timer;
    timer.start();
    Recordset rs;
    rs.open(sql, connection);
    const int columns = rs.fieldCount();
    for (; !rs.eof(); rs.moveNext())
        for (int c = 0; c < columns; ++c)
            checksum += rs.value(c).isValid();
    return timer.nsecsElapsed() / 1e6;
}

QString longStatement()
{
    QString sql = QStringLiteral("SELECT TOP 100 P.ProductID + '：' + P.ProductName AS ListField, ");
    while (sql.size() < 1000)
        sql += QStringLiteral("ISNULL(P.Price, 0) * 2 AS X, CAST(P.Cost AS DECIMAL(10,2)) AS Y, ");
    return sql + QStringLiteral("P.ProductID FROM [BF_Product] AS P WHERE (P.InActive = 0) ");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.db"));
    fill(path);

    SqliteDialect dialect;
    const QString sql = dialect.translate(QStringLiteral("SELECT * FROM [T] "));
    qint64 rawSum = 0, rsSum = 0;
    double raw = 1e9, rs = 1e9;
    for (int round = 0; round < 3; ++round) { // best of three, the first warms the cache
        raw = qMin(raw, rawRead(path, sql, rawSum));
        rs = qMin(rs, recordsetRead(path, sql, rsSum));
    }
    std::printf("read %d rows x 10 columns: sqlite3_step %.1f ms, Recordset %.1f ms, ratio %.2f "
                "(target <= 1.3)\n", Rows, raw, rs, rs / raw);

    const QString statement = longStatement();
    constexpr int Repeats = 2000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Repeats; ++i) {
        SqliteDialect fresh;
        fresh.translate(statement + QString::number(i));
    }
    const double first = timer.nsecsElapsed() / 1e3 / Repeats;
    timer.restart();
    for (int i = 0; i < Repeats * 100; ++i)
        dialect.translate(statement);
    const double cached = timer.nsecsElapsed() / 1e3 / (Repeats * 100);
    std::printf("translate a %lld-character statement: first %.1f us (target <= 100), "
                "cached %.2f us (target <= 2)\n", qlonglong(statement.size()), first, cached);
    return rawSum == rsSum ? 0 : 1;
}
