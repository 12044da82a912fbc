#include "app/StartUp.h"
#include "data/StoredDateTime.h"
#include "ui/ProgramFont.h"
#include "units/ServerQuantityFunctions.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    StoredDateTime::UseFixedLocalZone();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Verdalo"));
    QApplication::setApplicationVersion(QStringLiteral(VERDALO_VERSION));
    modUI::ApplyProgramFont(app);
    modSystem_TORVO::RegisterServerFunctions();
    return modMain::RunProgram(app);
}
