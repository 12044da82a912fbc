#include "app/modMain.h"
#include "tests/support/ModalCloser.h"
#include "tests/support/Responders.h"
#include "tests/support/TestDatabase.h"
#include "ui/KeyFilters.h"
#include "ui/KeyPreview.h"
#include "ui/Pickers.h"
#include "ui/TextBoxBehaviour.h"
#include "ui/frmAP_ModCalendar.h"
#include "ui/frmAP_ModSelectItem.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

// A window of three boxes and a button, as editing windows link them.
class EditWindow : public QWidget
{
public:
    explicit EditWindow(int middleKind, bool allowSeparator = false)
    {
        auto *layout = new QVBoxLayout(this);
        for (const char *name : {"txtFirst", "txtMiddle", "txtLast"}) {
            auto *box = new QLineEdit(this);
            box->setObjectName(QLatin1String(name));
            layout->addWidget(box);
        }
        button = new QPushButton(QStringLiteral("確定"), this);
        layout->addWidget(button);
        modUI::AttachTextBox(box("txtFirst"), modUI::KindName, {nullptr, box("txtMiddle")});
        modUI::AttachTextBox(box("txtMiddle"), middleKind, {box("txtFirst"), box("txtLast")}, allowSeparator);
        modUI::AttachTextBox(box("txtLast"), modUI::KindName, {box("txtMiddle"), nullptr, button});
        show();
        (void)QTest::qWaitForWindowExposed(this);
        box("txtMiddle")->setFocus();
    }
    QLineEdit *box(const char *name) { return findChild<QLineEdit *>(QLatin1String(name)); }
    QPushButton *button;
};

class tst_Editing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void typing_data();
    void typing();
    void chineseInNames();
    void quantityCellByUnit_data();
    void quantityCellByUnit();
    void enterMovesOnAndSelects();
    void backspaceAndArrowsMoveBack();
    void rightAtEndMovesOn();
    void enterInEmptySupplierBoxOpensPicker();
    void enterOnInvalidDateOpensCalendar();
    void keyPreviewSeesKeysFirst();
    void validateSupplierBox();
};

void tst_Editing::init() { modMain::UnitSeparateString = QStringLiteral("/"); }

void tst_Editing::typing_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("separator");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::newRow("product code") << int(modUI::KindProductCode) << false << "a-b c.d_e" << "A-BCD_E";
    QTest::newRow("price refuses the point") << int(modUI::KindQuantity) << false << "-12.5x" << "-125";
    QTest::newRow("sort order refuses minus") << int(modUI::KindSortOrder) << false << "-12" << "12";
    QTest::newRow("separator allowed") << int(modUI::KindQuantity) << true << "3/8" << "3/8";
    QTest::newRow("separator refused") << int(modUI::KindQuantity) << false << "3/8" << "38";
    QTest::newRow("date") << int(modUI::KindDate) << false << "2024/1-5.x" << "2024/1-5.";
    QTest::newRow("yes or no") << int(modUI::KindYesNo) << false << "ynxY" << "YNY";
    QTest::newRow("login id upper-cased") << int(modUI::KindLoginId) << false << "ann@a!" << "ANNA";
    QTest::newRow("password keeps case") << int(modUI::KindPassword) << false << "aB,c" << "aBc";
    QTest::newRow("name takes everything") << int(modUI::KindName) << false << "o'k 1." << "O'K 1.";
    QTest::newRow("free box keeps what is typed") << int(modUI::KindFree) << false << "o'k 1." << "o'k 1.";
}

void tst_Editing::typing()
{
    QFETCH(int, kind);
    QFETCH(bool, separator);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    EditWindow w(kind, separator);
    QTest::keyClicks(w.box("txtMiddle"), typed);
    QCOMPARE(w.box("txtMiddle")->text(), result);
}

