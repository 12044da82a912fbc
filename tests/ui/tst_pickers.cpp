#include "tests/support/TestDatabase.h"
#include "ui/FlexGrid.h"
#include "ui/frmAP_ModCalendar.h"
#include "ui/frmAP_ModSelectItem.h"
#include "ui/frmAP_ModSelectRecord.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

class tst_Pickers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_db.reset(); }
    void showSelectWithoutShowing_data();
    void showSelectWithoutShowing();
    void cancelEmptiesTheChoice();
    void itemTextsAndHeaderOrder();
    void orderColumnNumbersTheClicks();
    void recordPickerCaption();
    void calendarPresetAndCloseBox();

private:
    std::unique_ptr<TestDatabase> m_db;
};

namespace {

const QString Fruit = QStringLiteral("SELECT ProductID AS 代碼, ProductName AS 名稱, Note AS 備註 FROM [BF_Product] ");

// Runs act on the modal dialog once it is shown.
void whenShown(const std::function<void(QWidget *)> &act)
{
    QTimer::singleShot(50, [act] { act(QApplication::activeModalWidget()); });
}

} // namespace

void tst_Pickers::init()
{
    m_db = std::make_unique<TestDatabase>();
    QString values;
    const QStringList names = {"Apples", "Bananas", "Cherries", "Dates", "Figs", "Grapes",
                               "Kiwis", "Lemons", "Limes", "Mangos", "Pears", "Plums"};
    for (int i = 0; i < names.size(); ++i)
        values += QStringLiteral("%1('A%2', '%3', NULL)").arg(i ? "," : "").arg(i + 1, 2, 10, QLatin1Char('0')).arg(names.at(i));
    m_db->exec(QStringLiteral("INSERT INTO BF_Product (ProductID, ProductName, Note) VALUES ") + values
               + QStringLiteral(", ('  B01 ', '空白', NULL);"));
}

void tst_Pickers::showSelectWithoutShowing_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("count");
    QTest::newRow("no row") << "WHERE ProductID = 'none'" << 0;
    QTest::newRow("one row") << "WHERE ProductID = 'A05'" << 1;
}

void tst_Pickers::showSelectWithoutShowing()
{
    QFETCH(QString, where);
    QFETCH(int, count);
    frmAP_ModSelectItem picker;
    bool shown = false;
    whenShown([&](QWidget *w) { shown = w != nullptr; if (w) w->close(); });
    picker.ShowSelect(Fruit + where, QStringLiteral("選擇產品"));
    QTest::qWait(80);
    QVERIFY(!shown);
    QCOMPARE(int(picker.SelectedCount()), count);
    if (count) {
        QCOMPARE(picker.SelectedValue(), QStringList{QStringLiteral("A05")});
        QCOMPARE(picker.SelectedName(), QStringList{QStringLiteral("Figs")});
    }
}

void tst_Pickers::cancelEmptiesTheChoice()
{
    frmAP_ModSelectItem picker;
    whenShown([](QWidget *w) {
        auto *list = w->findChild<QTreeWidget *>(QStringLiteral("lstvMain"));
        list->topLevelItem(2)->setSelected(true);
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    });
    picker.ShowSelect(Fruit, QStringLiteral("選擇產品"));
    QCOMPARE(picker.windowTitle(), QStringLiteral("選擇產品"));
    QCOMPARE(int(picker.SelectedCount()), 0);
    QVERIFY(picker.SelectedValue().isEmpty() && picker.SelectedName().isEmpty());
    QCOMPARE(picker.RecordCount(), 13);
}

void tst_Pickers::itemTextsAndHeaderOrder()
{
    frmAP_ModSelectItem picker;
    picker.setSelectCommandText(Fruit);
    picker.FormRefresh();
    auto *list = picker.findChild<QTreeWidget *>(QStringLiteral("lstvMain"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("名稱"));
    QCOMPARE(list->topLevelItem(12)->text(0), QStringLiteral("B01")); // trimmed
    QCOMPARE(list->topLevelItem(0)->text(2), QString());               // Null
    picker.show();
    QHeaderView *header = list->header();
    const QPoint nameHeader(header->sectionViewportPosition(1) + 5, 5);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, nameHeader);
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Apples"));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, nameHeader);
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("空白"));
}

void tst_Pickers::orderColumnNumbersTheClicks()
{
    frmAP_ModSelectItem picker;
    picker.setSelectOrderIndex(2);
    whenShown([](QWidget *w) {
        auto *list = w->findChild<QTreeWidget *>(QStringLiteral("lstvMain"));
        for (int row : {4, 1}) {
            const QRect r = list->visualItemRect(list->topLevelItem(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, r.center());
        }
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    picker.ShowSelect(Fruit, QString(), true);
    QCOMPARE(picker.SelectedValue(), (QStringList{QStringLiteral("A05"), QStringLiteral("A02")}));
}

void tst_Pickers::recordPickerCaption()
{
    frmAP_ModSelectRecord picker;
    picker.setSelectCommandText(QStringLiteral("SELECT ProductID, ProductName FROM [BF_Product] WHERE ProductID LIKE 'A%' ORDER BY ProductID"));
    whenShown([](QWidget *w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("選擇資料列：A01 - Apples （共 12 筆記錄）"));
        auto *grid = w->findChild<FlexGrid *>(QStringLiteral("flxMain"));
        grid->setCurrentCell(3, 0);
        QCOMPARE(w->windowTitle(), QStringLiteral("選擇資料列：A03 - Cherries （共 12 筆記錄）"));
        QTest::keyClick(w, Qt::Key_Return);
    });
    picker.exec();
    QVERIFY(picker.Selected());
    QCOMPARE(picker.SelectValue(), QStringLiteral("A03"));
    QCOMPARE(picker.SelectName(), QStringLiteral("Cherries"));
}

void tst_Pickers::calendarPresetAndCloseBox()
{
    QString text = QStringLiteral("unchanged");
    QDate shownOn;
    {
        frmAP_ModCalendar calendar;
        whenShown([&](QWidget *w) {
            shownOn = w->findChild<QCalendarWidget *>(QStringLiteral("mvw"))->selectedDate();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        QVERIFY(!calendar.PickDate(text, QStringLiteral("2024/02/30")));
    }
    QCOMPARE(shownOn, QDate::currentDate());
    QCOMPARE(text, QStringLiteral("unchanged"));
    frmAP_ModCalendar calendar;
    whenShown([&](QWidget *w) {
        shownOn = w->findChild<QCalendarWidget *>(QStringLiteral("mvw"))->selectedDate();
        w->close();
    });
    QVERIFY(calendar.PickDate(text, QStringLiteral("2024/2/29")));
    QCOMPARE(shownOn, QDate(2024, 2, 29));
    QCOMPARE(text, QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"))); // the close box takes today
}

QTEST_MAIN(tst_Pickers)
#include "tst_pickers.moc"
