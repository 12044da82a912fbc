#pragma once

#include <QList>
#include <QString>

#include <functional>

class QAction;
class QToolBar;
class QWidget;

namespace modUI {

struct ToolButtonEntry
{
    QString key;
    QString caption;
    QString toolTip;
};

// A toolbar whose buttons are dispatched by key; each button's action is named by its key.
// An entry without a key is a separator.
QToolBar *CreateToolBar(QWidget *parent, const QString &objectName,
                        const QList<ToolButtonEntry> &buttons,
                        std::function<void(const QString &key)> clicked);
QAction *ToolBarButton(QToolBar *toolBar, const QString &key);

} // namespace modUI
