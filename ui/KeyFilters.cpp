#include "ui/KeyFilters.h"

#include "app/modMain.h"
#include "data/modDB_TORVO.h"

#include <QLineEdit>

namespace modUI {
namespace {

int lastLength = 0;

bool isControl(int key) { return key >= 1 && key <= 31; }
bool isDigit(int key) { return key >= '0' && key <= '9'; }
bool inRange(int key, int from, int to) { return key >= from && key <= to; }

// ! to , . / : to @
bool isCodeSymbol(int key) { return inRange(key, 33, 44) || key == 46 || key == 47 || inRange(key, 58, 64); }

// Codes also refuse the space, [ \ ] ^ ` and { | } ~.
bool isIdentifierSymbol(int key)
{
    return key == 32 || isCodeSymbol(key) || inRange(key, 91, 94) || key == 96 || inRange(key, 123, 126);
}

bool isSeparator(int key)
{
    return !modMain::UnitSeparateString.isEmpty() && key == modMain::UnitSeparateString.at(0).unicode();
}

bool refused(int key, int kind, bool allowSeparator)
{
    if (isControl(key))
        return false;
    if (kind == KindDate)
        return !(isDigit(key) || key == '-' || key == '.' || key == '/');
    if (kind == KindYesNo)
        return key != 'Y' && key != 'N';
    if (kind == KindCode || kind == KindLoginId || kind == KindPassword)
        return isCodeSymbol(key);
    if (kind == KindDocumentNumber || kind == KindProductCode || kind == KindCustomerCode
        || kind == KindSupplierCode)
        return isIdentifierSymbol(key);
    if (kind >= 40 && kind <= 49) {
        if (allowSeparator && isSeparator(key))
            return false;
        if (key == '-')
            return kind == KindNoMinus || kind == KindSortOrder || kind == KindNoMinus45;
        return !isDigit(key);
    }
    return false;
}

} // namespace

void TextBoxGotFocus(QLineEdit *box, int)
{
    if (box && !box->text().isEmpty())
        box->selectAll();
}

void TextBoxKeyPress(int &key, QLineEdit *box, int kind, QWidget *, bool allowSeparator)
{
    lastLength = box ? int(box->text().size()) : 0;
    if (kind == KindFree)
        return;
    if (kind < 40 && kind != KindPassword && key > 0 && key <= 0xFFFF)
        key = QChar(char16_t(key)).toUpper().unicode();
    if (refused(key, kind, allowSeparator))
        key = 0;
}

void QtyKeyPress(int &key, QLineEdit *box, qint16 unitID, QWidget *)
{
    lastLength = box ? int(box->text().size()) : 0;
    if (isControl(key) || isDigit(key) || key == '-')
        return;
    if (key == '.' && unitID != 5 && modDB_TORVO::IsSystemWeightUnit(unitID))
        return;
    if (unitID == 5 && isSeparator(key))
        return;
    key = 0;
}

int LastKeyPressLength() { return lastLength; }

} // namespace modUI
