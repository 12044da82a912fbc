#pragma once

#include <QDate>
#include <QString>

// The data of a busy distributor over years: the benchmarks' database.
namespace BusyDataGenerator {

struct Totals
{
    qint64 documents = 0;
    qint64 lines = 0;
};

// Creates the database at path (which must not exist) with the trade of the given years
// (fractions allowed) ending on lastDay; reports progress on stderr.
Totals generate(const QString &path, double years, QDate lastDay);

} // namespace BusyDataGenerator
