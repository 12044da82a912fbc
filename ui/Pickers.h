#pragma once

class QLineEdit;
class QString;

namespace modUI {

// The calendar with no preset; a picked date is written as "yyyy/mm/dd".
bool PickDateText(QString &text);
// The partner pickers over every supplier or customer; the chosen code is written.
bool PickSupplierID(QString &text);
bool PickCustomerID(QString &text);
// True when a supplier code box (kind 32) holds a code that doesn't exist; tells the user.
bool ValidateTextBox(QLineEdit *box, int kind);

} // namespace modUI
