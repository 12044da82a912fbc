#pragma once

class QApplication;

namespace modMain {

// Prepares the program-wide values and checks the database; true when the login may follow.
bool Initial();
// The program: Initial, then the login; lives as long as a window is open.
int RunProgram(QApplication &app);

} // namespace modMain
