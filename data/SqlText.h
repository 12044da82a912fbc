#pragma once

#include <QString>

namespace modDB {

// A value made safe to stand between single quotes in a statement: apostrophes doubled.
QString SqlText(const QString &value);

} // namespace modDB
