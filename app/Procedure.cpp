#include "app/Procedure.h"

#include "app/ExceptionReport.h"
#include "app/modMain.h"

Procedure::Procedure(std::function<QString()> detail) : m_detail(std::move(detail)) {}

qint16 Procedure::report(const DbError &error)
{
    if (m_undo)
        m_undo();
    modMain::ExceptionDetail = m_detail ? m_detail() : QString();
    return modMain::ReportException(&error, modMain::ExceptionDetail);
}
