// Own company titles: the single default title, the delete guards and the audit columns.
#include "app/modMain.h"
#include "data/modDB.h"
#include "masterdata/frmBF_SelfCompanyTitle.h"
#include "tests/masterdata/MasterDataTest.h"
#include "tests/support/Responders.h"
#include "tests/support/TestDatabase.h"
#include "ui/MsgBox.h"

#include <QCheckBox>
#include <QToolBar>

using namespace MasterDataTest;

class tst_SelfCompanyTitle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_db.reset(); }
    void toolBarCaptions();
    void defaultTitle_data();
    void defaultTitle();
    void failedSaveKeepsTheOldDefault();
    void auditColumns();
    void deleteGuards_data();
    void deleteGuards();
    void deleteAsksFirst();

private:
    QString defaults() const;
    std::unique_ptr<TestDatabase> m_db;
};

void tst_SelfCompanyTitle::init()
{
    m_db = std::make_unique<TestDatabase>();
    m_db->exec(QStringLiteral(
        "INSERT INTO BF_SelfCompanyTitle (SelfCompanyID, CompanyName, CompanyVAT, SystemDefault, InActive) VALUES "
        "(1, '綠野農產', '12345678', 1, 0), (2, '青山果菜', '87654321', 0, 1);"));
    modMain::IdUserLogin = QStringLiteral("ANN");
}

QString tst_SelfCompanyTitle::defaults() const
{
    QStringList ids;
    for (const char *id : {"1", "2", "3"})
        if (modDB::GetBoolean(QStringLiteral("SELECT SystemDefault FROM [BF_SelfCompanyTitle] WHERE SelfCompanyID = ") + id))
            ids << QLatin1String(id);
    return ids.join(QLatin1Char(','));
}

void tst_SelfCompanyTitle::toolBarCaptions()
{
    Responders responders;
    frmBF_SelfCompanyTitle window;
    QVERIFY(showActive(window));
    QStringList captions;
    for (QAction *action : window.findChild<QToolBar *>(QStringLiteral("tlbMain"))->actions())
        if (!action->isSeparator())
            captions << action->text();
    QCOMPARE(captions, QStringList({"新增(N)", "修改(F2)", "刪除(Del)", "取消(Esc)", "儲存(S)", "列印", "離開(Esc)"}));
    QCOMPARE(button(window, "Modify")->toolTip(), QStringLiteral("修改目前的產品資料（快速鍵：F2）"));
    QCOMPARE(window.windowTitle(), QStringLiteral("本公司抬頭資料建檔：1 - 綠野農產（瀏覽模式／共 2 筆記錄）"));
}

void tst_SelfCompanyTitle::defaultTitle_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ticked: only the new one") << true << "3";
    QTest::newRow("unticked: others untouched") << false << "1";
}

void tst_SelfCompanyTitle::defaultTitle()
{
    QFETCH(bool, ticked);
    QFETCH(QString, expected);
    Responders responders;
    frmBF_SelfCompanyTitle window;
    QVERIFY(showActive(window));
    press(window, Qt::Key_Insert);
    QVERIFY(window.findChild<QCheckBox *>(QStringLiteral("sscInActive"))->isEnabled());
    type(window, QStringLiteral(" Hill Farm "));
    window.findChild<QCheckBox *>(QStringLiteral("sscSystemDefault"))->setChecked(ticked);
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.boxes.last().prompt, QStringLiteral("儲存成功"));
    QCOMPARE(modDB::GetString(QStringLiteral("SELECT CompanyName FROM [BF_SelfCompanyTitle] WHERE SelfCompanyID = 3")),
             QStringLiteral("Hill Farm"));
    QCOMPARE(defaults(), expected);
}

void tst_SelfCompanyTitle::failedSaveKeepsTheOldDefault()
{
    m_db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON BF_SelfCompanyTitle "
                              "BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
    Responders responders;
    frmBF_SelfCompanyTitle window;
    QVERIFY(showActive(window));
    press(window, Qt::Key_Insert);
    type(window, QStringLiteral("Hill Farm"));
    window.findChild<QCheckBox *>(QStringLiteral("sscSystemDefault"))->setChecked(true);
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(responders.reports.size(), 1);
    QVERIFY(responders.reports.at(0).contains(QStringLiteral("frmBF_SelfCompanyTitle.FormSave")));
    QVERIFY(window.isAddingNew()); // the input stays for another try
    QCOMPARE(defaults(), QStringLiteral("1"));
}

