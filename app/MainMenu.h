#pragma once

#include <QString>
#include <QList>

// The frame's menu as data: each item's name, caption and the window it opens.
namespace modMain {

enum class OpenAs { Child, Modal, Separate, Arrange, None };

struct MenuItemSpec
{
    const char *name;
    const char *caption;
    const char *window; // empty for separators and arrange items
    OpenAs openAs;
};

struct MenuSpec
{
    const char *name;
    const char *caption;
    QList<MenuItemSpec> items;
};

const QList<MenuSpec> &MainMenu();

} // namespace modMain
