#include "data/SqliteEngine.h"

#include "data/DbError.h"
#include "data/ServerFunctions.h"
#include "data/SqlTrace.h"
#include "data/StoredDateTime.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>

#include <sqlite3.h>

namespace {

const QLatin1String Source("SQLite");

struct Statement
{
    sqlite3_stmt *stmt;
    ~Statement() { sqlite3_finalize(stmt); }
};

ResultTable::ColumnKind kindOf(const char *declared)
{
    if (!declared)
        return ResultTable::ColumnKind::Plain;
    const QByteArray type = QByteArray(declared).toUpper();
    if (type.contains("DATE") || type.contains("TIME"))
        return ResultTable::ColumnKind::DateTime;
    if (type.startsWith("BIT"))
        return ResultTable::ColumnKind::Bit;
    return ResultTable::ColumnKind::Plain;
}

QVariant columnValue(sqlite3_stmt *stmt, int column)
{
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, column));
    case SQLITE_TEXT: {
        const auto *text = static_cast<const char16_t *>(sqlite3_column_text16(stmt, column));
        return QVariant(QString(reinterpret_cast<const QChar *>(text), sqlite3_column_bytes16(stmt, column) / 2));
    }
    case SQLITE_BLOB: {
        const auto *data = static_cast<const char *>(sqlite3_column_blob(stmt, column));
        return QVariant(QByteArray(data, sqlite3_column_bytes(stmt, column)));
    }
    default:
        return QVariant();
    }
}

void bindValue(sqlite3_stmt *stmt, int index, const QVariant &value)
{
    if (!value.isValid() || value.isNull()) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    switch (value.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        sqlite3_bind_int64(stmt, index, value.toLongLong());
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(stmt, index, value.toDouble());
        return;
    default:
        break;
    }
    QString text;
    if (value.metaType().id() == QMetaType::QDateTime)
        text = StoredDateTime::toText(value.toDateTime());
    else if (value.metaType().id() == QMetaType::QDate)
        text = StoredDateTime::toText(value.toDate().startOfDay());
    else
        text = value.toString();
    sqlite3_bind_text16(stmt, index, text.utf16(), int(text.size() * 2), SQLITE_TRANSIENT);
}

struct BoundFunction
{
    ServerFunctions::Entry entry;
    const ServerFunctions::Context *context;
};

void callServerFunction(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    const auto *bound = static_cast<const BoundFunction *>(sqlite3_user_data(context));
    QVariantList args;
    args.reserve(argc);
    for (int i = 0; i < argc; ++i) {
        sqlite3_value *v = argv[i];
        switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER: args << QVariant(qlonglong(sqlite3_value_int64(v))); break;
        case SQLITE_FLOAT: args << QVariant(sqlite3_value_double(v)); break;
        case SQLITE_TEXT: args << QVariant(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_value_text(v)), sqlite3_value_bytes(v))); break;
        default: args << QVariant(); break;
        }
    }
    try {
        const QVariant result = bound->entry.function(args, *bound->context);
        if (!result.isValid() || result.isNull()) {
            sqlite3_result_null(context);
        } else if (result.metaType().id() == QMetaType::Double) {
            sqlite3_result_double(context, result.toDouble());
        } else if (result.metaType().id() == QMetaType::LongLong || result.metaType().id() == QMetaType::Int) {
            sqlite3_result_int64(context, result.toLongLong());
        } else {
            const QByteArray text = result.toString().toUtf8();
            sqlite3_result_text(context, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
    } catch (const std::exception &e) {
        sqlite3_result_error(context, e.what(), -1);
    }
}

} // namespace

SqliteEngine::SqliteEngine()
{
    static int counter = 0;
    m_name = QStringLiteral("verdalo-sqlite-%1").arg(++counter);
}

SqliteEngine::~SqliteEngine() { close(); }

void SqliteEngine::open(const ConnectInfo &info)
{
    close();
    const QString path = info.sqlitePath();
    const QFileInfo file(path);
    // Never create a database here: a missing file is a server that can't be reached.
    if (path.isEmpty() || !file.exists() || !file.isFile())
        throw DbError(DbError::ServerUnreachable, QStringLiteral("找不到資料庫檔案：") + path, Source);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            const QString message = QStringLiteral("無法開啟資料庫檔案：") + path;
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            throw DbError(DbError::ServerUnreachable, message, Source);
        }
        const QVariant handle = db.driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
            m_db = *static_cast<sqlite3 *const *>(handle.constData());
    }
    if (!m_db) {
        close();
        throw DbError(DbError::ServerUnreachable, QStringLiteral("SQLite 驅動程式無法使用"), Source);
    }
    const int rc = sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(m_db)) + QStringLiteral("：") + path;
        close();
        throw DbError(DbError::ServerUnreachable, message, Source);
    }
    sqlite3_exec(m_db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    loadFunctionContext();
    registerFunctions();
    loadTextColumns();
}

void SqliteEngine::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    m_db = nullptr;
    QSqlDatabase::database(m_name, false).close();
    QSqlDatabase::removeDatabase(m_name);
}

void SqliteEngine::fail(int code) const
{
    const QString message = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(code));
    throw DbError(DbError::CommandFailed, message, Source);
}

