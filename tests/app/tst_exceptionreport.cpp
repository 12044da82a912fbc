#include "app/ExceptionReport.h"
#include "app/Procedure.h"
#include "app/frmAP_ModErr.h"
#include "data/DbError.h"
#include "tests/support/Responders.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class tst_ExceptionReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answers_data();
    void answers();
    void detailsHiddenUntilAsked();
    void copiesTheWholeText();
    void procedureProtocol();
};

namespace {

// Runs the dialog modally and lets act() work on it once it is shown.
qint16 runDialog(const std::function<void(frmAP_ModErr *)> &act)
{
    frmAP_ModErr dialog;
    dialog.setDetailText(QStringLiteral("detail"));
    QTimer::singleShot(0, &dialog, [&] { act(&dialog); });
    dialog.exec();
    return dialog.ErrReturn();
}

} // namespace

void tst_ExceptionReport::answers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("expected");
    QTest::newRow("ignore") << "cmdIgnore" << 5;
    QTest::newRow("retry") << "cmdRetry" << 4;
    QTest::newRow("exit") << "cmdExit" << 3;
    QTest::newRow("enter presses ignore") << "enter" << 5;
    QTest::newRow("close box") << "close" << 3;
}

void tst_ExceptionReport::answers()
{
    QFETCH(QString, action);
    QFETCH(int, expected);
    const qint16 answer = runDialog([&](frmAP_ModErr *d) {
        if (action == QLatin1String("enter"))
            QTest::keyClick(d, Qt::Key_Return);
        else if (action == QLatin1String("close"))
            d->close();
        else
            QTest::mouseClick(d->findChild<QPushButton *>(action), Qt::LeftButton);
    });
    QCOMPARE(int(answer), expected);
}

void tst_ExceptionReport::detailsHiddenUntilAsked()
{
    runDialog([](frmAP_ModErr *d) {
        auto *detail = d->findChild<QPlainTextEdit *>(QStringLiteral("txtErr"));
        QCOMPARE(d->windowTitle(), QStringLiteral("程式例外"));
        QVERIFY(!detail->isVisible());
        const int small = d->height();
        QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("cmdInformation")), Qt::LeftButton);
        QVERIFY(detail->isVisible());
        QTest::qWait(10);
        QVERIFY(d->height() > small);
        QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("cmdInformation")), Qt::LeftButton);
        QVERIFY(!detail->isVisible());
        d->close();
    });
}

void tst_ExceptionReport::copiesTheWholeText()
{
    const DbError error(-2147217900, QStringLiteral("no such table: X"), QStringLiteral("SQLite"));
    const QString detail = modMain::ExceptionHeader(QStringLiteral("modMain.Initial"))
        + modMain::ExceptionLine(QStringLiteral("sSQL　　　　　　："), QStringLiteral("SELECT 1"));
    const QString text = modMain::ComposeExceptionText(&error, detail);
    QCOMPARE(text, QStringLiteral("例外編號　　　　：-2147217900\r\n例外描述　　　　：no such table: X\r\n"
                                  "例外來源　　　　：SQLite\r\n例外程序　　　　：\tmodMain.Initial\r\n\r\n"
                                  "sSQL　　　　　　：\tSELECT 1\r\n"));
    QCOMPARE(modMain::ComposeExceptionText(nullptr, detail), detail);
    frmAP_ModErr dialog;
    dialog.setDetailText(text);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("cmdCopyInformation")), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), text);
}

void tst_ExceptionReport::procedureProtocol()
{
    Responders responders;
    responders.reportAnswers = {4, 5, 3};
    int runs = 0, undos = 0;
    Procedure proc([] { return QStringLiteral("detail"); });
    proc.onFailure([&] { ++undos; });
    auto failing = [&] {
        ++runs;
        throw DbError(1, QStringLiteral("boom"), QStringLiteral("test"));
    };
    QVERIFY(proc.step(failing)); // retry, then ignore: goes on
    QCOMPARE(runs, 2);
    QVERIFY(!proc.step(failing)); // leave
    QVERIFY(proc.left());
    QVERIFY(!proc.step([&] { ++runs; })); // nothing runs once left
    QCOMPARE(runs, 3);
    QCOMPARE(undos, 3);
    QCOMPARE(responders.reports.size(), 3);
    QVERIFY(responders.reports.first().endsWith(QStringLiteral("detail")));
}

QTEST_MAIN(tst_ExceptionReport)
#include "tst_exceptionreport.moc"
