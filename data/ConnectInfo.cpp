#include "data/Engine.h"
#include "data/OdbcEngine.h"
#include "data/SqliteEngine.h"

namespace {

// The entry of the connection string that holds the login's password.
const QLatin1String PasswordKey("Qfqgzxii");

} // namespace

ConnectInfo ConnectInfo::parse(const QString &connectString)
{
    ConnectInfo info;
    const QStringList entries = connectString.split(QLatin1Char(';'));
    for (const QString &entry : entries) {
        const int eq = entry.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = entry.left(eq).trimmed();
        const QString value = entry.mid(eq + 1).trimmed();
        if (key.compare(QLatin1String("Data Source"), Qt::CaseInsensitive) == 0)
            info.dataSource = value;
        else if (key.compare(QLatin1String("Initial Catalog"), Qt::CaseInsensitive) == 0)
            info.catalog = value;
        else if (key.compare(QLatin1String("User ID"), Qt::CaseInsensitive) == 0)
            info.userId = value;
        else if (key.compare(PasswordKey, Qt::CaseInsensitive) == 0)
            info.password = value;
    }
    return info;
}

bool ConnectInfo::isSqlite() const
{
    const QString source = dataSource.trimmed();
    if (source.startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive))
        return true;
    for (const char *suffix : {".db", ".sqlite", ".sqlite3"})
        if (source.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return true;
    return false;
}

QString ConnectInfo::sqlitePath() const
{
    QString source = dataSource.trimmed();
    if (source.startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive))
        source = source.mid(7);
    return source;
}

std::unique_ptr<Engine> Engine::create(const ConnectInfo &info)
{
    if (info.isSqlite())
        return std::make_unique<SqliteEngine>();
    return std::make_unique<OdbcEngine>();
}