sqlite3_stmt *SqliteEngine::prepare(const QString &translated)
{
    if (!m_db)
        throw DbError(DbError::CommandFailed, QStringLiteral("連線尚未開啟"), Source);
    sqlite3_stmt *stmt = nullptr;
    const int rc = sqlite3_prepare16_v2(m_db, translated.utf16(), int(translated.size() * 2), &stmt, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
    return stmt;
}

qint64 SqliteEngine::execute(const QString &sql)
{
    SqlTrace::statement(sql);
    const QString translated = m_dialect.translate(sql);
    SqlTrace::translated(translated);
    Statement s{prepare(translated)};
    if (!s.stmt)
        return 0;
    const qint64 before = sqlite3_total_changes64(m_db);
    int rc;
    while ((rc = sqlite3_step(s.stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        fail(rc);
    return sqlite3_total_changes64(m_db) - before;
}

qint64 SqliteEngine::executeBound(const QString &sql, const QVariantList &values)
{
    SqlTrace::statement(sql);
    Statement s{prepare(sql)};
    for (int i = 0; i < values.size(); ++i)
        bindValue(s.stmt, i + 1, values.at(i));
    const int rc = sqlite3_step(s.stmt);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW)
        fail(rc);
    return sqlite3_changes64(m_db);
}

ResultTable SqliteEngine::query(const QString &sql)
{
    SqlTrace::statement(sql);
    const QString translated = m_dialect.translate(sql);
    SqlTrace::translated(translated);
    Statement s{prepare(translated)};
    ResultTable table;
    if (!s.stmt)
        return table;
    const int columns = sqlite3_column_count(s.stmt);
    for (int c = 0; c < columns; ++c) {
        table.names << QString::fromUtf8(sqlite3_column_name(s.stmt, c));
        table.kinds << kindOf(sqlite3_column_decltype(s.stmt, c));
    }
    int rc;
    while ((rc = sqlite3_step(s.stmt)) == SQLITE_ROW)
        for (int c = 0; c < columns; ++c)
            table.cells.push_back(columnValue(s.stmt, c));
    if (rc != SQLITE_DONE)
        fail(rc);
    return table;
}

qint64 SqliteEngine::lastIdentity() { return m_db ? sqlite3_last_insert_rowid(m_db) : 0; }

QStringList SqliteEngine::primaryKey(const QString &table)
{
    QString name = table;
    name.replace(QLatin1Char('"'), QLatin1String("\"\""));
    Statement s{prepare(QStringLiteral("PRAGMA table_info(\"%1\")").arg(name))};
    QMap<int, QString> keys;
    while (sqlite3_step(s.stmt) == SQLITE_ROW)
        if (sqlite3_column_int(s.stmt, 5) > 0)
            keys.insert(sqlite3_column_int(s.stmt, 5), QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s.stmt, 1))));
    return keys.values();
}

void SqliteEngine::begin()
{
    // IMMEDIATE takes the write lock at once, so two workstations never count the same number.
    execute(QStringLiteral("BEGIN IMMEDIATE"));
}

void SqliteEngine::commit() { execute(QStringLiteral("COMMIT")); }

void SqliteEngine::rollback() { execute(QStringLiteral("ROLLBACK")); }

void SqliteEngine::executeScript(const QString &script)
{
    if (!m_db)
        throw DbError(DbError::CommandFailed, QStringLiteral("連線尚未開啟"), Source);
    SqlTrace::statement(script);
    const int rc = sqlite3_exec(m_db, script.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
}

void SqliteEngine::registerFunctions()
{
    for (const ServerFunctions::Entry &entry : ServerFunctions::all())
        sqlite3_create_function_v2(
            m_db, entry.name.toUtf8().constData(), entry.argumentCount, SQLITE_UTF8,
            new BoundFunction{entry, &m_context}, callServerFunction, nullptr, nullptr,
            [](void *p) { delete static_cast<BoundFunction *>(p); });
}

void SqliteEngine::loadTextColumns()
{
    QSet<QString> names;
    Statement objects{prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table','view')"))};
    QStringList tables;
    while (sqlite3_step(objects.stmt) == SQLITE_ROW)
        tables << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(objects.stmt, 0)));
    for (const QString &table : tables) {
        Statement info{prepare(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table))};
        while (sqlite3_step(info.stmt) == SQLITE_ROW) {
            const QByteArray type = QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(info.stmt, 2))).toUpper();
            if (type.contains("CHAR") || type.contains("TEXT") || type.contains("CLOB"))
                names.insert(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(info.stmt, 1))).toLower());
        }
    }
    m_dialect.setTextColumns(std::move(names));
}

void SqliteEngine::loadFunctionContext()
{
    m_context = ServerFunctions::Context();
    auto first = [this](const char *sql) {
        sqlite3_stmt *stmt = nullptr;
        QVariant value;
        if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
            value = columnValue(stmt, 0);
        sqlite3_finalize(stmt);
        return value;
    };
    // A database without these tables yet (one being created) keeps the defaults.
    m_context.cattySeparator = first("SELECT UnitSeparateString FROM BC_MeasurementUnit WHERE MeasurementUnitID = 5").toString();
    m_context.roundLengthQty = first("SELECT RoundLengthQty FROM SS_SystemSetting WHERE ID = 1").toInt();
}
