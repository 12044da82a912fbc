#include "masterdata/frmBF_Product.h"

#include "app/modMain.h"
#include "data/modDB.h"
#include "data/modDB_TORVO.h"
#include "ui/FocusMoves.h"
#include "ui/KeyFilters.h"
#include "ui/MsgBox.h"
#include "ui/Pickers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString TwoLines = QLatin1String(modMain::CRLF) + QLatin1String(modMain::CRLF);
const QString DeleteTitle = QStringLiteral("刪除檢核");

struct DocumentKind
{
    const char *head;
    const char *detail;
    const char *name;
};

// Customer quotations are not among the documents that hold a product.
const DocumentKind DocumentKinds[] = {
    {"OR_HeadCustomerOrder", "OR_DetailCustomerOrder", "客戶訂購單"},
    {"OR_HeadInStock", "OR_DetailInStock", "入庫單"},
    {"OR_HeadOutOrder", "OR_DetailOutOrder", "送貨單"},
    {"OR_HeadStockTaking", "OR_DetailStockTaking", "盤點單"},
};

MasterDataWindow::Definition definition()
{
    MasterDataWindow::Definition d;
    d.caption = QStringLiteral("產品主檔");
    d.table = QStringLiteral("BF_Product");
    d.keyColumn = QStringLiteral("ProductID");
    d.nameColumn = QStringLiteral("ProductName");
    d.listStatement = QStringLiteral("SELECT ProductID + '：' + ProductName AS ListField, ProductID FROM [BF_Product] ORDER BY ProductID ");
    d.listBoundColumn = QStringLiteral("ProductID");
    d.firstRecordStatement = QStringLiteral("SELECT TOP 1 ") + d.keyColumn + QStringLiteral(" FROM [") + d.table
        + QStringLiteral("] ");
    d.closingText = QStringLiteral(" 筆紀錄）");
    d.identifier = MasterDataWindow::Identifier::Typed;
    d.identifierLength = modMain::FixedLengthProductID;
    d.auditColumns = true;
    d.auditAddUser = false;
    d.saveInTransaction = true;
    d.checkTitle = QStringLiteral("儲存檢核");
    return d;
}

} // namespace

frmBF_Product::frmBF_Product(QWidget *parent)
    : MasterDataWindow(QStringLiteral("frmBF_Product"), definition(), parent)
{
    addPage(QStringLiteral("產品資料"));
    m_code = addIdentifierBox(QStringLiteral("txtProductID"), QStringLiteral("產品代碼"), modUI::KindProductCode);
    m_name = addTextField(QStringLiteral("txtProductName"), QStringLiteral("產品名稱"), QStringLiteral("ProductName"), 100);
    createSupplierRow();
    addComboField(QStringLiteral("cmbProductCategory"), QStringLiteral("產品類別"), QStringLiteral("ProductCategoryID"),
                  QStringLiteral("SELECT ProductCategoryID, '（' + CAST(ProductCategoryID AS VARCHAR(9)) + '）' + ProductCategoryName AS ListField FROM [BC_ProductCategory] ")
                      + QStringLiteral("WHERE (InActive = 0) ORDER BY SortOrder, ProductCategoryName "),
                  QStringLiteral("ListField"), QStringLiteral("ProductCategoryID"));
    m_price = addTextField(QStringLiteral("txtPrice"), QStringLiteral("售價"), QStringLiteral("Price"), 6,
                           modUI::KindPrice, FieldKind::Number);
    m_cost = addTextField(QStringLiteral("txtCost"), QStringLiteral("成本"), QStringLiteral("Cost"), 6,
                          modUI::KindPrice, FieldKind::Number);
    m_price->setAlignment(Qt::AlignRight);
    m_cost->setAlignment(Qt::AlignRight);
    m_unit = addComboField(QStringLiteral("cmbMeasurementUnit"), QStringLiteral("計量單位"), QStringLiteral("MeasurementUnitID"),
                           QStringLiteral("SELECT MeasurementUnitID, MeasurementUnitName ")
                               + QStringLiteral("FROM [BC_MeasurementUnit] WHERE (InActive <> 1) ORDER BY SystemWeightUnit DESC, SortOrder "),
                           QStringLiteral("MeasurementUnitName"), QStringLiteral("MeasurementUnitID"));
    m_sortOrder = addTextField(QStringLiteral("txtSortOrder"), QStringLiteral("排序值"), QStringLiteral("SortOrder"), 4,
                               modUI::KindSortOrder, FieldKind::SortOrder);
    m_loadDefault = addCheckField(QStringLiteral("sscIsLoadDefaultItem"), QStringLiteral("訂購單預設載入此產品項目"),
                                  QStringLiteral("預設項目"), QStringLiteral("IsLoadDefaultItem"));
    for (QWidget *hidden : {static_cast<QWidget *>(m_sortOrder), static_cast<QWidget *>(m_loadDefault)}) {
        hidden->hide();
        labelOf(hidden)->hide();
    }
    addCheckField(QStringLiteral("sscIsPrintBarCode"), QStringLiteral("是"), QStringLiteral("是否列印條碼"),
                  QStringLiteral("IsPrintBarCode"));
    QCheckBox *inActive = addCheckField(QStringLiteral("sscInActive"), QStringLiteral("停用此產品"),
                                        QStringLiteral("顯示設定"), QStringLiteral("InActive"));
    inActive->setToolTip(QStringLiteral("停用此產品可保留原有的紀錄，但在新的單據中將不會被載入"));
    addTextField(QStringLiteral("txtNote"), QStringLiteral("備註"), QStringLiteral("Note"), 32);
    setNameBox(m_name);
}

