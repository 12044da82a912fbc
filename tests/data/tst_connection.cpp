#include "app/modMain.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/SqlText.h"
#include "data/modConn.h"
#include "data/modDB.h"
#include "tests/support/Responders.h"
#include "tests/support/TestDatabase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

class tst_Connection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void nestingKeepsTheOuterOpen();
    void commitAndRollbackWithoutTransactionDoNothing();
    void rollbackUndoesAndCommitKeeps();
    void unreachableServer_data();
    void unreachableServer();
    void executeCommandWithServerDown();
    void notADatabaseIsUnreachable();
    void updatableRecordsetAddsAndUpdates();
    void apostropheIsData();
    void readOnlyRecordsetRefusesChanges();
};

namespace {

bool settingsWindowShown()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmST_SettingClient") && w->isVisible())
            return true;
    return false;
}

void closeSettingsWindows()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmST_SettingClient"))
            w->close();
}

int supplierCount()
{
    return modDB::GetLong(QStringLiteral("SELECT COUNT(*) FROM [BF_Supplier] "));
}

} // namespace

void tst_Connection::cleanup() { closeSettingsWindows(); }

void tst_Connection::nestingKeepsTheOuterOpen()
{
    TestDatabase db;
    Connection &c = modConn::SharedConnection();
    QVERIFY(modConn::OpenConnection());
    QVERIFY(modConn::OpenConnection());
    QVERIFY(modConn::ConnectionWasOpen);
    modConn::CloseConnection();
    QVERIFY(c.isOpen());
    QVERIFY(!modConn::ConnectionWasOpen);
    modConn::CloseConnection();
    QVERIFY(!c.isOpen());
}

void tst_Connection::commitAndRollbackWithoutTransactionDoNothing()
{
    TestDatabase db;
    modConn::CommitTransaction();
    modConn::RollbackTransaction();
    QCOMPARE(modConn::TransactionDepth, qint16(0));
}

void tst_Connection::rollbackUndoesAndCommitKeeps()
{
    TestDatabase db;
    QVERIFY(modConn::OpenConnection());
    {
        modConn::TransactionScope scope;
        QCOMPARE(modConn::TransactionDepth, qint16(1));
        modDB::ExecuteNoQuery(QStringLiteral("INSERT INTO [BF_Supplier] (SupplierID) VALUES ('A001')"));
    } // not committed: rolled back
    QCOMPARE(modConn::TransactionDepth, qint16(0));
    QCOMPARE(supplierCount(), 0);
    {
        modConn::TransactionScope scope;
        modDB::ExecuteNoQuery(QStringLiteral("INSERT INTO [BF_Supplier] (SupplierID) VALUES ('A002')"));
        scope.commit();
    }
    modConn::CloseConnection();
    QCOMPARE(supplierCount(), 1);
}

void tst_Connection::unreachableServer_data()
{
    QTest::addColumn<QString>("server");
    QTest::newRow("missing file") << QStringLiteral("/nonexistent/folder/none.db");
    QTest::newRow("server not listening") << QStringLiteral("127.0.0.1,1");
}

void tst_Connection::unreachableServer()
{
    QFETCH(QString, server);
    QTemporaryDir dir;
    UseDatabasePath(server);
    Responders responders;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!modConn::OpenConnection());
    QVERIFY(timer.elapsed() < 6000);
    QCOMPARE(responders.boxes.size(), 1);
    const modUI::MsgBoxRecord box = responders.boxes.first();
    QCOMPARE(box.title, QStringLiteral("開啟資料庫"));
    QCOMPARE(box.style, int(modUI::Critical));
    QVERIFY(box.prompt.startsWith(QStringLiteral("找不到資料庫伺服器，請檢查「用戶端電腦設定」中的伺服器IP位址是否正確\r\n\r\n詳細錯誤訊息：[DBNETLIB][ConnectionOpen (Connect()).]SQL Server 不存在或拒絕存取。\r\n資料庫伺服器：")));
    QVERIFY(box.prompt.endsWith(QStringLiteral("\r\n連線字串：") + modMain::ConnectString));
    QVERIFY(responders.reports.isEmpty());
    QVERIFY(settingsWindowShown());
    QVERIFY(!QFile::exists(server)); // never creates a database
}