void tst_SelfCompanyTitle::auditColumns()
{
    Responders responders;
    frmBF_SelfCompanyTitle window;
    QVERIFY(showActive(window));
    press(window, Qt::Key_Insert);
    type(window, QStringLiteral("Hill Farm"));
    press(window, Qt::Key_S, Qt::ControlModifier);
    const QString audit = QStringLiteral("SELECT IFNULL(IdUserAddNew, '-') + '|' + IFNULL(IdUserModifyFirst, '-') + '|' + IFNULL(IdUserModifyLast, '-') + '|' + IFNULL(CAST(TimeModifyFirst = TimeModifyLast AS VARCHAR), '-') FROM [BF_SelfCompanyTitle] WHERE SelfCompanyID = ");
    QCOMPARE(modDB::GetString(audit + QStringLiteral("3")), QStringLiteral("ANN|-|-|-"));

    m_db->exec(QStringLiteral("UPDATE BF_SelfCompanyTitle SET TimeModifyFirst = '2024-01-05 08:00:00', IdUserModifyFirst = 'BOB' WHERE SelfCompanyID = 1;"));
    list(window)->setCurrentRow(0);
    press(window, Qt::Key_F2);
    press(window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(modDB::GetString(audit + QStringLiteral("1")), QStringLiteral("-|BOB|ANN|0"));
    const QDateTime last = modDB::GetDate(QStringLiteral("SELECT TimeModifyLast FROM [BF_SelfCompanyTitle] WHERE SelfCompanyID = 1"));
    QVERIFY(qAbs(last.secsTo(QDateTime::currentDateTime())) < 5);
}

void tst_SelfCompanyTitle::deleteGuards_data()
{
    QTest::addColumn<QString>("partners");
    QTest::addColumn<QString>("message");
    const QString failed = QStringLiteral("刪除失敗\r\n\r\n");
    QTest::newRow("customer first") << "INSERT INTO BF_Customer (CustomerID, SelfCompanyTitleID) VALUES ('C001', 1); "
                                       "INSERT INTO BF_Supplier (SupplierID, SelfCompanyTitleID) VALUES ('S001', 1);"
                                    << failed + QStringLiteral("此筆抬頭資料已建立於「客戶基本資料」，不允許刪除");
    QTest::newRow("supplier") << "INSERT INTO BF_Supplier (SupplierID, SelfCompanyTitleID) VALUES ('S001', 1);"
                              << failed + QStringLiteral("此筆抬頭資料已建立於「供應廠商基本資料」，不允許刪除");
}

void tst_SelfCompanyTitle::deleteGuards()
{
    QFETCH(QString, partners);
    QFETCH(QString, message);
    m_db->exec(partners);
    Responders responders;
    frmBF_SelfCompanyTitle window;
    QVERIFY(showActive(window));
    button(window, "Delete")->trigger();
    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.at(0).prompt, message);
    QCOMPARE(responders.boxes.at(0).title, QStringLiteral("刪除程序"));
    QCOMPARE(modDB::GetLong(QStringLiteral("SELECT COUNT(*) FROM [BF_SelfCompanyTitle] ")), 2);
}

void tst_SelfCompanyTitle::deleteAsksFirst()
{
    Responders responders;
    frmBF_SelfCompanyTitle window;
    QVERIFY(showActive(window));
    responders.boxAnswers = {modUI::AnswerCancel};
    button(window, "Delete")->trigger();
    QCOMPARE(responders.boxes.at(0).prompt,
             QStringLiteral("是否欲刪除以下紀錄\r\n\r\n流水編號：1\r\n公司名稱：綠野農產\r\n統一編號：12345678"));
    QCOMPARE(responders.boxes.at(0).style, modUI::OKCancel | modUI::Question | modUI::DefaultButton2);
    QCOMPARE(responders.boxes.at(1).prompt, QStringLiteral("刪除失敗\r\n\r\n使用者已取消操作"));

    button(window, "Delete")->trigger(); // OK this time
    QCOMPARE(responders.boxes.last().prompt, QStringLiteral("已刪除 [1] "));
    QCOMPARE(window.windowTitle(), QStringLiteral("本公司抬頭資料建檔：2 - 青山果菜（瀏覽模式／共 1 筆記錄）"));
}

QTEST_MAIN(tst_SelfCompanyTitle)
#include "tst_selfcompanytitle.moc"
