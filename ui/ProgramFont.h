#pragma once

class QApplication;

namespace modUI {

// The program's font: Traditional Chinese glyphs everywhere.
void ApplyProgramFont(QApplication &app);

} // namespace modUI
