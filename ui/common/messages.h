#pragma once

#include "base/language.h"
#include "report/referenceworkbook.h"
#include "report/reportexport.h"

#include <QString>
#include <QStringList>

namespace torvane::ui::common::messages {

// The program's own messages in the user's language; those of a section
// that cannot be priced are the model's (model/passmessages.h).

// Empty when the outcome needs no message.
QString exportOutcome(const report::ExportOutcome &outcome, base::Language language);
QString referenceOutcome(const report::ReferenceOutcome &outcome, base::Language language);
QString missingPictures(const QStringList &paths, const QStringList &reasons, base::Language language);

} // namespace torvane::ui::common
