#include "data/Recordset.h"
#include "data/modConn.h"
#include "tests/support/TestDatabase.h"
#include "ui/FlexGrid.h"
#include "ui/FlexGridText.h"
#include "ui/GridSort.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class tst_FlexGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fillFromRecordset();
    void numbersShowAsTheGeneralFormat();
    void fixedRowsStayWhenScrolled();
    void headerClicksCycleMarksAndWidths();
    void oneDataRowDoesNotSort();
    void sortKinds_data();
    void sortKinds();
    void mergesAndAttributesFollowTheRows();
    void widthsInTwips_data();
    void widthsInTwips();
    void bandsOfFive();
};

namespace {

// A window holding a grid, sorting on header clicks the way windows connect it.
struct SortingForm
{
    explicit SortingForm(const QVariantList *sortKinds = nullptr)
    {
        grid = new FlexGrid(&form);
        grid->setObjectName(QStringLiteral("flxMain"));
        (new QVBoxLayout(&form))->addWidget(grid);
        form.resize(640, 360);
        QObject::connect(grid, &FlexGrid::mouseUp, grid,
                         [this, sortKinds](Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                           int row, int col) {
                             const QPoint at = grid->cellRect(row, col).center();
                             modUI::GridMouseUP(&form, grid, button, shift, at.x(), at.y(),
                                                sortKinds, 0);
                         });
    }

    void show()
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }

    void fill(const QStringList &header, const QList<QStringList> &rows)
    {
        grid->setCols(int(header.size()));
        grid->setRows(1 + int(rows.size()));
        for (int c = 0; c < header.size(); ++c)
            grid->setTextMatrix(0, c, header.at(c));
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows.at(r).size(); ++c)
                grid->setTextMatrix(r + 1, c, rows.at(r).at(c));
    }

    void clickHeader(int col)
    {
        const QPoint at = grid->cellRect(0, col).center();
        QWidget *target = grid->childAt(at);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(grid, at));
    }

    QStringList column(int col) const
    {
        QStringList texts;
        for (int r = grid->fixedRows(); r < grid->rows(); ++r)
            texts << grid->textMatrix(r, col);
        return texts;
    }

    QWidget form;
    FlexGrid *grid;
};

const QString Code = QStringLiteral("代碼");
const QString Name = QStringLiteral("名稱");

} // namespace

void tst_FlexGrid::fillFromRecordset()
{
    TestDatabase db;
    db.exec(QStringLiteral(
        "INSERT INTO BF_Product (ProductID, ProductName, Price, InActive, Note, TimeModifyFirst) "
        "VALUES ('A01', '高麗菜', 12.5, 1, NULL, '2024-03-05 00:00:00'), "
        "('A02', '空心菜', 8, 0, 'x', '2024-03-05 14:30:09');"));
    const QString select = QStringLiteral(
        "SELECT ProductID, ProductName, Price, InActive, Note, TimeModifyFirst "
        "FROM [BF_Product] ");
    QVERIFY(modConn::OpenConnection());
    FlexGrid grid;
    Recordset rs;
    rs.open(select + QStringLiteral("ORDER BY ProductID"), modConn::SharedConnection());
    grid.fillFromRecordset(rs);

    QCOMPARE(grid.rows(), 3);
    QCOMPARE(grid.cols(), 6);
    QCOMPARE(grid.textMatrix(0, 1), QStringLiteral("ProductName"));
    QCOMPARE(grid.textMatrix(0, 5), QStringLiteral("TimeModifyFirst"));
    const QStringList first{"A01", "高麗菜", "12.5", "True", "", "2024/03/05"};
    const QStringList second{"A02", "空心菜", "8", "False", "x", "2024/03/05 14:30:09"};
    for (int c = 0; c < 6; ++c) {
        QCOMPARE(grid.textMatrix(1, c), first.at(c));
        QCOMPARE(grid.textMatrix(2, c), second.at(c));
    }

    rs.open(select + QStringLiteral("WHERE 1 = 0"), modConn::SharedConnection());
    grid.fillFromRecordset(rs);
    QCOMPARE(grid.rows(), grid.fixedRows());
    QCOMPARE(grid.textMatrix(0, 0), QStringLiteral("ProductID"));
    rs.close();
    modConn::CloseConnection();
}

void tst_FlexGrid::numbersShowAsTheGeneralFormat()
{
    // The fill writes common decimals itself; it must agree with the general conversion.
    QList<double> values{0.1 + 0.2, -0.5, 8, 1e-4, 0.00012345, 2.5e-7, 99999999999999.9,
                         123456789012345.6, 1e15, -1234.5678901, 1.0 / 3, 1e300};
    quint32 seed = 7;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int i = 0; i < 20000; ++i) {
        const double scale = std::pow(10.0, int(next() % 9));
        values << (int(next() % 2000001) - 1000000) * double(next() % 100000) / scale;
    }
    for (double value : values)
        QCOMPARE(flexCellText(value), QString::number(value, 'g', 15));
}

