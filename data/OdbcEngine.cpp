#include "data/OdbcEngine.h"

#include "data/DbError.h"
#include "data/SqlTrace.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QLatin1String Source("ODBC");

QString odbcDriver()
{
    const QString configured = qEnvironmentVariable("VERDALO_ODBC_DRIVER");
    if (!configured.isEmpty())
        return configured;
#ifdef Q_OS_WIN
    return QStringLiteral("SQL Server");
#else
    return QStringLiteral("FreeTDS");
#endif
}

QString braced(const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('}'), QLatin1String("}}"));
    return QLatin1Char('{') + v + QLatin1Char('}');
}

// Connection-level states (08…), login refusals (28…) and time-outs mean no server to talk to.
bool isUnreachable(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    const QString text = error.driverText() + QLatin1Char(' ') + error.databaseText();
    return code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("28")) || code.contains(QLatin1String("HYT00"))
        || code.contains(QLatin1String("S1T00")) || text.contains(QLatin1String("08001")) || text.contains(QLatin1String("28000"))
        || text.contains(QLatin1String("Unable to connect"), Qt::CaseInsensitive) || text.contains(QLatin1String("Login failed"), Qt::CaseInsensitive);
}

[[noreturn]] void fail(const QSqlError &error)
{
    throw DbError(DbError::CommandFailed, error.text(), Source);
}

} // namespace

OdbcEngine::OdbcEngine()
{
    static int counter = 0;
    m_name = QStringLiteral("verdalo-odbc-%1").arg(++counter);
}

OdbcEngine::~OdbcEngine() { close(); }

QString OdbcEngine::odbcConnectString(const ConnectInfo &info)
{
    QString server = info.dataSource.trimmed();
    QString port;
    const int comma = server.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        port = server.mid(comma + 1).trimmed();
        server = server.left(comma).trimmed();
    }
    QString result = QStringLiteral("DRIVER=%1;SERVER=%2;").arg(braced(odbcDriver()), server);
#ifdef Q_OS_WIN
    if (!port.isEmpty())
        result = QStringLiteral("DRIVER=%1;SERVER=%2,%3;").arg(braced(odbcDriver()), server, port);
#else
    if (!port.isEmpty())
        result += QStringLiteral("PORT=%1;").arg(port);
    result += QStringLiteral("TDS_Version=7.3;ClientCharset=UTF-8;");
#endif
    result += QStringLiteral("DATABASE=%1;UID=%2;PWD=%3;")
                  .arg(braced(info.catalog), braced(info.userId), braced(info.password));
    return result;
}

void OdbcEngine::open(const ConnectInfo &info)
{
    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_name);
    db.setDatabaseName(odbcConnectString(info));
    // Without a login timeout a server that accepts and never answers hangs the program.
    db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=5;SQL_ATTR_CONNECTION_TIMEOUT=5"));
    if (db.open())
        return;
    const QSqlError error = db.lastError();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
    const bool driverMissing = !QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC"));
    const qint32 number = !driverMissing && isUnreachable(error) ? DbError::ServerUnreachable : DbError::CommandFailed;
    throw DbError(number, error.text(), Source);
}

void OdbcEngine::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    QSqlDatabase::database(m_name, false).close();
    QSqlDatabase::removeDatabase(m_name);
}

bool OdbcEngine::isOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

qint64 OdbcEngine::execute(const QString &sql)
{
    SqlTrace::statement(sql);
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    if (!q.exec(sql))
        fail(q.lastError());
    return q.numRowsAffected();
}

qint64 OdbcEngine::executeBound(const QString &sql, const QVariantList &values)
{
    SqlTrace::statement(sql);
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    if (!q.prepare(sql))
        fail(q.lastError());
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        fail(q.lastError());
    return q.numRowsAffected();
}

ResultTable OdbcEngine::query(const QString &sql)
{
    SqlTrace::statement(sql);
    QSqlQuery q(QSqlDatabase::database(m_name, false));
    q.setForwardOnly(true);
    if (!q.exec(sql))
        fail(q.lastError());
    ResultTable table;
    const QSqlRecord record = q.record();
    for (int c = 0; c < record.count(); ++c) {
        table.names << record.fieldName(c);
        table.kinds << ResultTable::ColumnKind::Plain;
    }
    while (q.next())
        for (int c = 0; c < record.count(); ++c)
            table.cells.push_back(q.value(c));
    if (q.lastError().isValid())
        fail(q.lastError());
    return table;
}

qint64 OdbcEngine::lastIdentity()
{
    const ResultTable t = query(QStringLiteral("SELECT CAST(@@IDENTITY AS bigint)"));
    return t.cells.isEmpty() ? 0 : t.cells.first().toLongLong();
}

QStringList OdbcEngine::primaryKey(const QString &table)
{
    const QSqlIndex index = QSqlDatabase::database(m_name, false).primaryIndex(table);
    QStringList names;
    for (int i = 0; i < index.count(); ++i)
        names << index.fieldName(i);
    return names;
}

void OdbcEngine::begin()
{
    if (!QSqlDatabase::database(m_name, false).transaction())
        fail(QSqlDatabase::database(m_name, false).lastError());
}

void OdbcEngine::commit()
{
    if (!QSqlDatabase::database(m_name, false).commit())
        fail(QSqlDatabase::database(m_name, false).lastError());
}

void OdbcEngine::rollback()
{
    if (!QSqlDatabase::database(m_name, false).rollback())
        fail(QSqlDatabase::database(m_name, false).lastError());
}
