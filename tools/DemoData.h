#pragma once

#include <QDate>
#include <QString>

// A small distributor's last three months, for trying the program out.
namespace DemoData {

// Creates the database at path (which must not exist) with the demo set ending on lastDay.
void create(const QString &path, QDate lastDay);

} // namespace DemoData
