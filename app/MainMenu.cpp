#include "app/MainMenu.h"

namespace modMain {

const QList<MenuEntry> &MainMenu()
{
    static const QList<MenuEntry> menu = {
        {"mnuBC", "基本代碼(&C)",
         {{"mnuBC_OrderItemNote", "單據品項備註", "frmBC_OrderItemNote", OpenAs::Child},
          {"mnuBC_MeasurementUnit", "計量單位", "frmBC_MeasurementUnit", OpenAs::Child},
          {"mnuBC_ProductCategory", "產品類別", "frmBC_ProductCategory", OpenAs::Child}}},
        {"mnuBF", "基本建檔(&F)",
         {{"mnuBF_SelfCompanyTitle", "本公司抬頭資料建檔", "frmBF_SelfCompanyTitle", OpenAs::Child},
          {"mnuBF_Supplier", "供應廠商資料建檔", "frmBF_Supplier", OpenAs::Child},
          {"mnuBF_Customer", "客戶資料建檔", "frmBF_Customer", OpenAs::Child},
          {"mnuBF_Product", "產品主檔", "frmBF_Product", OpenAs::Child},
          {"s1", "-", "", OpenAs::None},
          {"mnuBF_ProductPriceList", "產品價格一覽表", "frmBF_ProductPriceList", OpenAs::Child}}},
        {"mnuOR", "單據作業(&O)",
         {{"mnuOR_CustomerQuote", "客戶報價單", "frmOR_CustomerQuote", OpenAs::Child},
          {"mnuOR_CustomerOrder", "客戶訂購單", "frmOR_CustomerOrder", OpenAs::Child},
          {"mnuOR_InStock", "廠商入庫單", "frmOR_InStock", OpenAs::Child},
          {"mnuOR_OutOrder", "客戶送貨單", "frmOR_OutOrder", OpenAs::Child},
          {"mnuOR_StockTaking", "庫存調整單", "frmOR_StockTaking", OpenAs::Child}}},
        {"mnuRP", "查詢報表(&P)",
         {{"mnuRP_StockCompany", "公司庫存表", "frmRP_StockCompany", OpenAs::Child},
          {"mnuRP_SupplierInCustomerOrderi", "供應商產品訂購分析表", "frmRP_SupplierInCustomerOrder", OpenAs::Child},
          {"mnuRP_CustomerOrderInSupplier", "客戶訂購產品單據明細表", "frmRP_CustomerOrderInSupplier", OpenAs::Child}}},
        {"mnuPB", "結帳查詢(&B)",
         {{"mnuPB_SupplierInStock", "供應商應付帳款查詢", "frmPB_SupplierInStock", OpenAs::Child},
          {"mnuPB_CustomerOutOrder", "客戶應收結帳查詢", "frmPB_CustomerOutOrder", OpenAs::Child}}},
        {"mnuSU", "系統工具(&U)",
         {{"mnuSU_UnitQtyCalculate", "單位數量轉換計算", "frmSU_UnitQtyCalculate", OpenAs::Separate}}},
        {"mnuSS", "系統設定(&S)",
         {{"mnuSS_SystemSetting", "全域系統設定", "frmST_SettingSystem", OpenAs::Modal},
          {"mnuSS_SettingClient", "用戶端電腦設定", "frmST_SettingClient", OpenAs::Modal},
          {"mnuSS_S1", "-", "", OpenAs::None},
          {"mnuSS_User", "系統使用者建檔", "frmBF_User", OpenAs::Modal},
          {"mnuSS_PermissionFormTree", "使用者權限設定", "frmAP_PermissionFormTree", OpenAs::Modal}}},
        {"mnuWD", "視窗顯示(&W)",
         {{"mnuWD_Cascade", "重疊顯示", "", OpenAs::Arrange},
          {"mnuWD_Horizontal", "水平排列", "", OpenAs::Arrange},
          {"mnuWD_Vertical", "垂直排列", "", OpenAs::Arrange}}},
        {"mnuHP", "說明(&H)", {}},
    };
    return menu;
}

} // namespace modMain
