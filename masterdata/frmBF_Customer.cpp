#include "masterdata/frmBF_Customer.h"

#include "app/modMain.h"
#include "data/modDB.h"
#include "ui/KeyFilters.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

MasterDataWindow::Definition definition()
{
    MasterDataWindow::Definition d;
    d.caption = QStringLiteral("客戶資料建檔");
    d.table = QStringLiteral("BF_Customer");
    d.keyColumn = QStringLiteral("CustomerID");
    d.nameColumn = QStringLiteral("CustomerName");
    d.listStatement = QStringLiteral("SELECT CustomerID + '：' + CustomerName AS ListField, CustomerID FROM [BF_Customer] ORDER BY CustomerID ");
    d.listBoundColumn = QStringLiteral("CustomerID");
    d.identifier = MasterDataWindow::Identifier::Typed;
    d.identifierLength = modMain::FixedLengthCustomerID;
    d.auditColumns = true;
    d.listObjectName = QStringLiteral("lstMainNew");
    d.listKeys = false; // Enter and Delete work through the window's keys and the toolbar
    return d;
}

} // namespace

frmBF_Customer::frmBF_Customer(QWidget *parent)
    : PartnerWindow(QStringLiteral("frmBF_Customer"), definition(), parent)
{
    addIdentifierBox(QStringLiteral("txtCustomerID"), QStringLiteral("客戶代碼"), modUI::KindCustomerCode);
    QLineEdit *name = addTextField(QStringLiteral("txtCustomerName"), QStringLiteral("客戶名稱"),
                                   QStringLiteral("CustomerName"), 16);
    QLineEdit *shortName = addTextField(QStringLiteral("txtCustomerNameShort"), QStringLiteral("客戶簡稱"),
                                        QStringLiteral("CustomerNameShort"), 4);
    addTextField(QStringLiteral("txtInvoiceTitle"), QStringLiteral("發票抬頭"), QStringLiteral("InvoiceTitle"), 16);
    QLineEdit *vat = addTextField(QStringLiteral("txtCompanyVAT"), QStringLiteral("統一編號"),
                                  QStringLiteral("CompanyVAT"), 8);
    addTextField(QStringLiteral("txtNameCEO"), QStringLiteral("負責人"), QStringLiteral("NameCEO"), 4);
    placeNextBeside();
    addTextField(QStringLiteral("txtPhoneMobileCEO"), QStringLiteral("行動電話"), QStringLiteral("PhoneMobileCEO"), 12);
    addTextField(QStringLiteral("txtNameContact"), QStringLiteral("聯絡人"), QStringLiteral("NameContact"), 4);
    placeNextBeside();
    addTextField(QStringLiteral("txtPhoneMobileContact"), QStringLiteral("行動電話"),
                 QStringLiteral("PhoneMobileContact"), 12);
    addTextField(QStringLiteral("txtPhone1"), QStringLiteral("連絡電話1"), QStringLiteral("Phone1"), 14);
    placeNextBeside();
    addTextField(QStringLiteral("txtPhone2"), QStringLiteral("連絡電話2"), QStringLiteral("Phone2"), 14);
    addTextField(QStringLiteral("txtPhoneFax"), QStringLiteral("傳真號碼"), QStringLiteral("PhoneFax"), 14);
    addTextField(QStringLiteral("txtAddressCompany"), QStringLiteral("公司地址"), QStringLiteral("AddressCompany"), 48);
    addTextField(QStringLiteral("txtAddressContact"), QStringLiteral("通訊地址"), QStringLiteral("AddressContact"), 48);
    addPartnerCombos(QStringLiteral("預設秤重單位"),
                     QStringLiteral("SELECT MeasurementUnitName, MeasurementUnitID FROM [BC_MeasurementUnit] ")
                         + QStringLiteral("WHERE (SystemWeightUnit = 1) AND (InActive = 0) ")
                         + QStringLiteral("ORDER BY SystemDefaultUnit DESC, MeasurementUnitName  "));
    m_sortOrder = addTextField(QStringLiteral("txtSortOrder"), QStringLiteral("排序值"), QStringLiteral("SortOrder"), 4,
                               modUI::KindFree, FieldKind::SortOrder);
    m_sortOrder->hide();
    labelOf(m_sortOrder)->hide();
    QCheckBox *inActive = addCheckField(QStringLiteral("sscInActive"), QStringLiteral("停用此客戶"),
                                        QStringLiteral("停用"), QStringLiteral("InActive"));
    inActive->setToolTip(QStringLiteral("停用此客戶可保留原有的紀錄，但在新的單據中將不會被顯示"));
    addTextField(QStringLiteral("txtNote"), QStringLiteral("備註"), QStringLiteral("Note"), 48);
    setNameBoxes(name, shortName, vat, QStringLiteral("客戶名稱"));
}

void frmBF_Customer::clearForAddNew()
{
    forgetCurrentRecord();
    subFormClear();
    m_sortOrder->setText(QStringLiteral("100"));
    setPartnerDefaults();
}

bool frmBF_Customer::FormSaveCheck()
{
    const QString crlf2 = QLatin1String(modMain::CRLF) + QLatin1String(modMain::CRLF);
    const QString again = crlf2 + QStringLiteral("請重新輸入");
    const QString code = identifierBox()->text().trimmed();
    const int length = modMain::FixedLengthCustomerID;
    if (code.isEmpty()) {
        showCheckMessage(QStringLiteral("「客戶代碼」尚未輸入") + again, identifierBox());
        return false;
    }
    if (code.size() != length) {
        showCheckMessage(QStringLiteral("「客戶代碼」輸入長度不正確") + crlf2 + QStringLiteral("輸入長度應固定 ")
                             + QString::number(length) + QStringLiteral(" 碼"),
                         identifierBox(), true);
        return false;
    }
    if (m_name->text().trimmed().isEmpty()) {
        showCheckMessage(QStringLiteral("「客戶名稱」尚未輸入") + again, m_name);
        return false;
    }
    const QString duplicates = QStringLiteral("SELECT COUNT(*) FROM [BF_Customer] ")
        + QStringLiteral("WHERE (CustomerName = '") + sqlText(m_name->text()) + QStringLiteral("') ")
        + QStringLiteral("AND (CustomerID <> '") + sqlText(code) + QStringLiteral("') ");
    if (modDB::GetLong(duplicates) > 0) {
        showCheckMessage(duplicateMessage(QStringLiteral("客戶名稱")), m_name);
        return false;
    }
    return checkCombos({QStringLiteral("「付款方式」輸入不正確"), QStringLiteral("「計量單位」輸入不正確"),
                        QStringLiteral("「本公司抬頭」輸入不正確")});
}
