#include "ui/Pickers.h"

#include "app/modMain.h"
#include "data/modDB_TORVO.h"
#include "ui/FocusMoves.h"
#include "ui/KeyFilters.h"
#include "ui/MsgBox.h"
#include "ui/frmAP_ModCalendar.h"
#include "ui/frmAP_ModSelectItem.h"

#include <QApplication>
#include <QLineEdit>

namespace modUI {
namespace {

bool pickPartner(QString &text, qint16 kind, const QString &caption)
{
    frmAP_ModSelectItem picker(QApplication::activeWindow());
    picker.setWindowTitle(caption);
    picker.setSelectCommandText(modDB_TORVO::GetPartnerPickSQL(kind, QString()));
    picker.setMultiSelect(false);
    picker.exec();
    if (picker.SelectedCount() == 0)
        return false;
    text = picker.SelectedValue().first();
    return true;
}

} // namespace

bool PickDateText(QString &text)
{
    frmAP_ModCalendar calendar(QApplication::activeWindow());
    return calendar.PickDate(text);
}

bool PickSupplierID(QString &text)
{
    return pickPartner(text, modDB_TORVO::SupplierPicker, QStringLiteral("選擇廠商"));
}

bool PickCustomerID(QString &text)
{
    return pickPartner(text, modDB_TORVO::CustomerPicker, QStringLiteral("選擇客戶"));
}

bool ValidateTextBox(QLineEdit *box, int kind)
{
    if (!box || kind != KindSupplierCode || box->text().isEmpty())
        return false;
    if (modDB_TORVO::IsSupplierID(box->text()))
        return false;
    const QString crlf = QLatin1String(modMain::CRLF);
    MsgBox(QStringLiteral("「廠商代碼：") + box->text() + QStringLiteral("」不正確") + crlf + crlf,
           Exclamation, QStringLiteral("欄位驗證"));
    SetFocusTextBox(box, true);
    return true;
}

} // namespace modUI
