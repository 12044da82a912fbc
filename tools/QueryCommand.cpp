#include "tools/QueryCommand.h"

#include "data/Connection.h"
#include "data/Recordset.h"
#include "tools/NewDatabase.h"

#include <QDateTime>

#include <cstdio>

namespace {

// How a value reads in the output: Null empty, flags 0 or 1, date-times as stored.
QString cellText(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    QString text;
    switch (value.metaType().id()) {
    case QMetaType::Bool: return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case QMetaType::Double: return QString::number(value.toDouble(), 'g', 15);
    default: text = value.toString(); break;
    }
    // A tab or line break inside a value would split its row.
    for (QChar &c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return text;
}

} // namespace

void runQuery(const QString &path, const QString &statement)
{
    Connection connection;
    connection.open(sqliteConnectString(path));
    Recordset rows;
    rows.open(statement, connection);
    QByteArray out;
    for (; !rows.eof(); rows.moveNext()) {
        QStringList cells;
        for (int i = 0; i < rows.fieldCount(); ++i)
            cells << cellText(rows.value(i));
        out += cells.join(QLatin1Char('\t')).toUtf8() + '\n';
        if (out.size() > (1 << 16)) {
            std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
            out.clear();
        }
    }
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fflush(stdout);
}
