#include "tools/NewDatabase.h"

#include "data/Connection.h"
#include "data/Schema.h"

#include <QFile>

QString sqliteConnectString(const QString &path)
{
    // The prefix makes any file name an embedded database, whatever its suffix.
    return QStringLiteral("Data Source=sqlite:") + path;
}

void fillNewDatabase(const QString &path, const std::function<void(Connection &)> &fill)
{
    modSchema::CreateSqliteDatabase(path);
    try {
        Connection connection;
        connection.open(sqliteConnectString(path));
        fill(connection);
        connection.close();
    } catch (...) {
        for (const char *suffix : {"", "-wal", "-shm", "-journal"})
            QFile::remove(path + QLatin1String(suffix));
        throw;
    }
}
