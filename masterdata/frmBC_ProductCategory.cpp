#include "masterdata/frmBC_ProductCategory.h"

#include "ui/KeyFilters.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

MasterDataWindow::Definition definition()
{
    MasterDataWindow::Definition d;
    d.caption = QStringLiteral("產品類別代碼");
    d.table = QStringLiteral("BC_ProductCategory");
    d.keyColumn = QStringLiteral("ProductCategoryID");
    d.nameColumn = QStringLiteral("ProductCategoryName");
    d.listStatement = QStringLiteral("SELECT ") + d.nameColumn + QStringLiteral(" AS ListField, ")
        + d.keyColumn + QStringLiteral(" AS BoundColumn ") + QStringLiteral("FROM [") + d.table
        + QStringLiteral("] ORDER BY ") + d.keyColumn;
    d.listBoundColumn = QStringLiteral("BoundColumn");
    return d;
}

} // namespace

frmBC_ProductCategory::frmBC_ProductCategory(QWidget *parent)
    : MasterDataWindow(QStringLiteral("frmBC_ProductCategory"), definition(), parent)
{
    addIdentifierPanel(QStringLiteral("sspProductCategoryID"));
    m_name = addTextField(QStringLiteral("txtProductCategoryName"), QStringLiteral("類別名稱"),
                          QStringLiteral("ProductCategoryName"), 8);
    addTextField(QStringLiteral("txtNote"), QStringLiteral("備註"), QStringLiteral("Note"), 32);
    m_sortOrder = addTextField(QStringLiteral("txtSortOrder"), QStringLiteral("排序數值"),
                               QStringLiteral("SortOrder"), 4, modUI::KindSortOrder, FieldKind::SortOrder);
    QCheckBox *inActive = addCheckField(QStringLiteral("sscInActive"), QStringLiteral("停用此類別"),
                                        QStringLiteral("顯示設定"), QStringLiteral("InActive"));
    inActive->setToolTip(QStringLiteral("「停用此類別」將使此類別不再顯示於新的基本建檔資料中"));
    setNameBox(m_name);
}

void frmBC_ProductCategory::clearForAddNew()
{
    subFormClear();
    m_sortOrder->setText(QStringLiteral("100"));
}

bool frmBC_ProductCategory::FormSaveCheck()
{
    return checkRequired(m_name, requiredMessage(QStringLiteral("產品類別名稱")))
        && checkUnique(m_name, duplicateMessage(QStringLiteral("產品類別名稱")), true);
}
