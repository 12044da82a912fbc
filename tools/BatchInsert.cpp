#include "tools/BatchInsert.h"

#include "data/Connection.h"
#include "data/DbError.h"

namespace {

// The engine takes at most 32766 bound values in one statement.
constexpr int MaxValuesPerStatement = 32000;
constexpr int PreferredBatchRows = 200;

} // namespace

BatchInsert::BatchInsert(Connection &connection, const QString &table, const QStringList &columns)
    : m_connection(connection), m_table(table), m_columns(columns),
      m_batchRows(qMin(PreferredBatchRows, MaxValuesPerStatement / int(columns.size())))
{
    m_fullBatchStatement = statementFor(m_batchRows);
}

QString BatchInsert::statementFor(int rows) const
{
    const QString marks = QLatin1Char('(') + QStringList(m_columns.size(), QStringLiteral("?"))
                              .join(QLatin1Char(',')) + QLatin1Char(')');
    return QStringLiteral("INSERT INTO [%1] ([%2]) VALUES ")
               .arg(m_table, m_columns.join(QStringLiteral("], [")))
           + QStringList(rows, marks).join(QLatin1Char(','));
}

void BatchInsert::add(const QVariantList &row)
{
    if (row.size() != m_columns.size())
        throw DbError(DbError::CommandFailed,
                      QStringLiteral("%1: %2 values for %3 columns")
                          .arg(m_table).arg(row.size()).arg(m_columns.size()),
                      QStringLiteral("BatchInsert"));
    m_pending += row;
    if (m_pending.size() == qsizetype(m_batchRows) * m_columns.size()) {
        m_connection.executeBound(m_fullBatchStatement, m_pending);
        m_written += m_batchRows;
        m_pending.clear();
    }
}

void BatchInsert::flush()
{
    if (m_pending.isEmpty())
        return;
    const int rows = int(m_pending.size() / m_columns.size());
    m_connection.executeBound(statementFor(rows), m_pending);
    m_written += rows;
    m_pending.clear();
}