void tst_FlexGrid::fixedRowsStayWhenScrolled()
{
    SortingForm form;
    QList<QStringList> rows;
    for (int i = 1; i <= 300; ++i)
        rows << QStringList{QString::number(i), QStringLiteral("第%1列").arg(i)};
    form.fill({Code, Name}, rows);
    form.show();
    FlexGrid *grid = form.grid;
    QSignalSpy entered(grid, &FlexGrid::cellEntered);
    grid->setFocus();
    grid->setCurrentCell(1, 1);
    QTest::keyClick(grid, Qt::Key_Up); // the header row is not a cell to stand on
    QCOMPARE(grid->row(), 1);
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(entered.last(), (QVariantList{2, 1}));

    const QRect headerBefore = grid->cellRect(0, 1);
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(grid->row(), 300);
    QVERIFY(grid->topRow() > 250);
    QVERIFY(grid->rowIsVisible(300));
    QVERIFY(!grid->rowIsVisible(1));
    QVERIFY(grid->rowIsVisible(0));
    const QRect header = grid->cellRect(0, 1);
    QCOMPARE(grid->rowAtPoint(header.center()), 0);
    QCOMPARE(header, headerBefore);
    QCOMPARE(grid->textMatrix(0, 1), Name);

    grid->setTopRow(1);
    QCOMPARE(grid->topRow(), 1);
}

void tst_FlexGrid::headerClicksCycleMarksAndWidths()
{
    SortingForm form;
    form.fill({Code, Name}, {{"2", "乙"}, {"3", "丙"}, {"1", "甲"}});
    form.grid->setColWidth(0, 1200);
    form.grid->setColWidth(1, 1500);
    form.show();
    FlexGrid *grid = form.grid;

    form.clickHeader(0);
    QCOMPARE(grid->textMatrix(0, 0), Code + QStringLiteral("△"));
    QCOMPARE(grid->colWidth(0), 1440);
    QCOMPARE(form.column(0), (QStringList{"1", "2", "3"}));
    QCOMPARE(form.column(1), (QStringList{"甲", "乙", "丙"}));
    QCOMPARE(grid->col(), 0);
    QVERIFY(grid->isVisible());
    QVERIFY(grid->redraw());

    form.clickHeader(0);
    QCOMPARE(grid->textMatrix(0, 0), Code + QStringLiteral("▽"));
    QCOMPARE(grid->colWidth(0), 1440);
    QCOMPARE(form.column(0), (QStringList{"3", "2", "1"}));

    form.clickHeader(1);
    QCOMPARE(grid->textMatrix(0, 0), Code);
    QCOMPARE(grid->colWidth(0), 1200);
    QCOMPARE(grid->textMatrix(0, 1), Name + QStringLiteral("△"));
    QCOMPARE(grid->colWidth(1), 1740);
    QCOMPARE(grid->col(), 1);

    form.clickHeader(1);
    form.clickHeader(1); // past "▽" the cycle starts over, the width still unchanged
    QCOMPARE(grid->textMatrix(0, 1), Name + QStringLiteral("△"));
    QCOMPARE(grid->colWidth(1), 1740);
}

void tst_FlexGrid::oneDataRowDoesNotSort()
{
    SortingForm form;
    form.fill({Code, Name}, {{"1", "甲"}});
    form.grid->setColWidth(0, 1200);
    form.show();
    form.clickHeader(0);
    QCOMPARE(form.grid->textMatrix(0, 0), Code);
    QCOMPARE(form.grid->colWidth(0), 1200);
}

void tst_FlexGrid::sortKinds_data()
{
    QTest::addColumn<QVariant>("kind");
    QTest::addColumn<QStringList>("ascending");
    const QStringList generic{"9", "10", "100", "a", "B"};
    QTest::newRow("none: generic") << QVariant() << generic;
    QTest::newRow("numeric") << QVariant(2) << QStringList{"a", "B", "9", "10", "100"};
    QTest::newRow("text ignoring case") << QVariant(4) << QStringList{"10", "100", "9", "a", "B"};
    QTest::newRow("text with case") << QVariant(6) << QStringList{"10", "100", "9", "B", "a"};
    QTest::newRow("odd kind: generic") << QVariant(3) << generic;
    QTest::newRow("not a number: generic") << QVariant(QStringLiteral("x")) << generic;
}

