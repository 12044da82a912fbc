#pragma once

#include "tools/MasterData.h"

#include <QList>
#include <QString>
#include <QStringList>

// The produce a Taiwanese distributor trades, with the prices of an ordinary day.
namespace ProduceCatalog {

enum Category { Leafy = 1, Roots, Gourds, Fruit, Mushrooms };

struct Kind
{
    QString name;
    Category category;
    Unit unit;
    double price; // selling price per unit
    double cost;
};

QStringList categoryNames(); // in Category order
QList<ItemNote> itemNotes();
QList<Kind> kinds();
// Product code: "V" for vegetables, "F" for fruit, "M" for mushrooms, and a number.
QString productCode(Category category, int number);

} // namespace ProduceCatalog
