// Opening a master-data window on 10,000 records: list, first record and caption.
#include "app/modMain.h"
#include "data/Schema.h"
#include "data/StoredDateTime.h"
#include "data/modConn.h"
#include "masterdata/frmBC_ProductCategory.h"
#include "ui/MsgBox.h"
#include "units/ServerQuantityFunctions.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>

namespace {

constexpr int Records = 10000;

void fill(const QString &path)
{
    sqlite3 *db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, "BEGIN;", nullptr, nullptr, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO BC_ProductCategory (ProductCategoryName, Note, SortOrder) VALUES (?, '備註', 100)",
                       -1, &stmt, nullptr);
    for (int i = 0; i < Records; ++i) {
        const QByteArray name = QStringLiteral("類別%1").arg(i).toUtf8();
        sqlite3_bind_text(stmt, 1, name.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

} // namespace

int main(int argc, char *argv[])
{
    StoredDateTime::UseFixedLocalZone();
    QApplication app(argc, argv);
    modSystem_TORVO::RegisterServerFunctions();
    modUI::SetMsgBoxResponder([](const modUI::MsgBoxRecord &) { return int(modUI::AnswerOK); });
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.db"));
    modSchema::CreateSqliteDatabase(path);
    fill(path);
    modMain::SetFixedValues();
    modMain::ServerIP = path;
    modMain::ConnectString = modMain::ComposeConnectString();
    modConn::ResetSharedConnection();

    double best = 1e9;
    for (int round = 0; round < 3; ++round) {
        frmBC_ProductCategory window;
        QElapsedTimer timer;
        timer.start();
        window.show();
        best = qMin(best, timer.nsecsElapsed() / 1e6);
        if (window.recordCount() != Records)
            std::fprintf(stderr, "listed %d records\n", window.recordCount());
    }
    std::printf("open a master-data window on %d records: %.1f ms (target <= 200)\n", Records, best);
    return 0;
}
