#include "data/modDB_TORVO.h"

#include "app/ExceptionReport.h"
#include "app/Procedure.h"
#include "app/modMain.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/SqlText.h"
#include "data/modConn.h"
#include "data/modDB.h"
#include "ui/MsgBox.h"

namespace modDB_TORVO {
namespace {

using modDB::SqlText;

struct Partner
{
    QString table;
    QString key;
};

Partner partnerOf(qint16 targetType)
{
    if (targetType == Supplier)
        return {QStringLiteral("BF_Supplier"), QStringLiteral("SupplierID")};
    if (targetType == Customer)
        return {QStringLiteral("BF_Customer"), QStringLiteral("CustomerID")};
    return {};
}

bool hasLength(const QString &id, qint16 length) { return id.size() == length; }

// The first row of a statement on the shared connection, which the caller has opened.
Recordset openFirst(const QString &sql)
{
    Recordset rs;
    rs.open(sql, modConn::SharedConnection());
    return rs;
}

// Runs work on the open shared connection and releases it on every way out.
template <class Work>
auto withConnection(Work &&work)
{
    struct Release
    {
        ~Release() { modConn::CloseConnection(); }
    } release;
    return work();
}

qint16 unitIdOf(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        throw DbError(94, QStringLiteral("Null 的使用不正確"), QStringLiteral("modDB_TORVO"));
    return modDB::NullToInteger(value);
}

} // namespace

QString GetSupplierName(const QString &id)
{
    if (!hasLength(id, modMain::FixedLengthSupplierID))
        return {};
    return modDB::GetString(QStringLiteral("SELECT SupplierName FROM [BF_Supplier] WHERE (SupplierID = '")
                            + SqlText(id) + QStringLiteral("')"));
}

QString GetCustomerName(const QString &id)
{
    if (!hasLength(id, modMain::FixedLengthCustomerID))
        return {};
    return modDB::GetString(QStringLiteral("SELECT CustomerName FROM [BF_Customer] WHERE (CustomerID = '")
                            + SqlText(id) + QStringLiteral("')"));
}

QString GetProductName(const QString &id)
{
    if (!hasLength(id, modMain::FixedLengthProductID))
        return {};
    return modDB::GetString(QStringLiteral("SELECT ProductName FROM [BF_Product] WHERE (ProductID = '")
                            + SqlText(id) + QStringLiteral("')"));
}

QString GetUserName(const QString &id)
{
    return modDB::GetString(QStringLiteral("SELECT NameUser FROM [BF_User] WHERE (IdUser = '")
                            + SqlText(id) + QStringLiteral("') "));
}

bool IsSupplierID(const QString &id)
{
    return hasLength(id, modMain::FixedLengthSupplierID)
        && modDB::GetString(QStringLiteral("SELECT SupplierID FROM [BF_Supplier] WHERE (SupplierID = '")
                            + SqlText(id) + QStringLiteral("') ")) == id;
}

bool IsCustomerID(const QString &id)
{
    return hasLength(id, modMain::FixedLengthCustomerID)
        && modDB::GetString(QStringLiteral("SELECT CustomerID FROM [BF_Customer] WHERE (CustomerID = '")
                            + SqlText(id) + QStringLiteral("') ")) == id;
}

bool IsProductID(const QString &id, bool showMessage)
{
    const QString crlf = QLatin1String(modMain::CRLF);
    QString message;
    if (!hasLength(id, modMain::FixedLengthProductID)) {
        message = QStringLiteral("您輸入的「產品代碼：") + id + QStringLiteral("」長度不正確") + crlf + crlf
            + QStringLiteral("系統限制的產品代碼長度固定為 ") + QString::number(modMain::FixedLengthProductID)
            + QStringLiteral(" 碼");
    } else if (modDB::GetString(QStringLiteral("SELECT ProductID FROM [BF_Product] WHERE (ProductID = '")
                                + SqlText(id) + QStringLiteral("') ")) != id) {
        message = QStringLiteral("資料庫中找不到此「產品代碼： ") + id + QStringLiteral(" 」");
    }
    if (message.isEmpty())
        return true;
    if (showMessage)
        modUI::MsgBox(message, modUI::Exclamation, QStringLiteral("產品代碼檢查模組"));
    return false;
}

bool IsUnitIDValid(qint16 unitID) { return unitID > 0; }

bool IsSystemWeightUnit(qint16 unitID)
{
    return modDB::GetBoolean(QStringLiteral("SELECT SystemWeightUnit FROM [BC_MeasurementUnit] WHERE (MeasurementUnitID = ")
                             + QString::number(unitID) + QStringLiteral(") "));
}

qint16 GetPartnerDefaultUnit(qint16 targetType, const QString &id, QString &unitName)
{
    const QString alias = targetType == Supplier ? QStringLiteral("S") : QStringLiteral("C");
    const Partner p = partnerOf(targetType);
    const QString sql = QStringLiteral("SELECT ") + alias + QStringLiteral(".MeasurementUnitID, MU.MeasurementUnitName ")
        + QStringLiteral("FROM [BC_MeasurementUnit] AS MU RIGHT JOIN [") + p.table + QStringLiteral("] AS ") + alias + QLatin1Char(' ')
        + QStringLiteral("ON MU.MeasurementUnitID = ") + alias + QStringLiteral(".MeasurementUnitID ")
        + QStringLiteral("WHERE (") + alias + QLatin1Char('.') + p.key + QStringLiteral(" = '") + SqlText(id) + QStringLiteral("') ");
    unitName.clear();
    if (!modConn::OpenConnection())
        return 0;
    return withConnection([&]() -> qint16 {
        Recordset rs = openFirst(sql);
        if (rs.eof())
            return 0;
        unitName = modDB::NullToString(rs.value(1));
        return unitIdOf(rs.value(0));
    });
}

qint16 GetProductUnitForPartner(const QString &productID, qint16 targetType, const QString &partnerID,
                                QString &unitName)
{
    if (!modConn::OpenConnection())
        return -1;
    return withConnection([&]() -> qint16 {
        Recordset rs = openFirst(
            QStringLiteral("SELECT P.MeasurementUnitID, MU.MeasurementUnitName, MU.SystemWeightUnit ")
            + QStringLiteral("FROM [BC_MeasurementUnit] AS MU INNER JOIN [BF_Product] AS P ")
            + QStringLiteral("ON MU.MeasurementUnitID = P.MeasurementUnitID ")
            + QStringLiteral("WHERE (P.ProductID = '") + SqlText(productID) + QStringLiteral("') "));
        if (rs.eof())
            return -1;
        qint16 unit = modDB::NullToInteger(rs.value(0));
        unitName = modDB::NullToString(rs.value(1));
        if (!modDB::NullToBoolean(rs.value(2)))
            return unit; // a custom unit stays whatever the partner
        const Partner p = partnerOf(targetType);
        Recordset partner = openFirst(
            QStringLiteral("SELECT T.MeasurementUnitID, MU.MeasurementUnitName ")
            + QStringLiteral("FROM [BC_MeasurementUnit] AS MU INNER JOIN [") + p.table + QStringLiteral("] AS T ")
            + QStringLiteral("ON MU.MeasurementUnitID = T.MeasurementUnitID ")
            + QStringLiteral("WHERE (T.") + p.key + QStringLiteral(" = '") + SqlText(partnerID) + QStringLiteral("') "));
        if (partner.eof())
            return -1;
        unit = modDB::NullToInteger(partner.value(0));
        unitName = modDB::NullToString(partner.value(1));
        return unit;
    });
}

qint16 GetPartnerPaymentType(qint16 targetType, const QString &id, QString &paymentTypeName)
{
    paymentTypeName.clear();
    if (!modConn::OpenConnection())
        return -1;
    const Partner p = partnerOf(targetType);
    return withConnection([&]() -> qint16 {
        Recordset rs = openFirst(
            QStringLiteral("SELECT T.PaymentTypeID, PT.PaymentTypeName ")
            + QStringLiteral("FROM [SC_PaymentType] AS PT INNER JOIN [") + p.table + QStringLiteral("] AS T ")
            + QStringLiteral("ON PT.PaymentTypeID = T.PaymentTypeID ")
            + QStringLiteral("WHERE (T.") + p.key + QStringLiteral(" = '") + SqlText(id) + QStringLiteral("') "));
        if (rs.eof())
            return -1;
        paymentTypeName = modDB::NullToString(rs.value(1));
        return modDB::NullToInteger(rs.value(0));
    });
}

QString GetPartnerSelfCompanyName(qint16 targetType, const QString &id)
{
    const Partner p = partnerOf(targetType);
    return modDB::GetString(QStringLiteral("SELECT S.CompanyName FROM [BF_SelfCompanyTitle] AS S INNER JOIN [")
                            + p.table + QStringLiteral("] AS C ") + QStringLiteral("ON S.SelfCompanyID = C.SelfCompanyTitleID ")
                            + QStringLiteral("WHERE (C.") + p.key + QStringLiteral(" = '") + SqlText(id) + QStringLiteral("') "));
}

bool GetSelfCompany(qint16 targetType, const QString &targetID, QString &companyName, QString &phone,
                    QString &address)
{
    const Partner p = partnerOf(targetType);
    QString sSQL;
    bool bErr = false;
    QString iSelfCompanyID;
    Procedure proc([&] {
        return modMain::ExceptionHeader(QStringLiteral("modDB_TORVO.GetSelfCompany"))
            + modMain::ExceptionLine(QStringLiteral("TargetType　　　　："), QString::number(targetType))
            + modMain::ExceptionLine(QStringLiteral("TargetID　　　　　："), targetID)
            + modMain::ExceptionLine(QStringLiteral("bErr　　　　　　　："), bErr ? QStringLiteral("True") : QStringLiteral("False"))
            + modMain::ExceptionLine(QStringLiteral("sSQL　　　　　　　："), sSQL)
            + modMain::ExceptionLine(QStringLiteral("sTableName　　　　："), p.table)
            + modMain::ExceptionLine(QStringLiteral("sFieldName　　　　："), p.key)
            + modMain::ExceptionLine(QStringLiteral("iSelfCompanyID　　："), iSelfCompanyID);
    });
    proc.onFailure([&] { bErr = true; });
    if (!modConn::OpenConnection())
        return false;
    Recordset rs;
    // Ignoring a failure skips the remaining reads.
    const bool read = proc.step([&] {
        sSQL = QStringLiteral("SELECT SelfCompanyTitleID ") + QStringLiteral("FROM [") + p.table + QStringLiteral("] WHERE (")
            + p.key + QStringLiteral(" = '") + SqlText(targetID) + QStringLiteral("') ");
        rs.open(sSQL, modConn::SharedConnection());
        if (rs.eof())
            return;
        iSelfCompanyID = modDB::NullToString(rs.value(0));
        if (iSelfCompanyID.isEmpty())
            return;
        sSQL = QStringLiteral("SELECT CompanyName, CompanyVAT, PhoneTel, ") + QStringLiteral("PhoneFax, AddressCompany ")
            + QStringLiteral("FROM [BF_SelfCompanyTitle] AS C WHERE (SelfCompanyID = ") + iSelfCompanyID + QStringLiteral(") ");
        rs.open(sSQL, modConn::SharedConnection());
        if (rs.eof())
            return;
        companyName = modDB::NullToString(rs.value(0));
        phone = modDB::NullToString(rs.value(2));
        address = modDB::NullToString(rs.value(4));
    });
    Q_UNUSED(read);
    rs.close();
    modConn::CloseConnection();
    return false;
}

double GetProductPrice(const QString &id)
{
    if (!hasLength(id, modMain::FixedLengthProductID))
        return -1;
    return modDB::GetDouble(QStringLiteral("SELECT Price FROM [BF_Product] WHERE (ProductID = '") + SqlText(id)
                            + QStringLiteral("')"));
}

QString GetProductStockText(const QString &id, qint16 unitID)
{
    if (!hasLength(id, modMain::FixedLengthProductID))
        return {};
    const qint16 unit = unitID == -1 ? modMain::SystemDefaultUnitID : unitID;
    const QString quoted = SqlText(id);
    if (IsSystemWeightUnit(unit)) {
        const QString u = QString::number(unit);
        return modDB::GetString(
            QStringLiteral("SELECT dbo.GetFinalQty(PS.StockQty * M.TransformFactor, ") + u + QStringLiteral(") ")
            + QStringLiteral("FROM [V_MeasurementUnitFromSystemDefault] AS M RIGHT JOIN [VSM_ProductStock] AS PS ")
            + QStringLiteral("ON M.FromUnitID = PS.FinalMeasurementUnitID ")
            + QStringLiteral("WHERE (PS.ProductID = '") + quoted + QStringLiteral("') AND (M.ToUnitID = ") + u + QStringLiteral(") "));
    }
    return modDB::GetString(QStringLiteral("SELECT PS.StockQty ") + QStringLiteral("FROM [VSM_ProductStock] AS PS ")
                            + QStringLiteral("WHERE (PS.ProductID = '") + quoted + QStringLiteral("') "));
}

QString GetPartnerPickSQL(qint16 pickerKind, const QString &prefix)
{
    const QString trimmed = prefix.trimmed();
    QString sql;
    QString column;
    if (pickerKind == CustomerPicker) {
        sql = QStringLiteral("SELECT CustomerID AS 廠商代碼, CustomerName AS 廠商名稱 FROM [BF_Customer] ");
        column = QStringLiteral(" WHERE (CustomerID ");
    } else if (pickerKind == SupplierPicker) {
        sql = QStringLiteral("SELECT SupplierID AS 廠商代碼, SupplierName AS 廠商名稱 FROM [BF_Supplier] ");
        column = QStringLiteral(" WHERE (SupplierID ");
    } else {
        return {};
    }
    if (!trimmed.isEmpty())
        sql += column + QStringLiteral("LIKE '") + SqlText(trimmed) + QStringLiteral("%' ") + QStringLiteral(") ");
    return sql;
}

} // namespace modDB_TORVO
