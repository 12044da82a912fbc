#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

// Query helpers: each opens and closes the shared connection around its statement.
namespace modDB {

// Runs a statement that returns no rows; the records affected, 0 without a connection,
// -1 for an empty statement or a failure the user chose to leave.
qint32 ExecuteNoQuery(const QString &statement, qint32 options = 0, bool keepPointer = false);

// The first column of the first row as a type; the type's empty value for no row or Null.
QString GetString(const QString &sql);
qint32 GetLong(const QString &sql);
double GetDouble(const QString &sql);
QDateTime GetDate(const QString &sql);
bool GetBoolean(const QString &sql);

bool HasValue(const QString &sql);
// True when the stored value equals the given one character for character.
bool IsValueExist(const QString &table, const QString &field, const QString &value);

// Field converters: an invalid QVariant (no field, or Null) gives the empty value; a value
// that can't be converted throws.
double NullToDouble(const QVariant &field);
QString NullToString(const QVariant &field);
qint32 NullToLong(const QVariant &field);
qint16 NullToInteger(const QVariant &field);
float NullToSingle(const QVariant &field);
bool NullToBoolean(const QVariant &field);
QDateTime NullToDate(const QVariant &field);

// 30 December 1899, 00:00: the empty date-time.
QDateTime ZeroDate();
QDateTime GetServerTime();

} // namespace modDB
