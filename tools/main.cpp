#include "data/DbError.h"
#include "data/Schema.h"
#include "tools/BusyDataGenerator.h"
#include "tools/DemoData.h"
#include "tools/QueryCommand.h"
#include "units/ServerQuantityFunctions.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>

namespace {

enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

const char Usage[] =
    "Usage: verdalo-db COMMAND FILE [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  init FILE                 create a database with the schema and seed rows\n"
    "  demo FILE                 create a database with three months of demo trade\n"
    "  generate FILE --years N   create the benchmark database: a busy distributor's\n"
    "                            trade over the last N years (fractions allowed)\n"
    "  query FILE STATEMENT      run one statement and print its rows, tab-separated\n"
    "  --help                    show this text\n"
    "\n"
    "init, demo and generate refuse a FILE that exists. Exit codes: 0 done, 1 failed,\n"
    "2 wrong arguments.\n";

void printError(const QString &message)
{
    std::fprintf(stderr, "verdalo-db: %s\n", message.toUtf8().constData());
}

int usageError(const QString &message)
{
    printError(message);
    std::fputs("Try 'verdalo-db --help'.\n", stderr);
    return UsageError;
}

bool refuseExisting(const QString &path)
{
    if (!QFileInfo::exists(path))
        return false;
    printError(QStringLiteral("%1 exists; choose a new file name").arg(path));
    return true;
}

int generate(const QString &path, const QStringList &options)
{
    if (options.size() != 2 || options.at(0) != QLatin1String("--years"))
        return usageError(QStringLiteral("generate needs --years N"));
    bool ok = false;
    const double years = options.at(1).toDouble(&ok);
    if (!ok || !(years > 0) || years > 50)
        return usageError(QStringLiteral("--years takes a number above 0 and at most 50, not '%1'")
                              .arg(options.at(1)));
    if (refuseExisting(path))
        return Failure;
    QElapsedTimer timer;
    timer.start();
    const auto totals = BusyDataGenerator::generate(path, years, QDate::currentDate());
    std::fprintf(stderr, "%lld documents, %lld lines in %.1f s\n", totals.documents,
                 totals.lines, timer.elapsed() / 1000.0);
    return Success;
}

int run(const QStringList &args)
{
    const QString command = args.value(0);
    if (args.isEmpty() || command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::fputs(Usage, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? UsageError : Success;
    }
    static const QStringList commands{QStringLiteral("init"), QStringLiteral("demo"),
                                      QStringLiteral("generate"), QStringLiteral("query")};
    if (!commands.contains(command))
        return usageError(QStringLiteral("unknown command '%1'").arg(command));
    if (args.size() < 2 || args.at(1).isEmpty())
        return usageError(QStringLiteral("%1 needs a FILE").arg(command));
    const QString path = args.at(1);
    const QStringList rest = args.mid(2);

    if (command == QLatin1String("generate"))
        return generate(path, rest);
    if (command == QLatin1String("query")) {
        if (rest.size() != 1)
            return usageError(QStringLiteral("query needs FILE and one STATEMENT"));
        if (!QFileInfo(path).isFile()) {
            printError(QStringLiteral("no database file %1").arg(path));
            return Failure;
        }
        runQuery(path, rest.at(0));
        return Success;
    }
    if (!rest.isEmpty())
        return usageError(QStringLiteral("%1 takes only a FILE").arg(command));
    if (refuseExisting(path))
        return Failure;
    if (command == QLatin1String("init"))
        modSchema::CreateSqliteDatabase(path);
    else
        DemoData::create(path, QDate::currentDate());
    return Success;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    modSystem_TORVO::RegisterServerFunctions();
    try {
        return run(app.arguments().mid(1));
    } catch (const DbError &e) {
        printError(e.description());
        return Failure;
    }
}
