#include "ui/ProgramFont.h"

#include <QApplication>
#include <QFont>

namespace modUI {

void ApplyProgramFont(QApplication &app)
{
#ifndef Q_OS_WIN
    // The system fallback would pick Japanese glyph shapes for some characters.
    QFont font(QStringLiteral("Noto Sans CJK TC"));
    font.setPointSize(10);
    app.setFont(font);
#else
    Q_UNUSED(app);
#endif
}

} // namespace modUI
