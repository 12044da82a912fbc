#pragma once

#include <QString>
#include <QList>

// The frame's menu as data: each item's name, caption and the window it opens.
namespace modMain {

enum class OpenAs { Child, Modal, Separate, Arrange, None };

struct MenuItemEntry
{
    const char *name;
    const char *caption;
    const char *window; // empty for separators and arrange items
    OpenAs openAs;
};

struct MenuEntry
{
    const char *name;
    const char *caption;
    QList<MenuItemEntry> items;
};

const QList<MenuEntry> &MainMenu();

} // namespace modMain
