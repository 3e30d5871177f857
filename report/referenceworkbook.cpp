#include "report/referenceworkbook.h"

#include "base/assetpath.h"
#include "report/hostsession.h"

#include <QFileInfo>

namespace torvane::report {

using namespace Qt::StringLiterals;

ReferenceOutcome openReferenceWorkbook()
{
    ReferenceOutcome outcome;
    outcome.path = base::AssetPath::of(u"sprav.xlsx"_s);
    // Checked first, so a missing workbook never leaves an empty window behind.
    if (!QFileInfo(outcome.path).isReadable()) {
        outcome.status = ReferenceOutcome::Status::Missing;
        return outcome;
    }
    try {
        HostSession session;
        session.show(outcome.path);
        outcome.status = ReferenceOutcome::Status::Opened;
    } catch (const HostError &e) {
        outcome.viewerMissing = e.kind() == HostError::Kind::OpenNoViewer;
    }
    return outcome;
}

} // namespace torvane::report
