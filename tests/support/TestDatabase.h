#pragma once

#include <QString>
#include <QTemporaryDir>

// A real database made from the schema scripts in a temporary folder, made the program's
// database: ServerIP and ConnectString point to it and the shared connection is fresh.
class TestDatabase
{
public:
    TestDatabase();
    ~TestDatabase();

    QString path() const { return m_path; }
    // Runs statements as written on the file, outside the shared connection.
    void exec(const QString &script) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// Points the program at a database file that does not need to exist.
void UseDatabasePath(const QString &path);
