#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

// Scalar functions the database server offers; the embedded engine registers these on every
// new connection so that statements and callers see the same functions on both engines.
namespace ServerFunctions {

// What the functions read from the database they run in, loaded when a connection opens.
struct Context
{
    QString cattySeparator;
    int roundLengthQty = 0;
};

using Function = std::function<QVariant(const QVariantList &, const Context &)>;

struct Entry
{
    QString name;
    int argumentCount;
    Function function;
};

// Adds or replaces a function of that name and argument count.
void add(const QString &name, int argumentCount, Function function);
const std::vector<Entry> &all();

} // namespace ServerFunctions
