#pragma once

#include "model/recalculationpass.h"
#include "report/referenceworkbook.h"
#include "report/reportexport.h"

#include <QString>
#include <QStringList>

namespace torvane::ui::messages {

// The program's own messages in the user's language (0 French, 1 Russian,
// 2 English). The message for a text that is not a quantity keeps its
// historical wording in every language.

QString passFailure(const model::PassFailure &failure, const model::SectionCatalogue &catalogue, int language);
// Tooltip of a figure that waits for a field to be corrected.
QString waitingFor(const model::PassFailure &failure, const model::SectionCatalogue &catalogue, int language);
QString exportRefused(const model::PassFailure &failure, const model::SectionCatalogue &catalogue, int language);
// Empty when the outcome needs no message.
QString exportOutcome(const report::ExportOutcome &outcome, int language);
QString referenceOutcome(const report::ReferenceOutcome &outcome, int language);
QString missingPictures(const QStringList &paths, const QStringList &reasons, int language);

} // namespace torvane::ui::messages
