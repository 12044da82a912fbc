// Filling and sorting a FlexGrid of 100,000 rows x 12 columns against a plain QTableView over a
// minimal model of QStrings, and the grid's memory a cell beyond the characters of the text.
// With "--grab file.png" it also saves a picture of a small grid with the program's font.
#include "data/Connection.h"
#include "data/Recordset.h"
#include "data/StoredDateTime.h"
#include "ui/FlexGrid.h"
#include "ui/FlexGridModel.h"
#include "ui/GridSort.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <numeric>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

constexpr int Rows = 100000;
constexpr int Rounds = 3;
constexpr int TextCol = 2;    // product names in no order
constexpr int NumberCol = 6;  // prices in no order

const char *const Names[] = {"高麗菜", "空心菜", "青江菜", "小白菜", "地瓜葉", "茄子",
                             "絲瓜",   "苦瓜",   "南瓜",   "芋頭",   "玉米筍", "香菜"};

void makeDatabase(const QString &path)
{
    sqlite3 *db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db,
                 "CREATE TABLE T (ID INTEGER PRIMARY KEY, ProductID NVARCHAR(12), "
                 "ProductName NVARCHAR(16), SupplierName NVARCHAR(16), Unit NVARCHAR(4), "
                 "Qty REAL, Price REAL, Cost REAL, Amount REAL, OrderDate DATETIME, "
                 "TimeModifyLast DATETIME, Note NVARCHAR(32)); BEGIN;",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO T VALUES (?,?,?,?,?,?,?,?,?,?,?,?)", -1, &stmt, nullptr);
    quint32 seed = 12345;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int i = 0; i < Rows; ++i) {
        const quint32 r = next();
        const QByteArray code = "P" + QByteArray::number(r % 1000000).rightJustified(6, '0');
        const QByteArray name = QByteArray(Names[r % 12]) + QByteArray::number(next() % 997);
        const QByteArray supplier = "S" + QByteArray::number(next() % 300);
        const double price = (next() % 100000) / 100.0;
        const QByteArray month = QByteArray::number(1 + next() % 12).rightJustified(2, '0');
        const QByteArray day = QByteArray::number(1 + next() % 28).rightJustified(2, '0');
        const QByteArray date = "2024-" + month + "-" + day;
        sqlite3_bind_int(stmt, 1, i);
        sqlite3_bind_text(stmt, 2, code.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 3, name.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 4, supplier.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 5, "斤", -1, SQLITE_STATIC);
        sqlite3_bind_double(stmt, 6, 1 + next() % 50);
        sqlite3_bind_double(stmt, 7, price);
        sqlite3_bind_double(stmt, 8, price * 0.8);
        sqlite3_bind_double(stmt, 9, price * 3);
        sqlite3_bind_text(stmt, 10, (date + " 00:00:00").constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 11, (date + " 14:30:00").constData(), -1, SQLITE_TRANSIENT);
        if (i % 3 == 0)
            sqlite3_bind_null(stmt, 12);
        else
            sqlite3_bind_text(stmt, 12, "備註", -1, SQLITE_STATIC);
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// The baseline: what a minimal model over QStrings needs to hold and sort the same rows.
class PlainModel : public QAbstractTableModel
{
public:
    int rowCount(const QModelIndex & = {}) const override { return m_rows; }
    int columnCount(const QModelIndex & = {}) const override { return m_cols; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return m_cells.at(qsizetype(index.row()) * m_cols + index.column());
    }

    void fill(Recordset &rs)
    {
        beginResetModel();
        m_cols = rs.fieldCount();
        m_rows = rs.recordCount();
        m_cells = QVector<QString>(qsizetype(m_rows) * m_cols);
        qsizetype at = 0;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            for (int c = 0; c < m_cols; ++c)
                m_cells[at++] = rs.value(c).toString();
        endResetModel();
    }

    void clear()
    {
        beginResetModel();
        m_rows = m_cols = 0;
        m_cells = {};
        endResetModel();
    }

    template <class Key>
    void sortBy(int col, Key key)
    {
        using KeyType = decltype(key(QString()));
        QVector<KeyType> keys(m_rows);
        for (int r = 0; r < m_rows; ++r)
            keys[r] = key(m_cells.at(qsizetype(r) * m_cols + col));
        QVector<int> order(m_rows);
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return keys.at(a) < keys.at(b); });
        Q_EMIT layoutAboutToBeChanged();
        QVector<QString> sorted(m_cells.size());
        for (int r = 0; r < m_rows; ++r)
            for (int c = 0; c < m_cols; ++c)
                sorted[qsizetype(r) * m_cols + c] =
                    std::move(m_cells[qsizetype(order.at(r)) * m_cols + c]);
        m_cells = std::move(sorted);
        Q_EMIT layoutChanged();
    }

private:
    int m_rows = 0;
    int m_cols = 0;
    QVector<QString> m_cells;
};

