#include "data/Schema.h"

#include "data/Connection.h"
#include "data/DbError.h"

#include <QDir>
#include <QFile>

namespace modSchema {

QStringList SqliteScripts()
{
    QStringList scripts;
    const QDir dir(QStringLiteral(":/schema/sqlite"));
    for (const QString &name : dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            scripts << QString::fromUtf8(file.readAll());
    }
    return scripts;
}

void CreateSqliteDatabase(const QString &path)
{
    const QLatin1String source("modSchema");
    if (QFile::exists(path))
        throw DbError(DbError::CommandFailed, QStringLiteral("檔案已存在：") + path, source);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) // an empty file is an empty database
        throw DbError(DbError::CommandFailed, QStringLiteral("無法建立檔案：") + path, source);
    file.close();
    try {
        Connection connection;
        connection.open(QStringLiteral("Data Source=sqlite:") + path);
        connection.beginTransaction();
        for (const QString &script : SqliteScripts())
            connection.executeScript(script);
        connection.commitTransaction();
        connection.close();
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}

} // namespace modSchema
