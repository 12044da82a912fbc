#pragma once

#include <QtGlobal>

class FlexGrid;
class QComboBox;
class QLineEdit;
class QString;
class QWidget;

namespace modUI {

bool SetFocusTextBox(QLineEdit *box, bool selectAll = false, bool caretAtEnd = false,
                     bool caretAtStart = false);
bool SetFocusControl(QWidget *control);
bool SetFocusGrid(FlexGrid *grid, bool goToFirstCell = false);
void DropDownCombo(QComboBox *combo);
void GridScrollToRow(FlexGrid *grid, int row);

// Enter, Backspace, Left and Right move between boxes; Enter opens the code picker or the
// calendar where the kind asks for one. True when the focus moved on.
bool TextBoxKeyDown(int keyCode, Qt::KeyboardModifiers shift, int kind, QLineEdit *current,
                    QLineEdit *previous, QLineEdit *next, QWidget *nextControl = nullptr,
                    FlexGrid *nextGrid = nullptr);

// The busy state: the main window and the form disabled, the hourglass shown.
void SetWaitState(QWidget *form, bool busy);
// The frame that SetWaitState disables with the form.
void SetMainWindow(QWidget *mainWindow);

} // namespace modUI
