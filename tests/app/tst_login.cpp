#include "app/Password.h"
#include "app/SettingsStore.h"
#include "app/frmAP_Login.h"
#include "app/frmAP_Main.h"
#include "app/modMain.h"
#include "tests/support/Responders.h"
#include "tests/support/TestDatabase.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class tst_Login : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encode_data();
    void encode();
    void decode();
    void opensWithSupervisor();
    void login_data();
    void login();
    void unreachableDatabase();
    void escapeEndsTheProgram();
};

namespace {

struct LoginWindow
{
    frmAP_Login window;
    LoginWindow()
    {
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
    }
    QLineEdit *id() { return window.findChild<QLineEdit *>(QStringLiteral("txtIdUser")); }
    QLineEdit *password() { return window.findChild<QLineEdit *>(QStringLiteral("txtPWD")); }
    void login() { QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdLogin")), Qt::LeftButton); }
};

void closeFrames()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<frmAP_Main *>(w) || w->objectName() == QLatin1String("frmST_SettingClient"))
            w->close();
}

} // namespace

void tst_Login::encode_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("stored");
    QTest::newRow("abc") << "abc" << "979899";
    QTest::newRow("A") << "A" << "65";
    QTest::newRow("a1") << "a1" << "9749";
    QTest::newRow("d") << "d" << "100";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("tab keeps two digits") << "\t" << "09";
    // 菜 is B5 E6 in the code page: 0xB5E6 as a signed 16-bit number is -18970.
    QTest::newRow("Chinese") << "菜1" << "-1897049";
}

void tst_Login::encode()
{
    QFETCH(QString, password);
    QFETCH(QString, stored);
    QCOMPARE(modMain::EncodePassword(password), stored);
}

void tst_Login::decode()
{
    QCOMPARE(modMain::DecodePassword(QStringLiteral("6566")), QStringLiteral("AB"));
    QCOMPARE(modMain::DecodePassword(modMain::EncodePassword(QStringLiteral("PW12"))), QStringLiteral("PW12"));
}

void tst_Login::opensWithSupervisor()
{
    modSystem::SaveLastLoginUser(QStringLiteral("ANNA"));
    LoginWindow w;
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Verdalo - 系統登入（請輸入帳號、密碼）"));
    QCOMPARE(w.id()->text(), QStringLiteral("SUPERVISOR"));
    QVERIFY(w.password()->hasFocus());
    QCOMPARE(w.password()->echoMode(), QLineEdit::Password);
    w.id()->clear();
    QTest::keyClicks(w.id(), QStringLiteral("ab!c"));
    QCOMPARE(w.id()->text(), QStringLiteral("ABC"));
}

void tst_Login::login_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("focus");
    QTest::newRow("mixed-case stored id") << "anna" << "pw" << true << "";
    QTest::newRow("trimmed") << "  ANNA " << " pw  " << true << "";
    QTest::newRow("wrong password") << "ANNA" << "px" << false << "txtPWD";
    QTest::newRow("wrong id") << "NOBODY" << "pw" << false << "txtIdUser";
    QTest::newRow("null password, empty typed") << "NULLPW" << "" << true << "";
    QTest::newRow("null password, text typed") << "NULLPW" << "x" << false << "txtPWD";
}

void tst_Login::login()
{
    QFETCH(QString, id);
    QFETCH(QString, password);
    QFETCH(bool, ok);
    QFETCH(QString, focus);
    TestDatabase db;
    db.exec(QStringLiteral("INSERT INTO BF_User (IdUser, NameUser, PWD) VALUES ('AnNa', '安娜', '%1'), "
                           "('NULLPW', '空', NULL);").arg(modMain::EncodePassword(QStringLiteral("pw"))));
    Responders responders;
    LoginWindow w;
    w.id()->setText(id);
    w.password()->setText(password);
    w.login();
    if (ok) {
        QVERIFY(responders.boxes.isEmpty());
        QVERIFY(!w.window.isVisible());
        QCOMPARE(modSystem::GetLastLoginUser(), modMain::IdUserLogin);
        if (id.contains(QLatin1String("anna"), Qt::CaseInsensitive)) {
            QCOMPARE(modMain::IdUserLogin, QStringLiteral("AnNa"));
            QCOMPARE(modMain::NameUserLogin, QStringLiteral("安娜"));
        }
        QVERIFY(frmAP_Main::instance() && frmAP_Main::instance()->isVisible());
        closeFrames();
        return;
    }
    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.first().prompt, QStringLiteral("登入帳號或密碼錯誤"));
    QCOMPARE(responders.boxes.first().title, QStringLiteral("登入失敗"));
    QVERIFY(w.window.isVisible());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void tst_Login::unreachableDatabase()
{
    UseDatabasePath(QStringLiteral("/nonexistent/none.db"));
    Responders responders;
    LoginWindow w;
    w.login();
    QCOMPARE(responders.boxes.size(), 2);
    QCOMPARE(responders.boxes.at(0).title, QStringLiteral("開啟資料庫"));
    QCOMPARE(responders.boxes.at(1).prompt, QString());
    QCOMPARE(responders.boxes.at(1).title, QStringLiteral("登入失敗"));
    QVERIFY(w.window.isVisible());
    closeFrames();
}

void tst_Login::escapeEndsTheProgram()
{
    LoginWindow w;
    QTest::keyClick(w.password(), Qt::Key_Escape);
    QVERIFY(w.window.quitRequested());
    QVERIFY(!w.window.isVisible());
}

QTEST_MAIN(tst_Login)
#include "tst_login.moc"
