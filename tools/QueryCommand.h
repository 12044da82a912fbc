#pragma once

#include <QString>

// Runs one statement of the program's dialect on a database file and prints its rows on
// stdout, tab-separated. Throws DbError when the file or the statement fails.
void runQuery(const QString &path, const QString &statement);
