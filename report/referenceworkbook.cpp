#include "report/referenceworkbook.h"

#include "base/assetpath.h"
#include "report/hostsession.h"

#include <QFileInfo>

namespace torvane::report {

using namespace Qt::StringLiterals;

ReferenceOutcome openReferenceWorkbook()
{
    ReferenceOutcome outcome;
    HostSession &s = HostSession::instance();
    outcome.path = base::AssetPath::of(u"sprav.xlsx"_s);
    // Checked first, so a missing workbook never leaves an empty window behind.
    if (!QFileInfo(outcome.path).isReadable()) {
        outcome.status = ReferenceOutcome::Status::Missing;
        return outcome;
    }
    s.AppProgID = u"Excel.Application"_s;
    s.App = SpreadsheetHost::create(s.AppProgID);
    s.App->setVisible(true);
    s.ExelOtch = outcome.path;
    try {
        s.App->WorkBooks().Open(s.ExelOtch);
        outcome.status = ReferenceOutcome::Status::Opened;
    } catch (const HostError &e) {
        outcome.viewerMissing = e.kind() == HostError::Kind::OpenNoViewer;
    }
    return outcome;
}

} // namespace torvane::report
