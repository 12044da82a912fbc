#include "ui/GridSort.h"

#include "app/ExceptionReport.h"
#include "app/Procedure.h"
#include "app/modMain.h"
#include "ui/FlexGrid.h"

namespace modUI {
namespace {

const QString AscendingMark = QStringLiteral("△");
const QString DescendingMark = QStringLiteral("▽");
constexpr int MarkTwips = 240;

bool endsWithMark(const QString &header)
{
    return header.endsWith(AscendingMark) || header.endsWith(DescendingMark);
}

} // namespace

void GridMouseUP(QWidget *form, FlexGrid *grid, Qt::MouseButton button,
                 Qt::KeyboardModifiers shift, int x, int y, const QVariantList *sortKinds,
                 int headerRow)
{
    Q_UNUSED(form);
    if (!grid || button != Qt::LeftButton)
        return;
    const QPoint at(x, y);
    if (grid->rowAtPoint(at) != headerRow || grid->rows() - grid->fixedRows() < 2)
        return;
    const int clicked = grid->colAtPoint(at);
    if (clicked < 0)
        return;
    const bool redraw = grid->redraw();
    const bool visible = !grid->isHidden();
    const bool focused = grid->hasFocus();
    bool descending = false;
    auto restore = [&] {
        grid->setVisible(visible);
        grid->setRedraw(redraw);
        if (focused)
            grid->setFocus(Qt::OtherFocusReason);
    };
    Procedure proc([&] {
        using modMain::ExceptionLine;
        return QStringLiteral("例外程序：\t") + "modUI.GridMouseUP" + QLatin1String(modMain::CRLF)
            + ExceptionLine(QStringLiteral("Button　　　　　："), QString::number(int(button)))
            + ExceptionLine(QStringLiteral("Shift 　　　　　："), QString::number(int(shift)))
            + ExceptionLine(QStringLiteral("X 　　　　　　　："), QString::number(x))
            + ExceptionLine(QStringLiteral("Y 　　　　　　　："), QString::number(y))
            + ExceptionLine(QStringLiteral("HeaderRow 　　　："), QString::number(headerRow))
            + ExceptionLine(QStringLiteral("MouseCol　　　　："), QString::number(clicked))
            + ExceptionLine(QStringLiteral("Descending　　　："),
                            descending ? QStringLiteral("True") : QStringLiteral("False"));
    });
    proc.onFailure(restore);
    proc.step([&] {
        int width = grid->colWidth(clicked) + MarkTwips;
        grid->setRedraw(false);
        // A window's own layout keeps its place while the grid is out of sight.
        if (!grid->isWindow())
            grid->setVisible(false);
        for (int c = 0; c < grid->cols(); ++c) {
            QString header = grid->textMatrix(0, c);
            if (!endsWithMark(header))
                continue;
            if (c != clicked) {
                grid->setColWidth(c, qMax(0, grid->colWidth(c) - MarkTwips));
            } else {
                descending = header.endsWith(AscendingMark);
                width = 0; // widened already when it got its mark
            }
            header.chop(1);
            grid->setTextMatrix(0, c, header);
        }
        grid->setTextMatrix(0, clicked, grid->textMatrix(0, clicked)
                                            + (descending ? DescendingMark : AscendingMark));
        if (width > 0)
            grid->setColWidth(clicked, width);
        int kind = modMain::ArrayItemInteger(sortKinds, clicked);
        if (kind != 0 && kind != 2 && kind != 4 && kind != 6)
            kind = 0;
        grid->setCol(clicked);
        grid->sortRows(clicked, kind + (descending ? 2 : 1));
        restore();
        grid->setCol(clicked);
        grid->update();
    });
}

} // namespace modUI
