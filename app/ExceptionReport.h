#pragma once

#include <QString>

#include <functional>

class DbError;

namespace modMain {

// Shows the exception report for an error (or none) and the procedure's detail text; the
// answer is 5 ignore, 4 retry or 3 leave the procedure.
qint16 ReportException(const DbError *error, const QString &detail);
// The three lines of the report followed by the detail text.
QString ComposeExceptionText(const DbError *error, const QString &detail);

// The header line of a detail text: label, tab, procedure name, two line breaks.
QString ExceptionHeader(const QString &procedure);
// A variable line of a detail text: label, tab, value, line break.
QString ExceptionLine(const QString &label, const QString &value);

// Tests answer the report through a responder that sees the full text.
using ExceptionResponder = std::function<qint16(const QString &text)>;
void SetExceptionResponder(ExceptionResponder responder);

} // namespace modMain
