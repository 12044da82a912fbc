#include "masterdata/frmBF_Supplier.h"

#include "app/modMain.h"
#include "data/modDB.h"
#include "ui/FocusMoves.h"
#include "ui/KeyFilters.h"
#include "ui/TextBoxBehaviour.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

MasterDataWindow::Definition definition()
{
    MasterDataWindow::Definition d;
    d.caption = QStringLiteral("供應廠商資料建檔");
    d.table = QStringLiteral("BF_Supplier");
    d.keyColumn = QStringLiteral("SupplierID");
    d.nameColumn = QStringLiteral("SupplierName");
    d.listStatement = QStringLiteral("SELECT SupplierID + '：' + SupplierName AS ListField, SupplierID FROM [BF_Supplier] ORDER BY SupplierID ");
    d.listBoundColumn = QStringLiteral("SupplierID");
    d.closingText = QStringLiteral(" 筆紀錄）");
    d.identifier = MasterDataWindow::Identifier::Typed;
    d.identifierLength = modMain::FixedLengthSupplierID;
    d.auditColumns = true;
    return d;
}

} // namespace

frmBF_Supplier::frmBF_Supplier(QWidget *parent)
    : PartnerWindow(QStringLiteral("frmBF_Supplier"), definition(), parent)
{
    QLineEdit *code = addIdentifierBox(QStringLiteral("txtSupplierID"), QStringLiteral("廠商代碼"),
                                       modUI::KindSupplierCode);
    QLineEdit *name = addTextField(QStringLiteral("txtSupplierName"), QStringLiteral("廠商名稱"),
                                   QStringLiteral("SupplierName"), 16, modUI::KindName);
    QLineEdit *shortName = addTextField(QStringLiteral("txtSupplierNameShort"), QStringLiteral("廠商簡稱"),
                                        QStringLiteral("SupplierNameShort"), 4, modUI::KindName);
    QLineEdit *vat = addTextField(QStringLiteral("txtCompanyVAT"), QStringLiteral("統一編號"),
                                  QStringLiteral("CompanyVAT"), 8, modUI::KindCode);
    QLineEdit *ceo = addTextField(QStringLiteral("txtNameCEO"), QStringLiteral("負責人"), QStringLiteral("NameCEO"), 4);
    placeNextBeside();
    QLineEdit *ceoMobile = addTextField(QStringLiteral("txtPhoneMobileCEO"), QStringLiteral("行動電話"),
                                        QStringLiteral("PhoneMobileCEO"), 12);
    QLineEdit *contact = addTextField(QStringLiteral("txtNameContact"), QStringLiteral("聯絡人"),
                                      QStringLiteral("NameContact"), 4);
    placeNextBeside();
    QLineEdit *contactMobile = addTextField(QStringLiteral("txtPhoneMobileContact"), QStringLiteral("行動電話"),
                                            QStringLiteral("PhoneMobileContact"), 12);
    QLineEdit *phone1 = addTextField(QStringLiteral("txtPhone1"), QStringLiteral("連絡電話1"), QStringLiteral("Phone1"), 12);
    placeNextBeside();
    QLineEdit *phone2 = addTextField(QStringLiteral("txtPhone2"), QStringLiteral("連絡電話2"), QStringLiteral("Phone2"), 12);
    QLineEdit *fax = addTextField(QStringLiteral("txtPhoneFax"), QStringLiteral("傳真號碼"), QStringLiteral("PhoneFax"), 12);
    QLineEdit *address = addTextField(QStringLiteral("txtAddressCompany"), QStringLiteral("公司地址"),
                                      QStringLiteral("AddressCompany"), 32);
    QLineEdit *mailAddress = addTextField(QStringLiteral("txtAddressContact"), QStringLiteral("通訊地址"),
                                          QStringLiteral("AddressContact"), 32);
    addPartnerCombos(QStringLiteral("預設計量單位"),
                     QStringLiteral("SELECT MeasurementUnitName, MeasurementUnitID ")
                         + QStringLiteral("FROM [BC_MeasurementUnit] WHERE (SystemWeightUnit = 1) AND (InActive = 0) ORDER BY SortOrder  "));
    addTextField(QStringLiteral("txtNote"), QStringLiteral("備註"), QStringLiteral("Note"), 32);

    setNameBoxes(name, shortName, vat, QStringLiteral("廠商名稱"));
    setFieldTrimmed(name, true);
    modUI::SetTextBoxLinks(name, {code, shortName});
    modUI::SetTextBoxLinks(shortName, {name, vat});
    modUI::SetTextBoxLinks(vat, {shortName, ceo});
    m_clearedOnAdd = {code, name, shortName, vat, ceo, ceoMobile, contact, contactMobile,
                      phone1, phone2, fax, address, mailAddress};
    for (QComboBox *combo : partnerCombos())
        m_clearedOnAdd << combo;
}

// A new supplier keeps the note shown before.
void frmBF_Supplier::clearForAddNew()
{
    forgetCurrentRecord();
    clearControls(m_clearedOnAdd);
    setPartnerDefaults();
}

void frmBF_Supplier::focusForAddNew() { modUI::SetFocusTextBox(m_name, true); }

bool frmBF_Supplier::FormSaveCheck()
{
    const QString crlf2 = QLatin1String(modMain::CRLF) + QLatin1String(modMain::CRLF);
    const QString code = identifierBox()->text().trimmed().toUpper();
    const QString name = m_name->text().trimmed();
    const int length = modMain::FixedLengthSupplierID;
    if (code.size() != length) {
        showCheckMessage(QStringLiteral("「廠商代碼： ") + code + QStringLiteral(" 」長度設定不正確") + crlf2
                             + QStringLiteral("系統限制廠商代碼長度固定為 ") + QString::number(length)
                             + QStringLiteral(" 碼"),
                         identifierBox());
        return false;
    }
    if (isAddingNew()) {
        const QString holder = modDB::GetString(QStringLiteral("SELECT SupplierName FROM [BF_Supplier] WHERE (SupplierID = '")
                                                + sqlText(code) + QStringLiteral("') "));
        if (!holder.isEmpty()) {
            showCheckMessage(QStringLiteral("「廠商代碼： ") + code + QStringLiteral(" 」已有重複") + crlf2
                                 + QStringLiteral("廠商名稱：") + holder,
                             identifierBox());
            return false;
        }
    }
    if (name.isEmpty()) {
        showCheckMessage(QStringLiteral("「廠商名稱」尚未輸入") + crlf2 + QStringLiteral("請重新輸入"), m_name);
        return false;
    }
    const QString duplicates = QStringLiteral("SELECT COUNT(*) FROM [BF_Supplier] ")
        + QStringLiteral("WHERE (SupplierName = '") + sqlText(name) + QStringLiteral("') ")
        + QStringLiteral("AND (SupplierID <> '") + sqlText(code) + QStringLiteral("') ");
    if (modDB::GetLong(duplicates) > 0) {
        showCheckMessage(QStringLiteral(" 「供應廠商名稱： ") + name + QStringLiteral(" 」已有重複") + crlf2
                             + QStringLiteral("請重新輸入"),
                         m_name);
        return false;
    }
    const QString again = crlf2 + QStringLiteral("請重新設定");
    return checkCombos({QStringLiteral("尚未設定「付款方式」") + again, QStringLiteral("尚未設定「預設計量單位」") + again,
                        QStringLiteral("尚未設定「本公司抬頭」") + again});
}
