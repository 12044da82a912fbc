#pragma once

#include "data/Engine.h"

#include <QString>

#include <memory>

// A connection to the database named by a connection string. Closing it keeps the embedded
// engine's file handle for the next open, as a server client's pool would.
class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    void open(const QString &connectString);
    void close();
    bool isOpen() const { return m_open; }

    // Runs a statement that returns no rows; the number of records affected.
    qint64 execute(const QString &sql);
    ResultTable query(const QString &sql);
    qint64 executeBound(const QString &sql, const QVariantList &values);
    qint64 lastIdentity();
    QStringList primaryKey(const QString &table);

    void beginTransaction();
    void commitTransaction();
    void rollbackTransaction();
    bool inTransaction() const { return m_inTransaction; }

    bool isSqlite() const;
    // Runs a script of several statements as written; the embedded engine only.
    void executeScript(const QString &script);

private:
    Engine &engine();

    std::unique_ptr<Engine> m_engine;
    QString m_connectString;
    bool m_open = false;
    bool m_inTransaction = false;
};
