#pragma once

#include <QString>

class QWidget;

namespace modMain {

// A new instance of the window of that name; windows not built yet stand in by their caption.
QWidget *CreateWindow(const QString &name, const QString &caption);

} // namespace modMain