void tst_Connection::executeCommandWithServerDown()
{
    UseDatabasePath(QStringLiteral("/nonexistent/none.db"));
    Responders responders;
    QCOMPARE(modConn::ExecuteCommand(QStringLiteral("DELETE FROM [BF_Supplier]")), -1);
    QCOMPARE(responders.boxes.size(), 1);
}

void tst_Connection::notADatabaseIsUnreachable()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("text.db"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    Connection c;
    try {
        c.open(QStringLiteral("Data Source=") + path);
        QFAIL("a file that is no database opened");
    } catch (const DbError &e) {
        QCOMPARE(e.number(), DbError::ServerUnreachable);
    }
}

void tst_Connection::updatableRecordsetAddsAndUpdates()
{
    TestDatabase db;
    QVERIFY(modConn::OpenConnection());
    Recordset rs;
    rs.open(QStringLiteral("SELECT * FROM [BC_ProductCategory] WHERE (ProductCategoryID = 0)"),
            modConn::SharedConnection(), Recordset::Mode::Updatable);
    QVERIFY(rs.eof());
    rs.addNew();
    rs.setValue(QStringLiteral("ProductCategoryName"), QStringLiteral("葉菜類"));
    rs.setValue(QStringLiteral("SortOrder"), 100);
    rs.update();
    const qint64 id = rs.value(QStringLiteral("ProductCategoryID")).toLongLong();
    QVERIFY(id > 0);
    rs.close();

    rs.open(QStringLiteral("SELECT * FROM [BC_ProductCategory] WHERE (ProductCategoryID = %1)").arg(id),
            modConn::SharedConnection(), Recordset::Mode::Updatable);
    QCOMPARE(rs.recordCount(), 1);
    QCOMPARE(rs.value(QStringLiteral("productcategoryname")).toString(), QStringLiteral("葉菜類"));
    QVERIFY(rs.value(QStringLiteral("Note")).isNull());
    rs.setValue(QStringLiteral("Note"), QStringLiteral("greens"));
    rs.update();
    rs.close();
    modConn::CloseConnection();
    QCOMPARE(modDB::GetString(QStringLiteral("SELECT Note FROM [BC_ProductCategory] WHERE ProductCategoryID = %1").arg(id)),
             QStringLiteral("greens"));
}

void tst_Connection::apostropheIsData()
{
    TestDatabase db;
    const QString name = QStringLiteral("O'Brien's 果菜'); DROP TABLE BF_Supplier; --");
    modDB::ExecuteNoQuery(QStringLiteral("INSERT INTO [BF_Supplier] (SupplierID, SupplierName) VALUES ('S001', '")
                          + modDB::SqlText(name) + QStringLiteral("')"));
    QCOMPARE(modDB::GetString(QStringLiteral("SELECT SupplierName FROM [BF_Supplier] WHERE (SupplierID = 'S001')")), name);
    QVERIFY(modDB::IsValueExist(QStringLiteral("BF_Supplier"), QStringLiteral("SupplierName"), name));
}

void tst_Connection::readOnlyRecordsetRefusesChanges()
{
    TestDatabase db;
    QVERIFY(modConn::OpenConnection());
    Recordset rs;
    rs.open(QStringLiteral("SELECT * FROM [SS_SystemSetting] WHERE ID = 1 "), modConn::SharedConnection());
    QVERIFY_THROWS_EXCEPTION(DbError, rs.addNew());
    QVERIFY_THROWS_EXCEPTION(DbError, rs.value(QStringLiteral("NoSuchField")));
    modConn::CloseConnection();
}

QTEST_MAIN(tst_Connection)
#include "tst_connection.moc"
