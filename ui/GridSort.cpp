#include "ui/GridSort.h"

#include "app/ExceptionReport.h"
#include "app/Procedure.h"
#include "app/modMain.h"
#include "ui/FlexGrid.h"

namespace modUI {
namespace {

const QString Ascending = QStringLiteral("△");
const QString Descending = QStringLiteral("▽");
constexpr int MarkTwips = 240;

} // namespace

void GridMouseUP(QWidget *, FlexGrid *grid, Qt::MouseButton button, Qt::KeyboardModifiers, int x,
                 int y, const QVariantList *sortKinds, int headerRow)
{
    if (!grid || button != Qt::LeftButton)
        return;
    const QPoint at(x, y);
    if (grid->rowAtPoint(at) != headerRow || grid->rows() - grid->fixedRows() < 2)
        return;
    const int clicked = grid->colAtPoint(at);
    if (clicked < 0)
        return;
    const bool redraw = grid->redraw();
    Procedure proc([&] {
        return QStringLiteral("例外程序：\tmodUI.GridMouseUP") + QLatin1String(modMain::CRLF)
            + modMain::ExceptionLine(QStringLiteral("ColIndex　　　　："), QString::number(clicked));
    });
    proc.onFailure([&] {
        grid->setVisible(true);
        grid->setRedraw(redraw);
    });
    proc.step([&] {
        int width = grid->colWidth(clicked) + MarkTwips;
        grid->setRedraw(false);
        bool descending = false;
        for (int c = 0; c < grid->cols(); ++c) {
            QString header = grid->textMatrix(0, c);
            if (!header.endsWith(Ascending) && !header.endsWith(Descending))
                continue;
            if (c != clicked) {
                grid->setColWidth(c, grid->colWidth(c) - MarkTwips);
            } else {
                descending = header.endsWith(Ascending);
                width = 0; // already widened for its mark
            }
            header.chop(1);
            grid->setTextMatrix(0, c, header);
        }
        grid->setTextMatrix(0, clicked, grid->textMatrix(0, clicked) + (descending ? Descending : Ascending));
        if (width > 0)
            grid->setColWidth(clicked, width);
        int kind = modMain::ArrayItemInteger(sortKinds, clicked);
        if (kind != 0 && kind != 2 && kind != 4 && kind != 6)
            kind = 0;
        grid->sortRows(clicked, kind + (descending ? 2 : 1));
        grid->setCurrentCell(grid->fixedRows(), clicked);
        grid->setRedraw(redraw);
    });
}

} // namespace modUI
