#pragma once

#include "data/Engine.h"

// The database server, reached through Qt's ODBC driver without a data source name.
class OdbcEngine : public Engine
{
public:
    OdbcEngine();
    ~OdbcEngine() override;

    void open(const ConnectInfo &info) override;
    void close() override;
    bool isOpen() const override;
    qint64 execute(const QString &sql) override;
    qint64 executeBound(const QString &sql, const QVariantList &values) override;
    ResultTable query(const QString &sql) override;
    qint64 lastIdentity() override;
    QStringList primaryKey(const QString &table) override;
    void begin() override;
    void commit() override;
    void rollback() override;
    bool keepsOpen() const override { return false; }

    // The DSN-less connection string for a server address "host", "host,port" or
    // "host\instance".
    static QString odbcConnectString(const ConnectInfo &info);

private:
    QString m_name;
};
