#include "masterdata/frmBF_SelfCompanyTitle.h"

#include "app/modMain.h"
#include "data/modConn.h"
#include "data/modDB.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

MasterDataWindow::Definition definition()
{
    MasterDataWindow::Definition d;
    d.caption = QStringLiteral("本公司抬頭資料建檔");
    d.table = QStringLiteral("BF_SelfCompanyTitle");
    d.keyColumn = QStringLiteral("SelfCompanyID");
    d.nameColumn = QStringLiteral("CompanyName");
    d.listStatement = QStringLiteral("SELECT CompanyName AS ListField, SelfCompanyID FROM [BF_SelfCompanyTitle] ORDER BY SelfCompanyID ");
    d.listBoundColumn = QStringLiteral("SelfCompanyID");
    d.auditColumns = true;
    // Taking the default from the other titles and saving this one stand or fall together.
    d.saveInTransaction = true;
    const QStringList captions = {"新增(N)", "修改(F2)", "刪除(Del)", "", "取消(Esc)", "儲存(S)", "", "列印", "離開(Esc)"};
    d.toolButtons = MasterDataWindow::StandardToolButtons();
    for (int i = 0; i < captions.size(); ++i)
        d.toolButtons[i].caption = captions.at(i);
    return d;
}

} // namespace

frmBF_SelfCompanyTitle::frmBF_SelfCompanyTitle(QWidget *parent)
    : MasterDataWindow(QStringLiteral("frmBF_SelfCompanyTitle"), definition(), parent)
{
    addIdentifierPanel(QStringLiteral("sspSelfCompanyID"));
    m_name = addTextField(QStringLiteral("txtCompanyName"), QStringLiteral("公司名稱"),
                          QStringLiteral("CompanyName"), 12);
    m_vat = addTextField(QStringLiteral("txtCompanyVAT"), QStringLiteral("統一編號"),
                         QStringLiteral("CompanyVAT"), 8);
    QLineEdit *tel = addTextField(QStringLiteral("txtPhoneTel"), QStringLiteral("連絡電話"),
                                  QStringLiteral("PhoneTel"), 12);
    QLineEdit *fax = addTextField(QStringLiteral("txtPhoneFax"), QStringLiteral("傳真號碼"),
                                  QStringLiteral("PhoneFax"), 12);
    QLineEdit *address = addTextField(QStringLiteral("txtAddressCompany"), QStringLiteral("公司地址"),
                                      QStringLiteral("AddressCompany"), 32);
    QCheckBox *inActive = addCheckField(QStringLiteral("sscInActive"), QStringLiteral("停用此抬頭"),
                                        QStringLiteral("顯示設定"), QStringLiteral("InActive"));
    inActive->setToolTip(QStringLiteral("停用此抬頭可保留原有的紀錄，但在新的單據中將不會被載入"));
    m_systemDefault = addCheckField(QStringLiteral("sscSystemDefault"), QStringLiteral("系統預設之本公司抬頭"),
                                    QStringLiteral("預設抬頭"), QStringLiteral("SystemDefault"));
    m_systemDefault->setToolTip(QStringLiteral("於新增基本建檔時，自動載入此抬頭為預設本公司抬頭"));
    QLineEdit *note = addTextField(QStringLiteral("txtNote"), QStringLiteral("備註"), QStringLiteral("Note"), 32);
    setFieldTrimmed(m_name, true);
    setNameBox(m_name);
    m_clearedOnAdd = {m_name, m_vat, tel, fax, address, note, m_systemDefault};
}

// A new title keeps the inactive state shown before.
void frmBF_SelfCompanyTitle::clearForAddNew()
{
    clearIdentifier();
    clearControls(m_clearedOnAdd);
}

bool frmBF_SelfCompanyTitle::FormSaveCheck()
{
    const QString label = QStringLiteral("公司名稱"), again = QStringLiteral("請重新輸入公司名稱");
    return checkRequired(m_name, requiredMessage(label, again))
        && checkUnique(m_name, duplicateMessage(label, again), false);
}

void frmBF_SelfCompanyTitle::beforeSave()
{
    if (m_systemDefault->isChecked())
        modConn::ExecuteCommand(QStringLiteral("UPDATE [BF_SelfCompanyTitle] SET SystemDefault = 0 "));
}

QString frmBF_SelfCompanyTitle::deleteGuard()
{
    const QString id = identifierText().trimmed();
    const struct { const char *table; const char *reason; } guards[] = {
        {"BF_Customer", "此筆抬頭資料已建立於「客戶基本資料」，不允許刪除"},
        {"BF_Supplier", "此筆抬頭資料已建立於「供應廠商基本資料」，不允許刪除"},
    };
    for (const auto &guard : guards) {
        const QString sql = QStringLiteral("SELECT SelfCompanyTitleID FROM [") + QLatin1String(guard.table)
            + QStringLiteral("] WHERE (SelfCompanyTitleID = '") + sqlText(id) + QStringLiteral("') ");
        if (modDB::GetString(sql) == id)
            return QString::fromUtf8(guard.reason);
    }
    return {};
}

QString frmBF_SelfCompanyTitle::deleteQuestion()
{
    const QString crlf = QLatin1String(modMain::CRLF);
    return QStringLiteral("是否欲刪除以下紀錄") + crlf + crlf + QStringLiteral("流水編號：")
        + identifierText().trimmed() + crlf + QStringLiteral("公司名稱：") + m_name->text() + crlf
        + QStringLiteral("統一編號：") + m_vat->text();
}
