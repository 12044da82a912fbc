#pragma once

class FlexGrid;
class QLineEdit;
class QWidget;

namespace modUI {

// Where the focus goes from a box.
struct TextBoxLinks
{
    QLineEdit *previous = nullptr;
    QLineEdit *next = nullptr;
    QWidget *nextControl = nullptr;
    FlexGrid *nextGrid = nullptr;
};

// Gives a box the behaviour of every editing window: typing filtered by its kind, the whole
// text selected on entry, Enter, Backspace, Left and Right moving between boxes.
void AttachTextBox(QLineEdit *box, int kind, const TextBoxLinks &links = {},
                   bool allowSeparator = false);
void SetTextBoxLinks(QLineEdit *box, const TextBoxLinks &links);

} // namespace modUI
