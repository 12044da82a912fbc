// Shows the grid and the three pickers on a small database of its own.
// verdalo-gallery [--grab FOLDER]: saves a picture of each instead of showing them.
#include "app/modMain.h"
#include "data/Connection.h"
#include "data/Recordset.h"
#include "data/Schema.h"
#include "data/modConn.h"
#include "ui/FlexGrid.h"
#include "ui/GridSort.h"
#include "ui/ProgramFont.h"
#include "ui/frmAP_ModCalendar.h"
#include "ui/frmAP_ModSelectItem.h"
#include "ui/frmAP_ModSelectRecord.h"
#include "units/ServerQuantityFunctions.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace {

const char *const Rows = R"(
INSERT INTO BF_Supplier (SupplierID, SupplierName) VALUES ('S001', '綠野農場'), ('S002', '青山果園');
INSERT INTO BF_Product (ProductID, ProductName, SupplierID, Price, Cost, MeasurementUnitID) VALUES
 ('V001', '高麗菜', 'S001', 30, 22, 5), ('V002', '小白菜', 'S001', 25, 18, 5),
 ('V003', '菠菜', 'S001', 40, 30, 5), ('V004', '空心菜', 'S001', 35, 25, 5),
 ('R001', '紅蘿蔔', 'S001', 28, 20, 1), ('R002', '白蘿蔔', 'S001', 20, 14, 1),
 ('F001', '香蕉', 'S002', 450, 380, 10), ('F002', '芭樂', 'S002', 60, 45, 5),
 ('F003', '鳳梨', 'S002', 55, 40, 13), ('F004', '蘋果', 'S002', 900, 760, 10),
 ('F005', '木瓜', 'S002', 50, 36, 5), ('F006', '西瓜', 'S002', 120, 90, 13);
)";

const QString Products = QStringLiteral(
    "SELECT P.ProductID AS 產品代碼, P.ProductName AS 產品名稱, S.SupplierName AS 供應商, "
    "P.Price AS 售價 FROM [BF_Product] AS P INNER JOIN [BF_Supplier] AS S "
    "ON S.SupplierID = P.SupplierID ORDER BY S.SupplierID, P.ProductID");

FlexGrid *productGrid(QWidget *parent)
{
    auto *grid = new FlexGrid(parent);
    grid->setObjectName(QStringLiteral("flxGallery"));
    modConn::OpenConnection();
    Recordset rs;
    rs.open(Products, modConn::SharedConnection());
    grid->fillFromRecordset(rs);
    modConn::CloseConnection();
    const int widths[] = {1100, 1600, 1700, 900};
    for (int c = 0; c < 4; ++c)
        grid->setColWidth(c, widths[c]);
    grid->setColAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    grid->setMergeCol(2, true);
    grid->paintBandsOfFive();
    QObject::connect(grid, &FlexGrid::mouseUp, grid, [grid](Qt::MouseButton b, Qt::KeyboardModifiers m, int row, int col) {
        const QPoint at = grid->cellRect(row, col).center();
        modUI::GridMouseUP(grid->window(), grid, b, m, at.x(), at.y());
        grid->paintBandsOfFive();
    });
    return grid;
}

void grab(QWidget *w, const QString &file)
{
    w->show();
    QApplication::processEvents();
    w->grab().save(file);
    w->hide();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    modUI::ApplyProgramFont(app);
    modSystem_TORVO::RegisterServerFunctions();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gallery.db"));
    modSchema::CreateSqliteDatabase(path);
    {
        Connection c;
        c.open(QStringLiteral("Data Source=") + path);
        c.executeScript(QString::fromUtf8(Rows));
    }
    modMain::SetFixedValues();
    modMain::ServerIP = path;
    modMain::ConnectString = modMain::ComposeConnectString();
    modMain::UnitSeparateString = QStringLiteral("/");

    QWidget window;
    window.setWindowTitle(QStringLiteral("畫面元件展示"));
    FlexGrid *grid = productGrid(&window);
    auto *buttons = new QHBoxLayout;
    auto *item = new QPushButton(QStringLiteral("選擇廠商…"), &window);
    auto *record = new QPushButton(QStringLiteral("選擇資料列…"), &window);
    auto *calendar = new QPushButton(QStringLiteral("選擇日期…"), &window);
    for (QPushButton *b : {item, record, calendar})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(grid);
    layout->addLayout(buttons);
    window.resize(620, 420);

    frmAP_ModSelectItem itemPicker(&window);
    itemPicker.setWindowTitle(QStringLiteral("選擇廠商"));
    itemPicker.setSelectCommandText(QStringLiteral("SELECT SupplierID AS 廠商代碼, SupplierName AS 廠商名稱 FROM [BF_Supplier] "));
    frmAP_ModSelectRecord recordPicker(&window);
    recordPicker.setSelectCommandText(Products);
    frmAP_ModCalendar calendarPicker(&window);

    const int grabAt = QApplication::arguments().indexOf(QStringLiteral("--grab"));
    if (grabAt > 0 && grabAt + 1 < argc) {
        const QString folder = QApplication::arguments().at(grabAt + 1);
        window.show();
        const QPoint header = grid->cellRect(0, 1).center();
        modUI::GridMouseUP(&window, grid, Qt::LeftButton, {}, header.x(), header.y());
        grid->paintBandsOfFive();
        grab(&window, folder + QStringLiteral("/gallery.png"));
        grab(&itemPicker, folder + QStringLiteral("/item-picker.png"));
        grab(&recordPicker, folder + QStringLiteral("/record-picker.png"));
        grab(&calendarPicker, folder + QStringLiteral("/calendar.png"));
        return 0;
    }
    QObject::connect(item, &QPushButton::clicked, &itemPicker, [&] { itemPicker.exec(); });
    QObject::connect(record, &QPushButton::clicked, &recordPicker, [&] { recordPicker.exec(); });
    QObject::connect(calendar, &QPushButton::clicked, &calendarPicker, [&] {
        QString text;
        calendarPicker.PickDate(text);
    });
    window.show();
    return app.exec();
}
