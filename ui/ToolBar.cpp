#include "ui/ToolBar.h"

#include <QAction>
#include <QToolBar>

namespace modUI {

QToolBar *CreateToolBar(QWidget *parent, const QString &objectName,
                        const QList<ToolButtonSpec> &buttons,
                        std::function<void(const QString &key)> clicked)
{
    auto *bar = new QToolBar(parent);
    bar->setObjectName(objectName);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->setMovable(false);
    for (const ToolButtonSpec &spec : buttons) {
        QAction *action = bar->addAction(spec.caption);
        action->setObjectName(spec.key);
        action->setData(spec.key);
        if (!spec.toolTip.isEmpty())
            action->setToolTip(spec.toolTip);
        QObject::connect(action, &QAction::triggered, bar, [clicked, key = spec.key] { clicked(key); });
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
