#include "app/modMain.h"
#include "data/DbError.h"
#include "data/modDB.h"
#include "tests/support/Responders.h"
#include "tests/support/TestDatabase.h"
#include "units/QuantityText.h"
#include "units/modSystem_TORVO.h"

#include <QTest>

class tst_QuantityText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cattyToText_data();
    void cattyToText();
    void textToCatty_data();
    void textToCatty();
    void roundTrips_data();
    void roundTrips();
    void validity_data();
    void validity();
    void looseReading();
    void strictReadingThrows();
    void overflowIsReported();
    void serverFunctions_data();
    void serverFunctions();
};

void tst_QuantityText::init()
{
    modMain::UnitSeparateString = QStringLiteral("/");
    modMain::RoundLengthQty = 0;
}

void tst_QuantityText::cattyToText_data()
{
    QTest::addColumn<double>("weight");
    QTest::addColumn<int>("roundLength");
    QTest::addColumn<QString>("text");
    const struct { double w; int r; const char *t; } cases[] = {
        {12, 0, "12"}, {12.5, 0, "12/8"}, {0.25, 0, "0/4"}, {3.0625, 0, "3/1"},
        {12.53125, 0, "12/8"}, {12.59375, 0, "12/10"}, {12.99, 0, "12/16"}, {12.001, 0, "12"},
        {12.53125, 1, "12/8.5"}, {0, 0, "0"}, {-2.5, 0, "-2/8"}, {-0.5, 0, "0/-8"},
        {-12, 0, "-12"}, {-0.001, 0, "0"}};
    for (const auto &c : cases)
        QTest::addRow("%g at %d", c.w, c.r) << c.w << c.r << QString::fromUtf8(c.t);
}

void tst_QuantityText::cattyToText()
{
    QFETCH(double, weight);
    QFETCH(int, roundLength);
    QFETCH(QString, text);
    modMain::RoundLengthQty = qint16(roundLength);
    QCOMPARE(modSystem_TORVO::ConvertCattyToCattyTael(weight), text);
    QCOMPARE(modSystem_TORVO::ConvertCattyToCattyTael(weight, QStringLiteral("@")),
             QString(text).replace(QLatin1Char('/'), QLatin1Char('@')));
}

void tst_QuantityText::textToCatty_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("catty");
    QTest::addColumn<bool>("valid");
    const struct { const char *t; double c; bool v; } cases[] = {
        {"12/8", 12.5, true}, {"  12/8  ", 12.5, true}, {"12", 12, true}, {"12/", 12, true},
        {"/8", 0.5, true}, {"12.5/4", 12.75, true}, {"12/x", 12, true}, {"abc", 0, true},
        {"12/16", 13, true}, {"1/20", 2.25, true}, {"/", 0, true}, {"-2/8", -2.5, true},
        {"-0/8", 0.5, true}, {"12/8/1", 0, false}, {"", 0, false}, {"   ", 0, false},
        {"1,000/2", 0.125, true}};
    for (const auto &c : cases)
        QTest::newRow(c.t[0] ? c.t : "(empty)") << QString::fromUtf8(c.t) << c.c << c.v;
}

void tst_QuantityText::textToCatty()
{
    QFETCH(QString, text);
    QFETCH(double, catty);
    QFETCH(bool, valid);
    const std::optional<double> read = modSystem_TORVO::ConvertCattyTaelToCatty(text);
    QCOMPARE(read.has_value(), valid);
    if (valid)
        QCOMPARE(*read, catty);
}

void tst_QuantityText::roundTrips_data()
{
    QTest::addColumn<int>("roundLength");
    QTest::newRow("whole taels") << 0;
    QTest::newRow("tenths of taels") << 1;
}

void tst_QuantityText::roundTrips()
{
    QFETCH(int, roundLength);
    modMain::RoundLengthQty = qint16(roundLength);
    const double step = roundLength == 0 ? 1.0 / 16 : 0.1 / 16;
    for (int i = -400; i <= 400; ++i) {
        const double weight = i * step;
        const QString text = modSystem_TORVO::ConvertCattyToCattyTael(weight);
        const std::optional<double> back = modSystem_TORVO::ConvertCattyTaelToCatty(text);
        QVERIFY2(back && qAbs(*back - weight) < 1e-9, qPrintable(QString::number(weight) + " → " + text));
    }
}

