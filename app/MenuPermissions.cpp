#include "app/frmAP_Main.h"

#include "app/modMain.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/SqlText.h"
#include "data/modConn.h"
#include "data/modDB.h"

#include <QAction>
#include <QMenuBar>

namespace {

// The permission-controlled menu objects by top index (1 to 6) and item index (0 to 5).
const char *const MenuMap[6][6] = {
    {"mnuBC", "mnuBC_OrderItemNote", "mnuBC_MeasurementUnit", "mnuBC_ProductCategory"},
    {"mnuBF", "mnuBF_SelfCompanyTitle", "mnuBF_Supplier", "mnuBF_Customer", "mnuBF_Product",
     "mnuBF_ProductPriceList"},
    {"mnuOR", "mnuOR_CustomerOrder", "mnuOR_InStock", "mnuOR_OutOrder", "mnuOR_StockTaking"},
    {"mnuRP", "mnuRP_StockCompany", "mnuRP_SupplierInCustomerOrderi"},
    {"mnuPB", "mnuPB_SupplierInStock", "mnuPB_CustomerOutOrder"},
    {"mnuSS", "mnuSS_SystemSetting", "mnuSS_SettingClient", "mnuSS_User", "mnuSS_PermissionFormTree"},
};

QAction *menuObject(QMenuBar *bar, int top, int item)
{
    const char *name = MenuMap[top - 1][item];
    if (!name)
        return nullptr;
    for (QAction *action : bar->findChildren<QAction *>(QLatin1String(name)))
        return action;
    return nullptr;
}

} // namespace

void frmAP_Main::subMenuSet()
{
    if (!modConn::OpenConnection())
        return;
    Recordset rs;
    try {
        rs.open(QStringLiteral("SELECT * FROM SM_UserFormPermissionTree WHERE IdUser = '")
                    + modDB::SqlText(modMain::IdUserLogin) + QStringLiteral("'"),
                modConn::SharedConnection());
    } catch (const DbError &) {
        modConn::CloseConnection();
        return;
    }
    for (; !rs.eof(); rs.moveNext()) {
        const QString key = modDB::NullToString(rs.value(QStringLiteral("NodeKey")));
        bool okTop = false, okItem = false, okThird = false;
        const int top = key.mid(1, 1).toInt(&okTop);
        const int item = key.mid(2, 2).toInt(&okItem);
        const int third = key.mid(4, 2).toInt(&okThird);
        if (!key.startsWith(QLatin1Char('K')) || key.size() != 6 || !okTop || !okItem || !okThird
            || top < 1 || top > 6 || item < 0 || item > 5 || third != 0)
            continue;
        QAction *action = menuObject(menuBar(), top, item);
        if (!action)
            continue;
        bool checked = false;
        try {
            checked = modDB::NullToBoolean(rs.value(QStringLiteral("Checked")));
        } catch (const DbError &) {
            continue;
        }
        action->setVisible(action->isEnabled() && checked);
    }
    rs.close();
    modConn::CloseConnection();
}
