#pragma once

#include <QStringList>
#include <QVariant>
#include <QVector>

#include <memory>

// What a statement returned: column names, how to read each column, the cells row by row.
struct ResultTable
{
    enum class ColumnKind { Plain, DateTime, Bit };

    QStringList names;
    QVector<ColumnKind> kinds;
    QVector<QVariant> cells;

    int columnCount() const { return names.size(); }
    int rowCount() const { return names.isEmpty() ? 0 : int(cells.size() / names.size()); }
};

// Where a connection string points: the entries the engines use.
struct ConnectInfo
{
    QString dataSource;
    QString catalog;
    QString userId;
    QString password;

    static ConnectInfo parse(const QString &connectString);
    bool isSqlite() const;
    QString sqlitePath() const;
};

// One database engine behind the shared connection; only data/ sees it.
class Engine
{
public:
    virtual ~Engine() = default;

    virtual void open(const ConnectInfo &info) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual qint64 execute(const QString &sql) = 0;
    virtual qint64 executeBound(const QString &sql, const QVariantList &values) = 0;
    virtual ResultTable query(const QString &sql) = 0;
    virtual qint64 lastIdentity() = 0;
    virtual QStringList primaryKey(const QString &table) = 0;
    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    // Whether a physical connection may stay open between operations.
    virtual bool keepsOpen() const = 0;

    static std::unique_ptr<Engine> create(const ConnectInfo &info);
};