void tst_FlexGrid::sortKinds()
{
    QFETCH(QVariant, kind);
    QFETCH(QStringList, ascending);
    const QVariantList kinds{0, kind};
    SortingForm form(&kinds);
    form.fill({Code, Name}, {{"1", "10"}, {"2", "9"}, {"3", "100"}, {"4", "a"}, {"5", "B"}});
    form.show();
    form.clickHeader(1);
    QCOMPARE(form.column(1), ascending);
    form.clickHeader(1);
    std::reverse(ascending.begin(), ascending.end());
    if (kind == QVariant(2)) // equal keys keep their order in both directions
        std::swap(ascending[3], ascending[4]);
    QCOMPARE(form.column(1), ascending);
}

void tst_FlexGrid::mergesAndAttributesFollowTheRows()
{
    SortingForm form;
    form.fill({QStringLiteral("供應商"), Name},
              {{"A", "1"}, {"A", "2"}, {"A", "3"}, {"B", "4"}, {"B", "5"}, {"C", "6"}});
    FlexGrid *grid = form.grid;
    grid->setMergeCol(0, true);
    grid->setCellForeColor(6, 1, Qt::red);
    grid->setCellStrikeThrough(6, 1, true);
    form.show();
    QCOMPARE(grid->rowSpan(1, 0), 3);
    QCOMPARE(grid->rowSpan(4, 0), 2);
    QCOMPARE(grid->rowSpan(6, 0), 1);
    QCOMPARE(grid->rowSpan(1, 1), 1);

    grid->sortRows(0, FlexGrid::SortStringDescending);
    QCOMPARE(form.column(1), (QStringList{"6", "4", "5", "1", "2", "3"}));
    QCOMPARE(grid->rowSpan(1, 0), 1);
    QCOMPARE(grid->rowSpan(2, 0), 2);
    QCOMPARE(grid->rowSpan(4, 0), 3);
    QCOMPARE(grid->cellForeColor(1, 1), QColor(Qt::red));
    QVERIFY(grid->cellStrikeThrough(1, 1));
    QVERIFY(!grid->cellStrikeThrough(6, 1));
    QCOMPARE(grid->textMatrix(0, 0), QStringLiteral("供應商"));

    grid->setTextMatrix(4, 0, QStringLiteral("B"));
    QTRY_COMPARE(grid->rowSpan(2, 0), 3);
    QCOMPARE(grid->rowSpan(5, 0), 2);
}

void tst_FlexGrid::widthsInTwips_data()
{
    QTest::addColumn<int>("twips");
    QTest::newRow("1500") << 1500;
    QTest::newRow("mark room") << 240;
    QTest::newRow("hidden") << 0;
}

void tst_FlexGrid::widthsInTwips()
{
    QFETCH(int, twips);
    if (QGuiApplication::primaryScreen()->logicalDotsPerInchX() != 96)
        QSKIP("pixel widths below are those of a 96 dpi screen");
    SortingForm form;
    form.fill({Code, Name, QStringLiteral("MeasurementUnitID")}, {{"1", "甲", "5"}});
    form.show();
    FlexGrid *grid = form.grid;
    grid->setColWidth(2, twips);
    QCOMPARE(grid->colWidth(2), twips);
    QCOMPARE(grid->isColumnHidden(2), twips == 0);
    QCOMPARE(grid->columnWidth(2), twips / 15);
    grid->setColWidth(2, 900);
    QVERIFY(!grid->isColumnHidden(2));
    QCOMPARE(grid->columnWidth(2), 60);
}

void tst_FlexGrid::bandsOfFive()
{
    SortingForm form;
    QList<QStringList> rows;
    for (int i = 1; i <= 12; ++i)
        rows << QStringList{QString::number(i), QString()};
    form.fill({Code, Name}, rows);
    FlexGrid *grid = form.grid;
    grid->setFixedRows(2); // the first data row is row 2, the first band rows 2 to 6
    grid->setCellBackColor(0, 1, Qt::yellow);
    grid->paintBandsOfFive();
    const QColor window = grid->palette().color(QPalette::Base);
    const QColor info = grid->palette().color(QPalette::ToolTipBase);
    QVERIFY(window != info);
    const QList<QColor> expected{window, window, window, window, window,
                                 info, info, info, info, info, window};
    for (int r = 2; r < grid->rows(); ++r) {
        QCOMPARE(grid->cellBackColor(r, 0), expected.at(r - 2));
        QCOMPARE(grid->cellBackColor(r, 1), expected.at(r - 2));
    }
    QCOMPARE(grid->cellBackColor(0, 1), QColor(Qt::yellow));
    QVERIFY(grid->redraw());
}

QTEST_MAIN(tst_FlexGrid)
#include "tst_flexgrid.moc"