template <class Run>
double bestOf(Run run)
{
    double best = 1e9;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        run(round);
        best = qMin(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

qint64 heapInUse()
{
#ifdef __GLIBC__
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
#else
    return 0;
#endif
}

void grab(const QString &file)
{
    QFont font(QStringLiteral("Noto Sans CJK TC"));
    font.setPointSize(10);
    QApplication::setFont(font);
    FlexGrid grid;
    grid.resize(560, 300);
    grid.setCols(5);
    grid.setRows(13);
    const QStringList header{"供應商", "產品代碼", "產品名稱", "單位名稱", "售價"};
    const int widths[] = {1500, 1200, 1500, 1100, 1000};
    for (int c = 0; c < 5; ++c) {
        grid.setTextMatrix(0, c, header.at(c));
        grid.setColWidth(c, widths[c]);
    }
    for (int r = 1; r < 13; ++r) {
        grid.setTextMatrix(r, 0, QStringLiteral("廠商%1").arg(r < 5 ? "甲" : r < 9 ? "乙" : "丙"));
        grid.setTextMatrix(r, 1, QStringLiteral("A%1").arg(13 - r, 2, 10, QLatin1Char('0')));
        grid.setTextMatrix(r, 2, QString::fromUtf8(Names[r % 12]));
        grid.setTextMatrix(r, 3, QStringLiteral("斤"));
        grid.setTextMatrix(r, 4, QString::number(r * 12.5));
    }
    grid.setColAlignment(3, Qt::AlignCenter);
    grid.setColAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
    grid.setCellForeColor(0, 4, QColor(0, 0, 255));
    grid.setCellStrikeThrough(3, 1, true);
    grid.setMergeCol(0, true);
    grid.show();
    QApplication::processEvents();
    const QPoint at = grid.cellRect(0, 1).center();
    modUI::GridMouseUP(nullptr, &grid, Qt::LeftButton, {}, at.x(), at.y());
    grid.paintBandsOfFive();
    QApplication::processEvents();
    grid.grab().save(file);
    std::printf("picture saved to %s\n", qPrintable(file));
}

} // namespace

int main(int argc, char *argv[])
{
    StoredDateTime::UseFixedLocalZone();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 2 && args.at(1) == QLatin1String("--grab")) {
        grab(args.at(2));
        return 0;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.db"));
    makeDatabase(path);
    Connection connection;
    connection.open(QStringLiteral("Data Source=") + path);
    const QString sql = QStringLiteral("SELECT * FROM [T] ");

    const qint64 heapBefore = heapInUse();
    FlexGrid grid;
    grid.resize(1000, 600);
    PlainModel plainModel;
    QTableView plain;
    plain.setModel(&plainModel);
    plain.resize(1000, 600);
    // The second statement reads the dates as plain text, which Recordset does not parse.
    const QString datesAsText = QStringLiteral(
        "SELECT ID, ProductID, ProductName, SupplierName, Unit, Qty, Price, Cost, Amount, "
        "CAST(OrderDate AS VARCHAR(19)) AS OrderDate, "
        "CAST(TimeModifyLast AS VARCHAR(19)) AS TimeModifyLast, Note FROM [T] ");
    for (const QString &statement : {datesAsText, sql}) {
        Recordset rs;
        rs.open(statement, connection);
        qint64 valid = 0;
        const double read = bestOf([&](int) {
            for (rs.moveFirst(); !rs.eof(); rs.moveNext())
                for (int c = 0; c < rs.fieldCount(); ++c)
                    valid += rs.value(c).isValid();
        });
        const double gridFill = bestOf([&](int) { grid.fillFromRecordset(rs); });
        const double plainFill = bestOf([&](int) { plainModel.fill(rs); });
        std::printf("fill %d rows x %d columns, %s: FlexGrid %.1f ms (target <= 150), plain "
                    "view %.1f ms, ratio %.2f; Recordset::value alone %.1f ms\n",
                    Rows, rs.fieldCount(),
                    statement == sql ? "DATETIME columns" : "dates read as text", gridFill,
                    plainFill, gridFill / plainFill, read);
    }

    auto number = [](const QString &text) { return text.toDouble(); };
    auto text = [](const QString &text) { return text; };
    const double gridText = bestOf([&](int round) {
        grid.sortRows(TextCol, round % 2 ? FlexGrid::SortStringDescending
                                         : FlexGrid::SortStringAscending);
    });
    const double plainText = bestOf([&](int) { plainModel.sortBy(TextCol, text); });
    const double gridNumber = bestOf([&](int round) {
        grid.sortRows(NumberCol, round % 2 ? FlexGrid::SortNumericDescending
                                           : FlexGrid::SortNumericAscending);
    });
    const double plainNumber = bestOf([&](int) { plainModel.sortBy(NumberCol, number); });
    const double gridGeneric =
        bestOf([&](int) { grid.sortRows(NumberCol, FlexGrid::SortGenericAscending); });
    std::printf("sort by text: FlexGrid %.1f ms (target <= 250), plain view %.1f ms, "
                "ratio %.2f\n", gridText, plainText, gridText / plainText);
    std::printf("sort by number: FlexGrid %.1f ms (target <= 250), plain view %.1f ms, "
                "ratio %.2f; generic %.1f ms\n",
                gridNumber, plainNumber, gridNumber / plainNumber, gridGeneric);
    const double bands = bestOf([&](int) { grid.paintBandsOfFive(); });
    std::printf("bands of five: %.1f ms\n", bands);

    plainModel.clear(); // the baseline's rows out of the count
    const qint64 heldByGrid = heapInUse() - heapBefore;
    qint64 characters = 0;
    const qint64 cells = qint64(grid.rows()) * grid.cols();
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            characters += grid.textMatrix(r, c).size() * qint64(sizeof(QChar));
    const auto *cellModel = qobject_cast<const FlexGridModel *>(grid.model());
    std::printf("memory a cell beyond the text: cell structures %.1f bytes, all the grid "
                "holds %.1f bytes (target <= 64)\n",
                double(cellModel->cellStructureBytes()) / cells,
                double(heldByGrid - characters) / cells);
    return 0;
}
