#include "data/modConn.h"

#include "admin/frmST_SettingClient.h"
#include "app/ExceptionReport.h"
#include "app/modMain.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "ui/MsgBox.h"

#include <memory>

namespace modConn {

bool ConnectionWasOpen = false;
qint16 TransactionDepth = 0;

namespace {

std::unique_ptr<Connection> &shared()
{
    static std::unique_ptr<Connection> connection = std::make_unique<Connection>();
    return connection;
}

QString unreachableMessage()
{
    const QString crlf = QLatin1String(modMain::CRLF);
    return QStringLiteral("找不到資料庫伺服器，請檢查「用戶端電腦設定」中的伺服器IP位址是否正確") + crlf
        + crlf + QStringLiteral("詳細錯誤訊息：")
        + QStringLiteral("[DBNETLIB][ConnectionOpen (Connect()).]SQL Server 不存在或拒絕存取。")
        + crlf + QStringLiteral("資料庫伺服器：") + modMain::ServerIP + crlf
        + QStringLiteral("連線字串：") + modMain::ConnectString;
}

} // namespace

Connection &SharedConnection() { return *shared(); }

void ResetSharedConnection()
{
    shared() = std::make_unique<Connection>();
    ConnectionWasOpen = false;
    TransactionDepth = 0;
}

bool OpenConnection()
{
    Connection &connection = SharedConnection();
    if (connection.isOpen()) {
        ConnectionWasOpen = true;
        return true;
    }
    for (;;) {
        try {
            connection.open(modMain::ConnectString);
            return true;
        } catch (const DbError &error) {
            if (error.number() == DbError::ServerUnreachable) {
                modUI::MsgBox(unreachableMessage(), modUI::Critical, QStringLiteral("開啟資料庫"));
                frmST_SettingClient::showModeless();
                return false;
            }
            modMain::ExceptionDetail = QStringLiteral("例外程序　　　　：modConn.OpenConnection")
                + QLatin1String(modMain::CRLF) + QLatin1String(modMain::CRLF);
            // Ignore can't make a closed connection usable, so it leaves as exit does.
            if (modMain::ReportException(&error, modMain::ExceptionDetail) != 4)
                return false;
        }
    }
}

void CloseConnection()
{
    if (ConnectionWasOpen) {
        ConnectionWasOpen = false;
        return;
    }
    Connection &connection = SharedConnection();
    if (connection.isOpen()) {
        if (connection.inTransaction())
            TransactionDepth = 0;
        connection.close();
    }
}

qint32 ExecuteCommand(const QString &sql)
{
    if (!OpenConnection())
        return -1;
    qint64 affected;
    try {
        affected = SharedConnection().execute(sql);
    } catch (...) {
        CloseConnection();
        throw;
    }
    CloseConnection();
    return qint32(affected);
}

void BeginTransaction()
{
    SharedConnection().beginTransaction();
    ++TransactionDepth;
}

void CommitTransaction()
{
    if (TransactionDepth <= 0)
        return;
    SharedConnection().commitTransaction();
    --TransactionDepth;
}

void RollbackTransaction()
{
    if (TransactionDepth <= 0)
        return;
    --TransactionDepth;
    SharedConnection().rollbackTransaction();
}

} // namespace modConn
