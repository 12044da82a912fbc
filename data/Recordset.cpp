#include "data/Recordset.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/StoredDateTime.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {

const QLatin1String Source("Recordset");

QString bracket(const QString &name) { return QLatin1Char('[') + name + QLatin1Char(']'); }

} // namespace

void Recordset::open(const QString &sql, Connection &connection, Mode mode)
{
    close();
    if (mode == Mode::Updatable) {
        static const QRegularExpression pattern(QStringLiteral(R"(^\s*SELECT\s+\*\s+FROM\s+\[?([A-Za-z_][A-Za-z0-9_]*)\]?)"),
                                                QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = pattern.match(sql);
        if (!m.hasMatch())
            throw DbError(DbError::CommandFailed, QStringLiteral("無法更新的查詢：") + sql, Source);
        m_tableName = m.captured(1);
    }
    m_table = connection.query(sql);
    for (int c = 0; c < m_table.columnCount(); ++c)
        m_index.insert(m_table.names.at(c).toLower(), c);
    m_connection = &connection;
    m_mode = mode;
}

void Recordset::close()
{
    m_connection = nullptr;
    m_table = ResultTable();
    m_index.clear();
    m_row = 0;
    m_tableName.clear();
    m_adding = false;
    m_changed.clear();
}

void Recordset::moveNext()
{
    if (m_row < m_table.rowCount())
        ++m_row;
}

void Recordset::moveFirst() { m_row = 0; }

QString Recordset::fieldName(int index) const { return m_table.names.value(index); }

bool Recordset::hasField(const QString &name) const { return m_index.contains(name.toLower()); }

int Recordset::fieldIndex(const QString &name) const
{
    const auto it = m_index.constFind(name.toLower());
    if (it == m_index.constEnd())
        throw DbError(DbError::CommandFailed, QStringLiteral("找不到欄位：") + name, Source);
    return *it;
}

QVariant Recordset::cell(int row, int column) const
{
    const QVariant &raw = m_table.cells.at(qsizetype(row) * m_table.columnCount() + column);
    if (!raw.isValid())
        return raw;
    switch (m_table.kinds.at(column)) {
    case ResultTable::ColumnKind::DateTime:
        return raw.metaType().id() == QMetaType::QString ? QVariant(StoredDateTime::parse(raw.toString())) : raw;
    case ResultTable::ColumnKind::Bit:
        return QVariant(raw.toLongLong() != 0);
    default:
        return raw;
    }
}

QVariant Recordset::value(int index) const
{
    if (index < 0 || index >= m_table.columnCount())
        throw DbError(DbError::CommandFailed, QStringLiteral("欄位位置超出範圍：%1").arg(index), Source);
    if (m_changed.contains(index))
        return m_changed.value(index);
    if (m_adding)
        return QVariant();
    if (eof())
        throw DbError(DbError::CommandFailed, QStringLiteral("沒有目前的資料列"), Source);
    return cell(m_row, index);
}

QVariant Recordset::value(const QString &name) const { return value(fieldIndex(name)); }

void Recordset::addNew()
{
    if (m_mode != Mode::Updatable)
        throw DbError(DbError::CommandFailed, QStringLiteral("唯讀的資料集無法新增"), Source);
    m_adding = true;
    m_changed.clear();
}

void Recordset::setValue(const QString &name, const QVariant &value)
{
    if (m_mode != Mode::Updatable)
        throw DbError(DbError::CommandFailed, QStringLiteral("唯讀的資料集無法修改"), Source);
    if (!m_adding && eof())
        throw DbError(DbError::CommandFailed, QStringLiteral("沒有目前的資料列"), Source);
    m_changed.insert(fieldIndex(name), value);
}

void Recordset::update()
{
    if (m_mode != Mode::Updatable || !m_connection)
        throw DbError(DbError::CommandFailed, QStringLiteral("唯讀的資料集無法更新"), Source);
    if (m_adding)
        insertRow();
    else if (!m_changed.isEmpty())
        updateRow();
    m_adding = false;
    m_changed.clear();
}

void Recordset::insertRow()
{
    QStringList columns, marks;
    QVariantList values;
    QVector<QVariant> row(m_table.columnCount());
    for (auto it = m_changed.constBegin(); it != m_changed.constEnd(); ++it) {
        columns << bracket(m_table.names.at(it.key()));
        marks << QStringLiteral("?");
        values << it.value();
        row[it.key()] = it.value();
    }
    const QString sql = columns.isEmpty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(bracket(m_tableName))
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(bracket(m_tableName), columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    m_connection->executeBound(sql, values);
    // A single-column key left unassigned is the identity column.
    const QStringList key = m_connection->primaryKey(m_tableName);
    if (key.size() == 1 && hasField(key.first()) && !m_changed.contains(fieldIndex(key.first())))
        row[fieldIndex(key.first())] = QVariant(m_connection->lastIdentity());
    m_table.cells += row;
    m_row = m_table.rowCount() - 1;
}

void Recordset::updateRow()
{
    QStringList key = m_connection->primaryKey(m_tableName);
    if (key.isEmpty())
        throw DbError(DbError::CommandFailed, QStringLiteral("資料表沒有主鍵，無法更新：") + m_tableName, Source);
    QStringList assignments, conditions;
    QVariantList values;
    for (auto it = m_changed.constBegin(); it != m_changed.constEnd(); ++it) {
        assignments << bracket(m_table.names.at(it.key())) + QStringLiteral(" = ?");
        values << it.value();
    }
    for (const QString &column : key) {
        conditions << bracket(column) + QStringLiteral(" = ?");
        values << cell(m_row, fieldIndex(column));
    }
    m_connection->executeBound(QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                   .arg(bracket(m_tableName), assignments.join(QStringLiteral(", ")), conditions.join(QStringLiteral(" AND "))),
                               values);
    const qsizetype base = qsizetype(m_row) * m_table.columnCount();
    for (auto it = m_changed.constBegin(); it != m_changed.constEnd(); ++it)
        m_table.cells[base + it.key()] = it.value();
}
