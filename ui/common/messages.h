#pragma once

#include "report/referenceworkbook.h"
#include "report/reportexport.h"

#include <QString>
#include <QStringList>

namespace torvane::ui::common::messages {

// The program's own messages in the user's language (0 French, 1 Russian,
// 2 English); those of a section that cannot be priced are the model's
// (model/passmessages.h).

// Empty when the outcome needs no message.
QString exportOutcome(const report::ExportOutcome &outcome, int language);
QString referenceOutcome(const report::ReferenceOutcome &outcome, int language);
QString missingPictures(const QStringList &paths, const QStringList &reasons, int language);

} // namespace torvane::ui::common
