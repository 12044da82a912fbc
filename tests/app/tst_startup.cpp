#include "admin/frmST_SettingClient.h"
#include "app/SettingsStore.h"
#include "app/StartUp.h"
#include "app/modMain.h"
#include "tests/support/ModalCloser.h"
#include "tests/support/Responders.h"
#include "tests/support/TestDatabase.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>

class tst_StartUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void noServerAddress();
    void unreachableServer();
    void codeLengths_data();
    void codeLengths();
    void noSettingsRow();
    void defaultUnit_data();
    void defaultUnit();
    void noDefaultUnit();
    void settingsStore();
    void settingsWindowSaves();
};

namespace {

const QString SettingsFile = qEnvironmentVariable("VERDALO_SETTINGS");

// A fresh database that the settings store points to.
struct StoredDatabase
{
    TestDatabase db;
    StoredDatabase() { modSystem::SaveServerIP(db.path()); }
};

} // namespace

void tst_StartUp::init() { QFile::remove(SettingsFile); }

void tst_StartUp::noServerAddress()
{
    Responders responders;
    ModalCloser closer;
    QVERIFY(!modMain::Initial());
    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.first().prompt,
             QStringLiteral("尚未設定伺服器IP位址\r\n\r\n請至「系統環境設定」指定適當資料庫伺服器位置"));
    QCOMPARE(responders.boxes.first().title, QStringLiteral("系統初始化"));
    QCOMPARE(closer.closed, QStringList{QStringLiteral("frmST_SettingClient")});
}

void tst_StartUp::unreachableServer()
{
    modSystem::SaveServerIP(QStringLiteral("/nonexistent/verdalo.db"));
    Responders responders;
    QVERIFY(!modMain::Initial());
    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.first().title, QStringLiteral("開啟資料庫"));
    QCOMPARE(modMain::ConnectString,
             QStringLiteral("Provider=SQLOLEDB.1;Qfqgzxii=IRINIAUHT;Tsboxof Nxnkwdnh Fhsg=Adbv;"
                            "User ID=MMIXJAHFZ;Persist Security Info=False;Initial Catalog=TORVO;"
                            "Data Source=/nonexistent/verdalo.db"));
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmST_SettingClient"))
            w->close();
}

void tst_StartUp::codeLengths_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("1 becomes 4") << "1" << 4;
    QTest::newRow("2 stays") << "2" << 2;
    QTest::newRow("12 stays") << "12" << 12;
    QTest::newRow("null becomes 4") << "NULL" << 4;
}

void tst_StartUp::codeLengths()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    StoredDatabase s;
    s.db.exec(QStringLiteral("UPDATE SS_SystemSetting SET FixedLengthProductID = %1, RoundLengthQty = 1;").arg(stored));
    Responders responders;
    QVERIFY(modMain::Initial());
    QCOMPARE(int(modMain::FixedLengthProductID), expected);
    QCOMPARE(int(modMain::FixedLengthCustomerID), 4);
    QCOMPARE(int(modMain::RoundLengthQty), 1);
    QVERIFY(responders.boxes.isEmpty() && responders.reports.isEmpty());
}

void tst_StartUp::noSettingsRow()
{
    StoredDatabase s;
    s.db.exec(QStringLiteral("DELETE FROM SS_SystemSetting;"));
    QVERIFY(modMain::Initial());
    QCOMPARE(int(modMain::FixedLengthSupplierID), 4);
    QCOMPARE(int(modMain::RoundLengthAmount), 0);
}

void tst_StartUp::defaultUnit_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("catty");
    QTest::addColumn<QString>("separator");
    QTest::newRow("catty, null separator")
        << "UPDATE BC_MeasurementUnit SET UnitSeparateString = NULL WHERE MeasurementUnitID = 5;" << 5 << true << "";
    QTest::newRow("catty, @")
        << "UPDATE BC_MeasurementUnit SET UnitSeparateString = '@' WHERE MeasurementUnitID = 5;" << 5 << true << "@";
    QTest::newRow("kilogram")
        << "UPDATE BC_MeasurementUnit SET SystemDefaultUnit = (MeasurementUnitID = 1), UnitSeparateString = '/';"
        << 1 << false << "";
    QTest::newRow("two defaults: the first row") << "UPDATE BC_MeasurementUnit SET SystemDefaultUnit = 1 WHERE MeasurementUnitID = 2;"
                                                 << 2 << false << "";
}

void tst_StartUp::defaultUnit()
{
    QFETCH(QString, change);
    QFETCH(int, unit);
    QFETCH(bool, catty);
    QFETCH(QString, separator);
    StoredDatabase s;
    s.db.exec(change);
    QVERIFY(modMain::Initial());
    QCOMPARE(int(modMain::SystemDefaultUnitID), unit);
    QCOMPARE(modMain::DefaultUnitIsCatty, catty);
    QCOMPARE(modMain::UnitSeparateString, separator);
}

void tst_StartUp::noDefaultUnit()
{
    StoredDatabase s;
    s.db.exec(QStringLiteral("UPDATE BC_MeasurementUnit SET SystemDefaultUnit = 0;"));
    Responders responders;
    ModalCloser closer;
    QVERIFY(!modMain::Initial());
    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.first().prompt, QStringLiteral("尚未設定系統預設單位"));
    QCOMPARE(responders.boxes.first().style, int(modUI::Critical));
    QCOMPARE(closer.closed, QStringList{QStringLiteral("frmST_SettingSystem")});
}

void tst_StartUp::settingsStore()
{
    QCOMPARE(modSystem::GetServerIP(), QString());
    QVERIFY(modSystem::SaveServerIP(QStringLiteral("db-server,1433")));
    QVERIFY(modSystem::SaveLastLoginUser(QStringLiteral("ANNA")));
    QCOMPARE(modSystem::GetServerIP(), QStringLiteral("db-server,1433"));
    QCOMPARE(modSystem::GetLastLoginUser(), QStringLiteral("ANNA"));
    QVERIFY(modSystem::SaveServerIP(QString(1024, QLatin1Char('x'))));
    QCOMPARE(modSystem::GetServerIP(), QString()); // longer than the read buffer
}

void tst_StartUp::settingsWindowSaves()
{
    Responders responders;
    modMain::ServerIP = QStringLiteral("old-server");
    frmST_SettingClient *window = nullptr;
    frmST_SettingClient::showModeless();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmST_SettingClient"))
            window = static_cast<frmST_SettingClient *>(w);
    QVERIFY(window);
    auto *box = window->findChild<QLineEdit *>(QStringLiteral("txtSystem_ServerIP"));
    QCOMPARE(box->text(), QStringLiteral("old-server"));
    box->setText(QStringLiteral("/data/shop.db"));
    window->findChild<QAction *>(QStringLiteral("OK"))->trigger();
    QCOMPARE(modSystem::GetServerIP(), QStringLiteral("/data/shop.db"));
    QCOMPARE(responders.boxes.last().prompt, QStringLiteral("設定已完成\r\n\r\n請重新啟動系統"));
    window->findChild<QAction *>(QStringLiteral("Quit"))->trigger();
}

QTEST_MAIN(tst_StartUp)
#include "tst_startup.moc"