void tst_Editing::chineseInNames()
{
    EditWindow w(modUI::KindCustomerCode);
    QLineEdit *first = w.box("txtFirst");
    first->setFocus();
    QInputMethodEvent ime;
    ime.setCommitString(QStringLiteral("高麗菜"));
    QApplication::sendEvent(first, &ime);
    QCOMPARE(first->text(), QStringLiteral("高麗菜"));
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("菜"));
    QApplication::sendEvent(w.box("txtMiddle"), &key); // codes take non-ASCII letters too
    QCOMPARE(w.box("txtMiddle")->text(), QStringLiteral("菜"));
}

void tst_Editing::quantityCellByUnit_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("result");
    QTest::newRow("box") << 10 << "15";
    QTest::newRow("kilogram") << 1 << "1.5";
    QTest::newRow("catty") << 5 << "15";
}

void tst_Editing::quantityCellByUnit()
{
    QFETCH(int, unit);
    QFETCH(QString, result);
    TestDatabase db;
    QLineEdit box;
    for (QChar c : QStringLiteral("1.5")) {
        int key = c.unicode();
        modUI::QtyKeyPress(key, &box, qint16(unit));
        if (key)
            box.insert(QChar(char16_t(key)));
    }
    QCOMPARE(box.text(), result);
    int slash = '/';
    modUI::QtyKeyPress(slash, &box, 5);
    QCOMPARE(slash, int('/'));
}

void tst_Editing::enterMovesOnAndSelects()
{
    EditWindow w(modUI::KindName);
    w.box("txtLast")->setText(QStringLiteral("abc"));
    QTest::keyClick(w.box("txtMiddle"), Qt::Key_Return);
    QVERIFY(w.box("txtLast")->hasFocus());
    QCOMPARE(w.box("txtLast")->selectedText(), QStringLiteral("abc"));
    QTest::keyClick(w.box("txtLast"), Qt::Key_Return);
    QVERIFY(w.button->hasFocus()); // no next box: the next control
}

void tst_Editing::backspaceAndArrowsMoveBack()
{
    EditWindow w(modUI::KindName);
    w.box("txtFirst")->setText(QStringLiteral("xy"));
    QLineEdit *middle = w.box("txtMiddle");
    QTest::keyClicks(middle, QStringLiteral("a"));
    QTest::keyClick(middle, Qt::Key_Backspace); // deletes the a
    QTest::keyClick(middle, Qt::Key_Backspace); // the box was not empty at the last key
    QVERIFY(middle->hasFocus());
    QTest::keyClick(middle, Qt::Key_Backspace);
    QVERIFY(w.box("txtFirst")->hasFocus());
    QCOMPARE(w.box("txtFirst")->cursorPosition(), 2);
    middle->setFocus();
    middle->setText(QStringLiteral("ab"));
    middle->setCursorPosition(1);
    QTest::keyClick(middle, Qt::Key_Left);
    QVERIFY(middle->hasFocus());
    QTest::keyClick(middle, Qt::Key_Left);
    QVERIFY(w.box("txtFirst")->hasFocus());
}

void tst_Editing::rightAtEndMovesOn()
{
    EditWindow w(modUI::KindName);
    QLineEdit *middle = w.box("txtMiddle");
    middle->setText(QStringLiteral("ab"));
    w.box("txtLast")->setText(QStringLiteral("xyz"));
    middle->setCursorPosition(1);
    QTest::keyClick(middle, Qt::Key_Right);
    QVERIFY(middle->hasFocus());
    QTest::keyClick(middle, Qt::Key_Right);
    QVERIFY(w.box("txtLast")->hasFocus());
    QCOMPARE(w.box("txtLast")->cursorPosition(), 0);
}

