#pragma once

#include <QString>
#include <QVariant>

// A field value as a grid shows it: Null empty, numbers as QString::number(v, 'g', 15) gives
// them, dates "yyyy/MM/dd" (with " HH:mm:ss" unless midnight), booleans "True" / "False".
QString flexCellText(const QVariant &value);
