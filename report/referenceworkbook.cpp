#include "report/referenceworkbook.h"

#include "app/assetpath.h"
#include "report/hostsession.h"

#include <QDir>
#include <QFileInfo>

namespace torvane::report {

using namespace Qt::StringLiterals;

void openReferenceWorkbook()
{
    HostSession &s = HostSession::instance();
    const QString path = app::AssetPath::of(u"sprav.xlsx"_s);
    // Checked first, so a missing workbook never leaves an empty window behind.
    if (!QFileInfo(path).isReadable())
        throw HostError(u"The reference workbook \"%1\" is missing or cannot be read."_s.arg(QDir::toNativeSeparators(path)));
    s.AppProgID = u"Excel.Application"_s;
    s.App = SpreadsheetHost::create(s.AppProgID);
    s.App->setVisible(true);
    s.ExelOtch = path;
    s.App->WorkBooks().Open(s.ExelOtch);
}

} // namespace torvane::report
