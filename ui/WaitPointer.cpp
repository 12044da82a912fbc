#include "ui/WaitPointer.h"

#include <QApplication>
#include <QCursor>

namespace modUI {

bool IsHourglass()
{
    const QCursor *cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

void SetHourglass(bool busy)
{
    if (busy == IsHourglass())
        return;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
}

} // namespace modUI
