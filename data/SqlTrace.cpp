#include "data/SqlTrace.h"

#include <QDateTime>
#include <QFile>

namespace SqlTrace {
namespace {

QString &overridePath()
{
    static QString path;
    return path;
}

QString tracePath()
{
    if (!overridePath().isEmpty())
        return overridePath();
    return qEnvironmentVariable("VERDALO_SQL_TRACE");
}

void append(const char *kind, const QString &sql)
{
    const QString path = tracePath();
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return;
    QString line = sql;
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    file.write(QStringLiteral("%1\t%2\t%3\n").arg(stamp, QLatin1String(kind), line).toUtf8());
}

} // namespace

void statement(const QString &sql) { append("SQL", sql); }
void translated(const QString &sql) { append("SQLITE", sql); }
void setPath(const QString &path) { overridePath() = path; }

} // namespace SqlTrace
