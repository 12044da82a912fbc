#pragma once

#include <QString>

// Appends every statement sent to the file named by VERDALO_SQL_TRACE.
namespace SqlTrace {

void statement(const QString &sql);
void translated(const QString &sql);
// Tests point the trace at a file of their own (empty path: back to the environment).
void setPath(const QString &path);

} // namespace SqlTrace
