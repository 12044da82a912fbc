#include "ui/ToolBar.h"

#include <QAction>
#include <QToolBar>

namespace modUI {

QToolBar *CreateToolBar(QWidget *parent, const QString &objectName,
                        const QList<ToolButtonEntry> &buttons,
                        std::function<void(const QString &key)> clicked)
{
    auto *bar = new QToolBar(parent);
    bar->setObjectName(objectName);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->setMovable(false);
    for (const ToolButtonEntry &entry : buttons) {
        if (entry.key.isEmpty()) {
            bar->addSeparator();
            continue;
        }
        QAction *action = bar->addAction(entry.caption);
        action->setObjectName(entry.key);
        action->setData(entry.key);
        if (!entry.toolTip.isEmpty())
            action->setToolTip(entry.toolTip);
        QObject::connect(action, &QAction::triggered, bar, [clicked, key = entry.key] { clicked(key); });
    }
    return bar;
}

QAction *ToolBarButton(QToolBar *toolBar, const QString &key)
{
    for (QAction *action : toolBar->actions())
        if (action->data().toString() == key)
            return action;
    return nullptr;
}

} // namespace modUI
