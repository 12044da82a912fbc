#include "app/StartUp.h"

#include "admin/frmST_SettingClient.h"
#include "app/ExceptionReport.h"
#include "app/Procedure.h"
#include "app/SettingsStore.h"
#include "app/frmAP_Login.h"
#include "app/modMain.h"
#include "data/Connection.h"
#include "data/Recordset.h"
#include "data/modConn.h"
#include "data/modDB.h"
#include "ui/MsgBox.h"
#include "ui/StandInWindow.h"

#include <QApplication>

namespace modMain {
namespace {

const QString Crlf = QLatin1String(CRLF);

void showNoServerAddress()
{
    modUI::MsgBox(QStringLiteral("尚未設定伺服器IP位址") + Crlf + Crlf
                      + QStringLiteral("請至「系統環境設定」指定適當資料庫伺服器位置"),
                  modUI::Exclamation | modUI::OKOnly, QStringLiteral("系統初始化"));
    frmST_SettingClient window;
    window.exec();
}

void showNoDefaultUnit()
{
    modUI::MsgBox(QStringLiteral("尚未設定系統預設單位"), modUI::Critical | modUI::OKOnly,
                  QStringLiteral("系統初始化"));
    StandInWindow window(QStringLiteral("frmST_SettingSystem"), QStringLiteral("系統全域設定"));
    window.exec();
}

// A stored code length below 2 (or none) means the usual 4.
qint16 codeLength(qint16 stored) { return stored < 2 ? 4 : stored; }

} // namespace

bool Initial()
{
    QString sSQL;
    QString sMsg;
    Procedure proc([&] {
        return ExceptionHeader(QStringLiteral("modMain.Initial"))
            + ExceptionLine(QStringLiteral("sSQL　　　　　　："), sSQL)
            + ExceptionLine(QStringLiteral("sMsg 　　　　　 ："), sMsg)
            + ExceptionLine(QStringLiteral("Provider　　　　："), Provider)
            + ExceptionLine(QStringLiteral("ServerIP　　　　："), ServerIP)
            + ExceptionLine(QStringLiteral("ConnectString　 ："), ConnectString);
    });

    SetFixedValues();
    modConn::ResetSharedConnection();
    ServerIP = modSystem::GetServerIP();
    if (ServerIP.isEmpty()) {
        showNoServerAddress();
        return false;
    }
    ConnectString = ComposeConnectString();
    if (!modConn::OpenConnection())
        return false;

    RoundLengthQty = RoundLengthAmount = 0;
    FixedLengthCustomerID = FixedLengthProductID = FixedLengthSupplierID = 0;
    SystemDefaultUnitID = 0;
    DefaultUnitIsCatty = false;
    UnitSeparateString.clear();
    bool hasDefaultUnit = false;
    Recordset rs;
    sSQL = QStringLiteral("SELECT * FROM [SS_SystemSetting] WHERE ID = 1 ");
    proc.step([&] { rs.open(sSQL, modConn::SharedConnection()); });
    if (!proc.left() && rs.isOpen() && !rs.eof()) {
        proc.step([&] { RoundLengthQty = modDB::NullToInteger(rs.value(QStringLiteral("RoundLengthQty"))); });
        proc.step([&] { RoundLengthAmount = modDB::NullToInteger(rs.value(QStringLiteral("RoundLengthAmount"))); });
        proc.step([&] { FixedLengthCustomerID = modDB::NullToInteger(rs.value(QStringLiteral("FixedLengthCustomerID"))); });
        proc.step([&] { FixedLengthProductID = modDB::NullToInteger(rs.value(QStringLiteral("FixedLengthProductID"))); });
        proc.step([&] { FixedLengthSupplierID = modDB::NullToInteger(rs.value(QStringLiteral("FixedLengthSupplierID"))); });
    }
    rs.close();
    FixedLengthCustomerID = codeLength(FixedLengthCustomerID);
    FixedLengthSupplierID = codeLength(FixedLengthSupplierID);
    FixedLengthProductID = codeLength(FixedLengthProductID);

    sSQL = QStringLiteral("SELECT MeasurementUnitID, MeasurementUnitName, UnitSeparateString ")
        + QStringLiteral("FROM [BC_MeasurementUnit] WHERE (SystemDefaultUnit = 1) ");
    proc.step([&] { rs.open(sSQL, modConn::SharedConnection()); });
    if (!proc.left() && rs.isOpen()) {
        hasDefaultUnit = !rs.eof();
        if (hasDefaultUnit) {
            proc.step([&] {
                SystemDefaultUnitID = modDB::NullToInteger(rs.value(0));
                DefaultUnitIsCatty = SystemDefaultUnitID == 5;
                if (DefaultUnitIsCatty)
                    UnitSeparateString = modDB::NullToString(rs.value(2));
            });
        }
    }
    rs.close();
    modConn::CloseConnection();
    if (proc.left())
        return false;
    if (!hasDefaultUnit) {
        showNoDefaultUnit();
        return false;
    }
    return true;
}

int RunProgram(QApplication &app)
{
    if (Initial()) {
        frmAP_Login login;
        login.exec();
        if (login.quitRequested())
            return 0; // Esc ends the program at once
    }
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            return app.exec();
    return 0;
}

} // namespace modMain
