#include "data/ServerFunctions.h"

namespace ServerFunctions {
namespace {

std::vector<Entry> &registry()
{
    static std::vector<Entry> entries;
    return entries;
}

} // namespace

void add(const QString &name, int argumentCount, Function function)
{
    for (Entry &entry : registry()) {
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0 && entry.argumentCount == argumentCount) {
            entry.function = std::move(function);
            return;
        }
    }
    registry().push_back({name, argumentCount, std::move(function)});
}

const std::vector<Entry> &all() { return registry(); }

} // namespace ServerFunctions
