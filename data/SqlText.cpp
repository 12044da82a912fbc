#include "data/SqlText.h"

namespace modDB {

QString SqlText(const QString &value)
{
    QString escaped = value;
    escaped.replace(QLatin1Char('\''), QLatin1String("''"));
    return escaped;
}

} // namespace modDB