void frmBF_Product::createSupplierRow()
{
    m_supplier = addTextField(QStringLiteral("txtSupplierID"), QStringLiteral("供應商"), QStringLiteral("SupplierID"),
                              modMain::FixedLengthSupplierID, modUI::KindSupplierCode);
    QPalette blue = m_supplier->palette();
    blue.setColor(QPalette::Text, Qt::blue);
    m_supplier->setPalette(blue);
    m_supplier->installEventFilter(this);
    auto *pick = new QPushButton(QStringLiteral("..."), this);
    pick->setObjectName(QStringLiteral("cmdSelectSupplier"));
    pick->setFixedWidth(32);
    addBeside(pick);
    m_supplierName = new QLabel(this);
    m_supplierName->setObjectName(QStringLiteral("sspSupplierName"));
    m_supplierName->setFrameShape(QFrame::Panel);
    m_supplierName->setFrameShadow(QFrame::Sunken);
    m_supplierName->setMinimumWidth(140);
    addBeside(m_supplierName);
    connect(m_supplier, &QLineEdit::textChanged, this,
            [this](const QString &code) { m_supplierName->setText(modDB_TORVO::GetSupplierName(code)); });
    connect(pick, &QPushButton::clicked, this, [this] {
        QString code = m_supplier->text();
        if (modUI::PickSupplierID(code))
            m_supplier->setText(code);
    });
}

// Leaving the supplier box tidies its code and refuses one that names no supplier.
bool frmBF_Product::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_supplier && event->type() == QEvent::FocusOut && isEditing()) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            m_supplier->setText(m_supplier->text().trimmed().toUpper());
            modUI::ValidateTextBox(m_supplier, modUI::KindSupplierCode);
        }
    }
    return MasterDataWindow::eventFilter(watched, event);
}

void frmBF_Product::clearForAddNew()
{
    forgetCurrentRecord();
    subFormClear();
    m_price->setText(QStringLiteral("0"));
    m_cost->setText(QStringLiteral("0"));
    m_loadDefault->setChecked(true);
    m_sortOrder->setText(QStringLiteral("100"));
    setComboValue(m_unit, modMain::SystemDefaultUnitID);
}

bool frmBF_Product::checkCodeAndName()
{
    const QString code = m_code->text().trimmed();
    QString message;
    QWidget *focus = nullptr;
    if (code.isEmpty()) {
        message = QStringLiteral("「產品代碼」尚未輸入，請重新輸入");
        focus = m_code;
    } else if (code.size() != modMain::FixedLengthProductID) {
        message = QStringLiteral("「產品代碼」長度設定不正確") + TwoLines + QStringLiteral("系統限制產品代碼長度固定為 ")
            + QString::number(modMain::FixedLengthProductID) + QStringLiteral(" 碼");
        focus = m_code;
    }
    if (m_name->text().trimmed().isEmpty()) { // the name's message wins over the code's
        message = QStringLiteral("「產品名稱」尚未輸入，請重新輸入");
        focus = m_name;
    }
    if (message.isEmpty())
        return true;
    showCheckMessage(message, focus);
    return false;
}

