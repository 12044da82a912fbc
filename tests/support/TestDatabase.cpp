#include "tests/support/TestDatabase.h"

#include "app/modMain.h"
#include "data/Connection.h"
#include "data/Schema.h"
#include "data/modConn.h"
#include "units/ServerQuantityFunctions.h"

#include <QTest>

void UseDatabasePath(const QString &path)
{
    modMain::SetFixedValues();
    modMain::ServerIP = path;
    modMain::ConnectString = modMain::ComposeConnectString();
    modConn::ResetSharedConnection();
}

TestDatabase::TestDatabase()
{
    modSystem_TORVO::RegisterServerFunctions();
    m_path = m_dir.filePath(QStringLiteral("test.db"));
    modSchema::CreateSqliteDatabase(m_path);
    UseDatabasePath(m_path);
}

TestDatabase::~TestDatabase() { modConn::ResetSharedConnection(); }

void TestDatabase::exec(const QString &script) const
{
    Connection connection;
    connection.open(QStringLiteral("Data Source=") + m_path);
    connection.executeScript(script);
    connection.close();
}