void tst_Editing::enterInEmptySupplierBoxOpensPicker()
{
    TestDatabase db;
    db.exec(QStringLiteral("INSERT INTO BF_Supplier (SupplierID, SupplierName) VALUES "
                           "('S001', '綠野'), ('S002', '青山'), ('T001', '大地');"));
    EditWindow w(modUI::KindSupplierCode);
    QLineEdit *middle = w.box("txtMiddle");
    int shownRows = -1;
    QString shownCaption;
    QTimer::singleShot(50, [&] { // cancel the picker: the focus stays
        auto *picker = qobject_cast<frmAP_ModSelectItem *>(QApplication::activeModalWidget());
        QVERIFY(picker);
        shownRows = picker->findChild<QTreeWidget *>(QStringLiteral("lstvMain"))->topLevelItemCount();
        QTest::mouseClick(picker->findChild<QPushButton *>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    });
    QTest::keyClick(middle, Qt::Key_Return);
    QCOMPARE(shownRows, 3);
    QVERIFY(middle->hasFocus());
    QCOMPARE(middle->text(), QString());
    // A prefix that leaves one supplier takes it without showing the picker.
    QTest::keyClicks(middle, QStringLiteral("t"));
    QTest::keyClick(middle, Qt::Key_Return);
    QCOMPARE(middle->text(), QStringLiteral("T001"));
    QVERIFY(w.box("txtLast")->hasFocus());
}

void tst_Editing::enterOnInvalidDateOpensCalendar()
{
    EditWindow w(modUI::KindDate);
    QLineEdit *middle = w.box("txtMiddle");
    QTest::keyClicks(middle, QStringLiteral("2024/02/30"));
    QDate shownOn;
    QTimer::singleShot(50, [&] {
        QWidget *calendar = QApplication::activeModalWidget();
        QVERIFY(calendar && calendar->objectName() == QLatin1String("frmAP_ModCalendar"));
        auto *mvw = calendar->findChild<QCalendarWidget *>(QStringLiteral("mvw"));
        shownOn = mvw->selectedDate();
        mvw->setSelectedDate(QDate(2024, 3, 7));
        QTest::keyClick(calendar, Qt::Key_Return);
    });
    QTest::keyClick(middle, Qt::Key_Return);
    QCOMPARE(shownOn, QDate::currentDate()); // an impossible date opens on today
    QCOMPARE(middle->text(), QStringLiteral("2024/03/07"));
    QVERIFY(w.box("txtLast")->hasFocus());
}

void tst_Editing::keyPreviewSeesKeysFirst()
{
    EditWindow w(modUI::KindName);
    QList<int> seen;
    modUI::InstallKeyPreview(&w, [&](QKeyEvent *e) {
        seen << e->key();
        return e->key() == Qt::Key_F2;
    });
    QTest::keyClick(w.box("txtMiddle"), Qt::Key_F2);
    QTest::keyClicks(w.box("txtMiddle"), QStringLiteral("a"));
    QCOMPARE(seen, (QList<int>{Qt::Key_F2, Qt::Key_A}));
    QCOMPARE(w.box("txtMiddle")->text(), QStringLiteral("A"));
}

void tst_Editing::validateSupplierBox()
{
    TestDatabase db;
    db.exec(QStringLiteral("INSERT INTO BF_Supplier (SupplierID, SupplierName) VALUES ('S001', 'a');"));
    Responders responders;
    QLineEdit box;
    box.setText(QStringLiteral("S001"));
    QVERIFY(!modUI::ValidateTextBox(&box, modUI::KindSupplierCode));
    box.setText(QStringLiteral("S009"));
    QVERIFY(modUI::ValidateTextBox(&box, modUI::KindSupplierCode));
    QVERIFY(!modUI::ValidateTextBox(&box, modUI::KindCustomerCode));
    QCOMPARE(responders.boxes.size(), 1);
    QCOMPARE(responders.boxes.first().prompt, QStringLiteral("「廠商代碼：S009」不正確\r\n\r\n"));
    QCOMPARE(responders.boxes.first().title, QStringLiteral("欄位驗證"));
}

QTEST_MAIN(tst_Editing)
#include "tst_editing.moc"
