#pragma once

#include <QString>
#include <QStringList>

// The embedded database's tables, seed rows and views.
namespace modSchema {

// The scripts of the embedded engine, in the order they run.
QStringList SqliteScripts();
// A new database file with the schema and seed rows; refuses a file that exists.
void CreateSqliteDatabase(const QString &path);

} // namespace modSchema
