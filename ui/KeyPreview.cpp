#include "ui/KeyPreview.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>

namespace modUI {
namespace {

// One application-wide filter hands each key press to the nearest window that asked for it.
class KeyPreviewFilter : public QObject
{
public:
    QHash<QWidget *, KeyPreviewHandler> handlers;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        for (auto *w = static_cast<QWidget *>(watched); w; w = w->parentWidget()) {
            const auto it = handlers.constFind(w);
            if (it != handlers.constEnd()) {
                // Copy: the handler may close the window and so remove itself.
                const KeyPreviewHandler handler = *it;
                return handler(static_cast<QKeyEvent *>(event));
            }
            if (w->isWindow())
                break;
        }
        return false;
    }
};

KeyPreviewFilter *filter()
{
    static KeyPreviewFilter *instance = [] {
        auto *f = new KeyPreviewFilter;
        qApp->installEventFilter(f);
        return f;
    }();
    return instance;
}

} // namespace

void InstallKeyPreview(QWidget *window, KeyPreviewHandler handler)
{
    KeyPreviewFilter *f = filter();
    f->handlers.insert(window, std::move(handler));
    QObject::connect(window, &QObject::destroyed, f, [f, window] { f->handlers.remove(window); });
}

} // namespace modUI
