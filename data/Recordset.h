#pragma once

#include "data/Engine.h"

#include <QHash>
#include <QString>
#include <QVariant>

class Connection;

// The rows of one statement, read at open. Updatable for "SELECT * FROM [T] WHERE (…)":
// add new, assign fields, update.
class Recordset
{
public:
    enum class Mode { ReadOnly, Updatable };

    void open(const QString &sql, Connection &connection, Mode mode = Mode::ReadOnly);
    void close();
    bool isOpen() const { return m_connection != nullptr; }

    bool eof() const { return m_row >= m_table.rowCount() || m_table.rowCount() == 0; }
    void moveNext();
    void moveFirst();
    int recordCount() const { return m_table.rowCount(); }
    int row() const { return m_row; }

    int fieldCount() const { return m_table.columnCount(); }
    QString fieldName(int index) const;
    bool hasField(const QString &name) const;
    int fieldIndex(const QString &name) const; // throws for a missing field
    QVariant value(int index) const;           // Null is an invalid QVariant
    QVariant value(const QString &name) const;

    void addNew();
    void setValue(const QString &name, const QVariant &value);
    // Writes the added or changed row; a new row's identity column reads back afterwards.
    void update();
    bool editing() const { return m_adding || !m_changed.isEmpty(); }

private:
    QVariant cell(int row, int column) const;
    void insertRow();
    void updateRow();

    Connection *m_connection = nullptr;
    ResultTable m_table;
    QHash<QString, int> m_index;
    int m_row = 0;
    Mode m_mode = Mode::ReadOnly;
    QString m_tableName;
    bool m_adding = false;
    QHash<int, QVariant> m_changed;
};
