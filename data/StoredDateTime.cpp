#include "data/StoredDateTime.h"

namespace StoredDateTime {

QString toText(const QDateTime &value) { return value.toString(Format); }

QDateTime parse(const QString &text)
{
    for (const char *format : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm:ss.zzz",
                               "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd"}) {
        const QDateTime value = QDateTime::fromString(text, QLatin1String(format));
        if (value.isValid())
            return value;
    }
    return {};
}

} // namespace StoredDateTime
