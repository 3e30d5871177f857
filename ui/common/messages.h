#pragma once

#include "base/language.h"
#include "report/referenceworkbook.h"
#include "report/reportexport.h"
#include "ui/common/writtenfile.h"

#include <QString>
#include <QStringList>

namespace torvane::ui::common::messages {

// The program's own messages in the user's language; those of a section
// that cannot be priced are the model's (model/passmessages.h).

// Empty when the outcome needs no message; a saved report is told by the
// notice of writtenReport().
QString exportOutcome(const report::ExportOutcome &outcome, base::Language language);
WrittenFile writtenReport(const report::ExportOutcome &outcome, base::Language language);
QString referenceOutcome(const report::ReferenceOutcome &outcome, base::Language language);
QString missingPictures(const QStringList &paths, const QStringList &reasons, base::Language language);

// The notice after a file was written: the file, its folder, and what became
// of opening it; and the words of the notice's buttons.
QString writtenFile(const WrittenFile &file, base::Language language);
QString openWord(base::Language language);
QString showInFolderWord(base::Language language);
QString closeWord(base::Language language);

} // namespace torvane::ui::common
