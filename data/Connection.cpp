#include "data/Connection.h"

#include "data/DbError.h"
#include "data/SqliteEngine.h"

Connection::Connection() = default;

Connection::~Connection()
{
    if (m_inTransaction && m_engine && m_engine->isOpen()) {
        try {
            m_engine->rollback();
        } catch (const DbError &) {
        }
    }
}

void Connection::open(const QString &connectString)
{
    if (m_open)
        return;
    if (m_engine && m_engine->keepsOpen() && m_engine->isOpen() && m_connectString == connectString) {
        m_open = true;
        return;
    }
    const ConnectInfo info = ConnectInfo::parse(connectString);
    m_engine = Engine::create(info);
    m_connectString = connectString;
    m_engine->open(info);
    m_open = true;
}

void Connection::close()
{
    if (!m_open)
        return;
    if (m_inTransaction) {
        m_inTransaction = false;
        try {
            m_engine->rollback();
        } catch (const DbError &) {
        }
    }
    m_open = false;
    if (!m_engine->keepsOpen())
        m_engine->close();
}

Engine &Connection::engine()
{
    if (!m_open || !m_engine)
        throw DbError(DbError::CommandFailed, QStringLiteral("連線已關閉，無法執行此操作"), QStringLiteral("Connection"));
    return *m_engine;
}

qint64 Connection::execute(const QString &sql) { return engine().execute(sql); }

ResultTable Connection::query(const QString &sql) { return engine().query(sql); }

qint64 Connection::executeBound(const QString &sql, const QVariantList &values)
{
    return engine().executeBound(sql, values);
}

qint64 Connection::lastIdentity() { return engine().lastIdentity(); }

QStringList Connection::primaryKey(const QString &table) { return engine().primaryKey(table); }

void Connection::beginTransaction()
{
    engine().begin();
    m_inTransaction = true;
}

void Connection::commitTransaction()
{
    engine().commit();
    m_inTransaction = false;
}

void Connection::rollbackTransaction()
{
    m_inTransaction = false;
    engine().rollback();
}

bool Connection::isSqlite() const { return ConnectInfo::parse(m_connectString).isSqlite(); }

void Connection::executeScript(const QString &script)
{
    auto *sqlite = dynamic_cast<SqliteEngine *>(&engine());
    if (!sqlite)
        throw DbError(DbError::CommandFailed, QStringLiteral("只有內嵌資料庫可執行腳本"), QStringLiteral("Connection"));
    sqlite->executeScript(script);
}
