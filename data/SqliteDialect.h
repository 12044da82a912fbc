#pragma once

#include <QHash>
#include <QSet>
#include <QString>

// Translates the SQL Server dialect the program composes into SQLite's.
class SqliteDialect
{
public:
    // Lower-case names of the text columns of the database; a '+' beside one joins text.
    void setTextColumns(QSet<QString> names);
    QString translate(const QString &sql);

private:
    QSet<QString> m_textColumns;
    QHash<QString, QString> m_cache;
};

// A date literal in the canonical stored form, or an empty text when the value is no date.
QString canonicalDateLiteral(const QString &text);
