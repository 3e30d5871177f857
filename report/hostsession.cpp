#include "report/hostsession.h"

namespace torvane::report {

using namespace Qt::StringLiterals;

namespace {
// The programmatic identifier spreadsheet applications are made under.
const QString kSpreadsheetProgId = u"Excel.Application"_s;
} // namespace

HostWorksheet &HostSession::addWorkbook()
{
    m_application = SpreadsheetHost::create(kSpreadsheetProgId);
    m_application->WorkBooks().Add();
    // The application is this session's own, so its first workbook is the one just added.
    return m_application->WorkBooks().Item(1).WorkSheets(1);
}

void HostSession::saveWorkbook(const QString &path)
{
    if (!m_application)
        throw HostError(u"There is no workbook to save."_s);
    m_application->setDisplayAlerts(false);
    m_application->ActiveWorkBook().SaveAs(path);
    m_application->Quit();
}

void HostSession::show(const QString &path)
{
    m_application = SpreadsheetHost::create(kSpreadsheetProgId);
    m_application->setVisible(true);
    m_application->WorkBooks().Open(path);
}

} // namespace torvane::report
