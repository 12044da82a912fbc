#include "app/frmAP_Main.h"
#include "app/modMain.h"
#include "masterdata/MasterDataWindow.h"
#include "tests/support/Responders.h"
#include "tests/support/ModalCloser.h"
#include "tests/support/TestDatabase.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

class tst_MainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_db.reset(); }
    void caption();
    void wholeMenuWithoutRows();
    void permissions_data();
    void permissions();
    void oneInstancePerItem();
    void masterDataWindows_data();
    void masterDataWindows();
    void modalAndSeparateWindows();
    void closingTheFrameClosesChildren();

private:
    std::unique_ptr<TestDatabase> m_db;
};

namespace {

QAction *item(frmAP_Main &frame, const char *name)
{
    return frame.menuBar()->findChild<QAction *>(QLatin1String(name));
}

} // namespace

void tst_MainWindow::init()
{
    m_db = std::make_unique<TestDatabase>();
    modMain::IdUserLogin = QStringLiteral("ANNA");
}

void tst_MainWindow::caption()
{
    frmAP_Main frame;
    QCOMPARE(frame.windowTitle(), QStringLiteral("Verdalo ： 版本編號：") + QStringLiteral(VERDALO_VERSION)
                                      + QStringLiteral("　　資料庫位址：") + m_db->path()
                                      + QStringLiteral("　　資料庫名稱：TORVO　　使用者：ANNA"));
}

void tst_MainWindow::wholeMenuWithoutRows()
{
    frmAP_Main frame;
    QStringList tops;
    for (QAction *a : frame.menuBar()->actions())
        tops << a->text();
    QCOMPARE(tops, (QStringList{"基本代碼(&C)", "基本建檔(&F)", "單據作業(&O)", "查詢報表(&P)", "結帳查詢(&B)",
                                "系統工具(&U)", "系統設定(&S)", "視窗顯示(&W)", "說明(&H)"}));
    QCOMPARE(frame.findChild<QMenu *>(QStringLiteral("mnuBF"))->actions().size(), 6);
    QVERIFY(item(frame, "mnuRP_StockCompany")->isVisible());
    QVERIFY(item(frame, "mnuWD_Cascade")->isChecked());
}

void tst_MainWindow::permissions_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("stock report hidden")
        << "('ANNA','K40100',0), ('ANNA','K40200',1), ('BOB','K40200',0)"
        << QStringList{"mnuRP_StockCompany"} << QStringList{"mnuRP_SupplierInCustomerOrderi", "mnuRP_CustomerOrderInSupplier"};
    QTest::newRow("a whole top menu") << "('ANNA','K50000',0)" << QStringList{"mnuPB"} << QStringList{"mnuRP"};
    QTest::newRow("bad keys skipped") << "('ANNA','K70100',0), ('ANNA','K10600',0), ('ANNA','K101',0), ('ANNA','K10101',0), ('ANNA','X10100',0)"
                                      << QStringList{} << QStringList{"mnuBC_OrderItemNote"};
    QTest::newRow("another user's rows") << "('BOB','K40100',0)" << QStringList{} << QStringList{"mnuRP_StockCompany"};
}

void tst_MainWindow::permissions()
{
    QFETCH(QString, rows);
    QFETCH(QStringList, hidden);
    QFETCH(QStringList, shown);
    m_db->exec(QStringLiteral("INSERT INTO SM_UserFormPermissionTree (IdUser, NodeKey, Checked) VALUES ") + rows + ';');
    frmAP_Main frame;
    for (const QString &name : hidden)
        QVERIFY2(!item(frame, name.toLatin1().constData())->isVisible(), qPrintable(name));
    for (const QString &name : shown)
        QVERIFY2(item(frame, name.toLatin1().constData())->isVisible(), qPrintable(name));
}

void tst_MainWindow::oneInstancePerItem()
{
    frmAP_Main frame;
    frame.show();
    item(frame, "mnuOR_CustomerOrder")->trigger();
    item(frame, "mnuBC_MeasurementUnit")->trigger();
    item(frame, "mnuOR_CustomerOrder")->trigger();
    QMdiArea *area = frame.workspace();
    QCOMPARE(area->subWindowList().size(), 2);
    QCOMPARE(area->activeSubWindow()->widget()->objectName(), QStringLiteral("frmOR_CustomerOrder"));
    QCOMPARE(area->activeSubWindow()->widget()->windowTitle(), QStringLiteral("客戶訂購單"));
    area->activeSubWindow()->close();
    QTest::qWait(10);
    QCOMPARE(area->subWindowList().size(), 1);
    item(frame, "mnuOR_CustomerOrder")->trigger();
    QCOMPARE(area->subWindowList().size(), 2);
}

void tst_MainWindow::masterDataWindows_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("caption");
    QTest::newRow("categories") << "mnuBC_ProductCategory" << QStringLiteral("產品類別代碼");
    QTest::newRow("units") << "mnuBC_MeasurementUnit" << QStringLiteral("計量單位");
    QTest::newRow("notes") << "mnuBC_OrderItemNote" << QStringLiteral("單據品項備註");
    QTest::newRow("titles") << "mnuBF_SelfCompanyTitle" << QStringLiteral("本公司抬頭資料建檔");
    QTest::newRow("suppliers") << "mnuBF_Supplier" << QStringLiteral("供應廠商資料建檔");
    QTest::newRow("customers") << "mnuBF_Customer" << QStringLiteral("客戶資料建檔");
    QTest::newRow("products") << "mnuBF_Product" << QStringLiteral("產品主檔");
}

void tst_MainWindow::masterDataWindows()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, caption);
    Responders responders;
    frmAP_Main frame;
    frame.show();
    item(frame, menuItem.toLatin1().constData())->trigger();
    QMdiSubWindow *child = frame.workspace()->activeSubWindow();
    auto *window = qobject_cast<MasterDataWindow *>(child->widget());
    QVERIFY(window);
    QVERIFY(window->windowTitle().startsWith(caption + QStringLiteral("：")));
    QCOMPARE(child->pos(), QPoint(0, 0));
    QVERIFY(!(child->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    window->findChild<QAction *>(QStringLiteral("Quit"))->trigger();
    QTest::qWait(10);
    QVERIFY(frame.workspace()->subWindowList().isEmpty());
    QVERIFY(responders.reports.isEmpty());
}

void tst_MainWindow::modalAndSeparateWindows()
{
    frmAP_Main frame;
    frame.show();
    ModalCloser closer;
    item(frame, "mnuSS_SettingClient")->trigger();
    item(frame, "mnuSS_SystemSetting")->trigger();
    QCOMPARE(closer.closed, (QStringList{"frmST_SettingClient", "frmST_SettingSystem"}));
    item(frame, "mnuSU_UnitQtyCalculate")->trigger();
    QWidget *calculator = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmSU_UnitQtyCalculate") && w->isVisible())
            calculator = w;
    QVERIFY(calculator);
    QVERIFY(!calculator->isModal());
    QVERIFY(frame.workspace()->subWindowList().isEmpty());
    calculator->close();
}

void tst_MainWindow::closingTheFrameClosesChildren()
{
    auto *frame = new frmAP_Main;
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->show();
    item(*frame, "mnuBF_Supplier")->trigger();
    QPointer<QWidget> child = frame->workspace()->subWindowList().first()->widget();
    QPointer<frmAP_Main> guard = frame;
    frame->close();
    QTest::qWait(20);
    QVERIFY(!guard);
    QVERIFY(!child);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
