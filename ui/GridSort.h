#pragma once

#include <QVariantList>

class FlexGrid;
class QWidget;

namespace modUI {

// Sorts a grid by the header cell clicked, marking it "△" ascending or "▽" descending.
void GridMouseUP(QWidget *form, FlexGrid *grid, Qt::MouseButton button,
                 Qt::KeyboardModifiers shift, int x, int y,
                 const QVariantList *sortKinds = nullptr, int headerRow = 0);

} // namespace modUI
