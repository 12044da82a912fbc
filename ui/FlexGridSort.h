#pragma once

#include <QString>
#include <QVector>

// The stable order of texts under a FlexGrid sort setting (1 to 8): order[i] is the index of
// the text that goes to place i. Unknown settings keep the order as it is.
QVector<int> flexSortOrder(const QVector<QString> &texts, int sortSetting);

// A cell text read as a number: spaces around and thousands separators allowed.
bool flexTextToNumber(const QString &text, double *value);
