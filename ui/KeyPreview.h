#pragma once

#include <functional>

class QKeyEvent;
class QWidget;

namespace modUI {

// The window sees key presses before its controls; a handler that returns true consumes the
// key. One handler per window; it ends with the window.
using KeyPreviewHandler = std::function<bool(QKeyEvent *)>;
void InstallKeyPreview(QWidget *window, KeyPreviewHandler handler);

} // namespace modUI
