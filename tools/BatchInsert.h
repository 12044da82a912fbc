#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

class Connection;

// Rows for one table, inserted many at a time with bound values: one statement per batch
// instead of one per row is what keeps a few million lines to minutes.
class BatchInsert
{
public:
    BatchInsert(Connection &connection, const QString &table, const QStringList &columns);

    void add(const QVariantList &row);
    // Inserts the rows still held; call before the transaction commits.
    void flush();
    qint64 rowsWritten() const { return m_written; }

private:
    QString statementFor(int rows) const;

    Connection &m_connection;
    QString m_table;
    QStringList m_columns;
    int m_batchRows;
    QString m_fullBatchStatement;
    QVariantList m_pending;
    qint64 m_written = 0;
};
