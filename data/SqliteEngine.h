#pragma once

#include "data/Engine.h"
#include "data/ServerFunctions.h"
#include "data/SqliteDialect.h"

struct sqlite3;
struct sqlite3_stmt;

// The embedded engine: a database file opened through Qt's SQLite driver, statements
// translated and run on the driver's handle.
class SqliteEngine : public Engine
{
public:
    SqliteEngine();
    ~SqliteEngine() override;

    void open(const ConnectInfo &info) override;
    void close() override;
    bool isOpen() const override { return m_db != nullptr; }
    qint64 execute(const QString &sql) override;
    qint64 executeBound(const QString &sql, const QVariantList &values) override;
    ResultTable query(const QString &sql) override;
    qint64 lastIdentity() override;
    QStringList primaryKey(const QString &table) override;
    void begin() override;
    void commit() override;
    void rollback() override;
    bool keepsOpen() const override { return true; }

    // Runs a script of several statements as written, without translation.
    void executeScript(const QString &script);
    sqlite3 *handle() const { return m_db; }

private:
    sqlite3_stmt *prepare(const QString &translated);
    [[noreturn]] void fail(int code) const;
    void registerFunctions();
    void loadTextColumns();
    void loadFunctionContext();

    QString m_name;
    sqlite3 *m_db = nullptr;
    SqliteDialect m_dialect;
    ServerFunctions::Context m_context;
};
