#pragma once

#include <QtGlobal>

class QLineEdit;
class QWidget;

// Typing rules of the text boxes by key kind. A key is a character code, changed in place;
// 0 refuses it (the box does not change).
namespace modUI {

enum KeyKind : int {
    KindFree = -1, // a box without typing rules: only its focus moves
    KindDate = 2,
    KindYesNo = 4,
    KindName = 10,
    KindCode = 13,
    KindLoginId = 16,
    KindPassword = 17,
    KindDocumentNumber = 21,
    KindProductCode = 30,
    KindCustomerCode = 31,
    KindSupplierCode = 32,
    KindQuantity = 40,
    KindNoMinus = 41,
    KindSortOrder = 44,
    KindNoMinus45 = 45,
    KindPrice = 46,
};

void TextBoxGotFocus(QLineEdit *box, int kind);
void TextBoxKeyPress(int &key, QLineEdit *box, int kind, QWidget *next = nullptr,
                     bool allowSeparator = false);
// Quantities by unit: a point for weighing units other than the catty, the separator for it.
void QtyKeyPress(int &key, QLineEdit *box, qint16 unitID, QWidget *next = nullptr);
// The box's text length before the last key press in any box.
int LastKeyPressLength();

} // namespace modUI
