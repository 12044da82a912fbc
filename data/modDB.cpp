#include "data/modDB.h"

#include "app/Procedure.h"
#include "app/modMain.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/SqlText.h"
#include "data/StoredDateTime.h"
#include "data/modConn.h"
#include "ui/WaitPointer.h"

#include <cmath>

namespace modDB {
namespace {

[[noreturn]] void typeMismatch(const QVariant &value)
{
    throw DbError(DbError::TypeMismatch, QStringLiteral("型態不符合：") + value.toString(),
                  QStringLiteral("modDB"));
}

bool isNull(const QVariant &v) { return !v.isValid() || v.isNull(); }

// The first column of the first row, or an invalid QVariant.
QVariant firstValue(const QString &sql)
{
    if (!modConn::OpenConnection())
        return {};
    Recordset rs;
    try {
        rs.open(sql, modConn::SharedConnection());
    } catch (...) {
        modConn::CloseConnection();
        throw;
    }
    const QVariant value = rs.eof() || rs.fieldCount() == 0 ? QVariant() : rs.value(0);
    rs.close();
    modConn::CloseConnection();
    return value;
}

double toNumber(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    case QMetaType::QString: {
        bool ok = false;
        const double d = value.toString().trimmed().toDouble(&ok);
        if (!ok)
            typeMismatch(value);
        return d;
    }
    default: {
        bool ok = false;
        const double d = value.toDouble(&ok);
        if (!ok)
            typeMismatch(value);
        return d;
    }
    }
}

} // namespace

qint32 ExecuteNoQuery(const QString &statement, qint32 options, bool keepPointer)
{
    bool pointerSet = false;
    if (!keepPointer && !modUI::IsHourglass()) {
        modUI::SetHourglass(true);
        pointerSet = true;
    }
    auto restorePointer = [&pointerSet] {
        if (pointerSet)
            modUI::SetHourglass(false);
        pointerSet = false;
    };
    if (statement.isEmpty()) {
        restorePointer();
        return -1;
    }
    Procedure proc([&] {
        return QStringLiteral("例外程序：\tmodDB.ExecuteNoQuery") + QLatin1String(modMain::CRLF)
            + QStringLiteral("Statement  :\t") + statement + QLatin1String(modMain::CRLF)
            + QStringLiteral("Options    :\t") + QString::number(options);
    });
    proc.onFailure(restorePointer);
    qint32 affected = 0;
    if (modConn::OpenConnection()) {
        const bool ran = proc.step([&] { affected = qint32(modConn::SharedConnection().execute(statement)); });
        modConn::CloseConnection();
        if (!ran) {
            restorePointer();
            return -1;
        }
    }
    restorePointer();
    return affected;
}

QString GetString(const QString &sql) { return NullToString(firstValue(sql)); }
qint32 GetLong(const QString &sql) { return NullToLong(firstValue(sql)); }
double GetDouble(const QString &sql) { return NullToDouble(firstValue(sql)); }
QDateTime GetDate(const QString &sql) { return NullToDate(firstValue(sql)); }
bool GetBoolean(const QString &sql) { return NullToBoolean(firstValue(sql)); }

bool HasValue(const QString &sql) { return !isNull(firstValue(sql)); }

bool IsValueExist(const QString &table, const QString &field, const QString &value)
{
    const QString stored = GetString(QStringLiteral("SELECT ") + field + QStringLiteral(" FROM [")
                                     + table + QStringLiteral("] WHERE (") + field
                                     + QStringLiteral(" = '") + SqlText(value) + QStringLiteral("') "));
    return stored == value;
}

double NullToDouble(const QVariant &field) { return isNull(field) ? 0 : toNumber(field); }

QString NullToString(const QVariant &field)
{
    if (isNull(field))
        return {};
    switch (field.metaType().id()) {
    case QMetaType::Double:
        return QString::number(field.toDouble(), 'g', 15);
    case QMetaType::QDateTime:
        return field.toDateTime().toString(QStringLiteral("yyyy/M/d H:mm:ss"));
    default:
        return field.toString();
    }
}

qint32 NullToLong(const QVariant &field)
{
    if (isNull(field))
        return 0;
    const double d = std::nearbyint(toNumber(field)); // halves to even, as CLng does
    if (d < -2147483648.0 || d > 2147483647.0)
        typeMismatch(field);
    return qint32(d);
}

qint16 NullToInteger(const QVariant &field)
{
    const qint32 v = NullToLong(field);
    if (v < -32768 || v > 32767)
        typeMismatch(field);
    return qint16(v);
}

float NullToSingle(const QVariant &field) { return float(NullToDouble(field)); }

bool NullToBoolean(const QVariant &field)
{
    if (isNull(field))
        return false;
    if (field.metaType().id() == QMetaType::QString) {
        const QString text = field.toString().trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return toNumber(field) != 0;
}

QDateTime ZeroDate() { return QDateTime(QDate(1899, 12, 30), QTime(0, 0)); }

QDateTime NullToDate(const QVariant &field)
{
    if (isNull(field))
        return ZeroDate();
    if (field.metaType().id() == QMetaType::QDateTime)
        return field.toDateTime();
    if (field.metaType().id() == QMetaType::QDate)
        return field.toDate().startOfDay();
    const QString text = field.toString().trimmed();
    const QDateTime stored = StoredDateTime::parse(text);
    if (stored.isValid())
        return stored;
    for (const char *format : {"yyyy/M/d H:mm:ss", "yyyy/M/d"}) {
        const QDateTime value = QDateTime::fromString(text, QLatin1String(format));
        if (value.isValid())
            return value;
    }
    typeMismatch(field);
}

QDateTime GetServerTime() { return GetDate(QStringLiteral("SELECT CURRENT_TIMESTAMP ")); }

} // namespace modDB