bool frmBF_Product::FormSaveCheck()
{
    if (!checkCodeAndName())
        return false;
    if (!comboHasNumber(m_unit)) {
        showCheckMessage(QStringLiteral("「預設計量單位：」設定不正確，請重新輸入"), m_unit);
        return false;
    }
    // A code the clerk saved without leaving the box is checked here as well.
    if (modUI::ValidateTextBox(m_supplier, modUI::KindSupplierCode))
        return false;
    if (isAddingNew()) {
        const QString holder = modDB::GetString(QStringLiteral("SELECT ProductID FROM [BF_Product] WHERE (ProductName = '")
                                                + sqlText(m_name->text()) + QStringLiteral("') "));
        if (!holder.isEmpty()) {
            showCheckMessage(QStringLiteral("產品名稱已有重複") + TwoLines + QStringLiteral("您輸入的產品名稱： ")
                                 + m_name->text() + QLatin1String(modMain::CRLF)
                                 + QStringLiteral("請檢查產品流水編號：") + holder,
                             m_name);
            return false;
        }
        return true;
    }
    return checkUnitChange();
}

bool frmBF_Product::checkUnitChange()
{
    const qint32 unit = m_unit->currentData().toInt();
    const bool weighing = unit >= 1 && unit <= 9;
    const QString rule = QStringLiteral("已有單據紀錄的情況下") + QLatin1String(modMain::CRLF)
        + (weighing ? QStringLiteral("不允許「計量單位」由自訂計量單位變更為秤重單位")
                    : QStringLiteral("不允許「計量單位」由其它任一種相異單位變更至此自訂計量單位"));
    const QString condition = QStringLiteral("WHERE (H.Active =1 ) AND (D.ProductID = '") + sqlText(currentIdentifier())
        + QStringLiteral("') ")
        + (weighing ? QStringLiteral("AND (MU.SystemWeightUnit = 0) ")
                    : QStringLiteral("AND (D.MeasurementUnitID <> ") + QString::number(unit) + QStringLiteral(") "));
    QString kind;
    const QString document = firstDocument(condition, &kind);
    if (document.isEmpty())
        return true;
    showCheckMessage(QStringLiteral("修改「預設計量單位」時違背系統規則") + TwoLines + rule + TwoLines
                         + QStringLiteral("單據名稱：") + kind + QLatin1String(modMain::CRLF)
                         + QStringLiteral("單據代碼：") + document,
                     m_unit);
    return false;
}

QString frmBF_Product::firstDocument(const QString &condition, QString *kindName) const
{
    for (const DocumentKind &kind : DocumentKinds) {
        const QString sql = QStringLiteral("SELECT H.OrderID ")
            + QStringLiteral("FROM [BC_MeasurementUnit] AS MU RIGHT JOIN (") + QStringLiteral("[")
            + QLatin1String(kind.head) + QStringLiteral("] AS H INNER JOIN [") + QLatin1String(kind.detail)
            + QStringLiteral("] AS D ") + QStringLiteral("ON H.OrderID = D.OrderID ")
            + QStringLiteral(") ON MU.MeasurementUnitID = D.MeasurementUnitID ") + condition;
        const QString document = modDB::GetString(sql);
        if (!document.isEmpty()) {
            *kindName = QString::fromUtf8(kind.name);
            return document;
        }
    }
    return {};
}

void frmBF_Product::deleteRequested()
{
    const QString name = m_name->text();
    if (name.isEmpty()) {
        modUI::MsgBox(QStringLiteral("「產品名稱」不允許空白，請重新載入資料"), modUI::Exclamation, DeleteTitle);
        return;
    }
    QString kind;
    const QString document = firstDocument(
        QStringLiteral("WHERE (D.ProductID = '") + sqlText(identifierText().trimmed()) + QStringLiteral("') "), &kind);
    if (!document.isEmpty()) {
        const QString crlf = QLatin1String(modMain::CRLF);
        modUI::MsgBox(QStringLiteral("單據紀錄已有此貨品紀錄，不允許刪除") + TwoLines + QStringLiteral("單據名稱：") + kind
                          + crlf + QStringLiteral("單據代碼：") + document + crlf + QStringLiteral("產品名稱：") + name,
                      modUI::Exclamation, DeleteTitle);
        return;
    }
    subFormDelete();
}
