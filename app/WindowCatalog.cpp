#include "app/WindowCatalog.h"

#include "admin/frmST_SettingClient.h"
#include "masterdata/frmBC_MeasurementUnit.h"
#include "masterdata/frmBC_OrderItemNote.h"
#include "masterdata/frmBC_ProductCategory.h"
#include "masterdata/frmBF_Customer.h"
#include "masterdata/frmBF_Product.h"
#include "masterdata/frmBF_SelfCompanyTitle.h"
#include "masterdata/frmBF_Supplier.h"
#include "ui/StandInWindow.h"

#include <QHash>
#include <functional>

namespace modMain {
namespace {

using Factory = std::function<QWidget *()>;

const QHash<QString, Factory> &factories()
{
    static const QHash<QString, Factory> all = {
        {QStringLiteral("frmST_SettingClient"), [] { return new frmST_SettingClient; }},
        {QStringLiteral("frmBC_ProductCategory"), [] { return new frmBC_ProductCategory; }},
        {QStringLiteral("frmBC_MeasurementUnit"), [] { return new frmBC_MeasurementUnit; }},
        {QStringLiteral("frmBC_OrderItemNote"), [] { return new frmBC_OrderItemNote; }},
        {QStringLiteral("frmBF_SelfCompanyTitle"), [] { return new frmBF_SelfCompanyTitle; }},
        {QStringLiteral("frmBF_Supplier"), [] { return new frmBF_Supplier; }},
        {QStringLiteral("frmBF_Customer"), [] { return new frmBF_Customer; }},
        {QStringLiteral("frmBF_Product"), [] { return new frmBF_Product; }},
    };
    return all;
}

// Captions of the windows that differ from their menu item's.
QString designedCaption(const QString &name, const QString &menuCaption)
{
    static const QHash<QString, QString> captions = {
        {QStringLiteral("frmST_SettingSystem"), QStringLiteral("系統全域設定")},
    };
    return captions.value(name, menuCaption);
}

} // namespace

QWidget *CreateWindow(const QString &name, const QString &caption)
{
    const auto it = factories().constFind(name);
    if (it != factories().constEnd())
        return (*it)();
    return new StandInWindow(name, designedCaption(name, caption));
}

} // namespace modMain
