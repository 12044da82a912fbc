#include "ui/FocusMoves.h"

#include "app/ExceptionReport.h"
#include "app/Procedure.h"
#include "app/modMain.h"
#include "data/modDB.h"
#include "data/modDB_TORVO.h"
#include "ui/FlexGrid.h"
#include "ui/KeyFilters.h"
#include "ui/Pickers.h"
#include "ui/WaitPointer.h"
#include "ui/frmAP_ModSelectItem.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace modUI {
namespace {

QPointer<QWidget> &mainWindow()
{
    static QPointer<QWidget> window;
    return window;
}

bool usable(const QWidget *w) { return w && w->isEnabled() && w->isVisible(); }

enum class Caret { SelectAll, AtStart };

bool moveOn(QLineEdit *current, QLineEdit *next, QWidget *nextControl, FlexGrid *nextGrid, Caret caret)
{
    if (SetFocusTextBox(next, caret == Caret::SelectAll, false, caret == Caret::AtStart))
        return true;
    if (SetFocusControl(nextControl))
        return true;
    if (SetFocusGrid(nextGrid, true))
        return true;
    if (current) { // the next in tab order
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(current, &tab);
    }
    return true;
}

// A modal picker has closed: its owner window takes the keyboard again.
void reactivate(QLineEdit *box)
{
    QApplication::setActiveWindow(box->window());
}

// Enter: the calendar for dates, the partner picker for partner codes. False to stay.
bool pickOnEnter(QLineEdit *box, int kind)
{
    if (kind == KindDate) {
        if (!modSystem_TORVO::DateFromText(box->text()).isValid()) {
            QString text = box->text();
            if (PickDateText(text))
                box->setText(text);
            reactivate(box);
        }
        return true;
    }
    const QString sql = modDB_TORVO::GetPartnerPickSQL(qint16(kind), box->text());
    if (sql.isEmpty() || !modDB::HasValue(sql))
        return true;
    frmAP_ModSelectItem picker(box->window());
    picker.ShowSelect(sql);
    reactivate(box);
    if (picker.SelectedCount() == 0) {
        SetFocusTextBox(box);
        return false;
    }
    box->setText(picker.SelectedValue().first());
    return true;
}

} // namespace

bool SetFocusTextBox(QLineEdit *box, bool selectAll, bool caretAtEnd, bool caretAtStart)
{
    if (!box)
        return false;
    bool focused = false;
    Procedure proc([] { return QStringLiteral("例外程序：\tmodUI.SetFocusTextBox") + QLatin1String(modMain::CRLF); });
    proc.step([&] {
        if (usable(box)) {
            box->setFocus(Qt::OtherFocusReason);
            focused = true;
        }
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (selectAll)
            box->selectAll();
        if (caretAtEnd)
            box->setCursorPosition(int(box->text().size()));
        if (caretAtStart)
            box->setCursorPosition(0);
    });
    return focused;
}

bool SetFocusControl(QWidget *control)
{
    if (!usable(control))
        return false;
    control->setFocus(Qt::OtherFocusReason);
    return true;
}

bool SetFocusGrid(FlexGrid *grid, bool goToFirstCell)
{
    if (!grid)
        return false;
    if (goToFirstCell) {
        if (grid->rows() > grid->fixedRows())
            grid->setRow(grid->fixedRows());
        if (grid->cols() > grid->fixedCols())
            grid->setCol(grid->fixedCols());
    }
    if (!usable(grid))
        return false;
    grid->setFocus(Qt::OtherFocusReason);
    return true;
}

void DropDownCombo(QComboBox *combo)
{
    if (!combo)
        return;
    combo->setEnabled(true);
    combo->setVisible(true);
    combo->setFocus(Qt::OtherFocusReason);
    combo->showPopup();
}

void GridScrollToRow(FlexGrid *grid, int row)
{
    if (!grid || row < 0 || row >= grid->rows())
        return;
    if (row + 2 < grid->rows() && grid->rowIsVisible(row + 2))
        return;
    grid->setTopRow(row);
}

bool TextBoxKeyDown(int keyCode, Qt::KeyboardModifiers, int kind, QLineEdit *current,
                    QLineEdit *previous, QLineEdit *next, QWidget *nextControl, FlexGrid *nextGrid)
{
    if (!current)
        return false;
    const QString text = current->text();
    const int caret = current->cursorPosition();
    const bool selection = current->hasSelectedText();
    switch (keyCode) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!pickOnEnter(current, kind))
            return false;
        return moveOn(current, next, nextControl, nextGrid, Caret::SelectAll);
    case Qt::Key_Backspace:
        if (text.isEmpty() && !selection && LastKeyPressLength() == 0)
            SetFocusTextBox(previous, false, true);
        return false;
    case Qt::Key_Left:
        if (caret == 0 && !selection)
            SetFocusTextBox(previous, false, true);
        return false;
    case Qt::Key_Right:
        if (caret >= text.size())
            return moveOn(current, next, nextControl, nextGrid, Caret::AtStart);
        return false;
    default:
        return false;
    }
}

void SetMainWindow(QWidget *window) { mainWindow() = window; }

void SetWaitState(QWidget *form, bool busy)
{
    if (mainWindow())
        mainWindow()->setEnabled(!busy);
    if (form)
        form->setEnabled(!busy);
    SetHourglass(busy);
    if (form)
        form->repaint();
}

} // namespace modUI