void tst_QuantityText::validity_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("valid");
    QTest::newRow("catty text") << "12/8" << 5 << true;
    QTest::newRow("two separators") << "1/2/3" << 5 << false;
    QTest::newRow("blank") << "  " << 5 << false;
    QTest::newRow("unit 0") << "12" << 0 << false;
    QTest::newRow("negative unit") << "12" << -1 << false;
    QTest::newRow("box number") << "-1.5" << 10 << true;
    QTest::newRow("point first") << ".5" << 10 << true;
    QTest::newRow("thousands separator") << "1,000" << 10 << false;
    QTest::newRow("exponent") << "1e3" << 10 << false;
    QTest::newRow("catty text in a box unit") << "12/8" << 10 << false;
}

void tst_QuantityText::validity()
{
    QFETCH(QString, text);
    QFETCH(int, unit);
    QFETCH(bool, valid);
    QCOMPARE(modMain::IsQtyTextValid(text, qint16(unit)), valid);
}

void tst_QuantityText::looseReading()
{
    QCOMPARE(modMain::GetQtyFromTextLoose(QStringLiteral(" 1 2.5kg"), 10), 12.5);
    QCOMPARE(modMain::GetQtyFromTextLoose(QStringLiteral("kg"), 10), 0.0);
    QCOMPARE(modMain::GetQtyFromTextLoose(QStringLiteral("3/8"), 5), 3.5);
    QCOMPARE(modMain::GetQtyFromTextLoose(QStringLiteral("1/2/3"), 5), 0.0);
    QVERIFY(modSystem_TORVO::IsCattyUnit(5));
    QVERIFY(!modSystem_TORVO::IsCattyUnit(1));
}

void tst_QuantityText::strictReadingThrows()
{
    QCOMPARE(modSystem_TORVO::GetQtyFromText(10, QStringLiteral("2.5")), 2.5);
    QCOMPARE(modSystem_TORVO::GetQtyFromText(5, QStringLiteral("2/8")), 2.5);
    QVERIFY_THROWS_EXCEPTION(DbError, modSystem_TORVO::GetQtyFromText(10, QStringLiteral("2x")));
}

void tst_QuantityText::overflowIsReported()
{
    Responders responders;
    QCOMPARE(modSystem_TORVO::ConvertCattyToCattyTael(1e12), QString());
    QCOMPARE(responders.reports.size(), 1);
    QVERIFY(responders.reports.first().contains(
        QStringLiteral("例外程序　　　　：\tmodSystem_TORVO.ConvertCattyToCattyTael\r\n\r\nCatty")));
}

void tst_QuantityText::serverFunctions_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");
    QTest::newRow("catty") << "SELECT dbo.GetFinalQty(12.5, 5)" << "12/8";
    QTest::newRow("kilogram") << "SELECT dbo.GetFinalQty(10.5, 1)" << "10.5";
    QTest::newRow("four decimals") << "SELECT dbo.GetFinalQty(1.234567, 10)" << "1.2346";
    QTest::newRow("null") << "SELECT ISNULL(dbo.GetFinalQty(NULL, 5), 'null')" << "null";
    QTest::newRow("round up catty") << "SELECT dbo.GetFinalQtyRoundUp(12.1, 5)" << "13";
    QTest::newRow("round up box") << "SELECT dbo.GetFinalQtyRoundUp(2.0, 10)" << "2";
    QTest::newRow("grouped") << "SELECT dbo.FORMAT(1234567.5, '###,##0')" << "1,234,568";
    QTest::newRow("negative grouped") << "SELECT dbo.FORMAT(-1234.5, '###,##0')" << "-1,235";
    QTest::newRow("date") << "SELECT dbo.Format('2024/3/7', 'yyyy/mm/dd')" << "2024/03/07";
}

void tst_QuantityText::serverFunctions()
{
    QFETCH(QString, sql);
    QFETCH(QString, expected);
    TestDatabase db;
    QCOMPARE(modDB::GetString(sql), expected);
}

QTEST_MAIN(tst_QuantityText)
#include "tst_quantitytext.moc"
