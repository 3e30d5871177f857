#include "report/budgetreport.h"

#include "base/localizedtext.h"
#include "base/safefile.h"

#include <QDir>

#include <algorithm>

namespace torvane::report {

using namespace Qt::StringLiterals;

QString BudgetWriteResult::message(base::Language language) const
{
    static constexpr base::LocalizedText written{u"Le budget a été enregistré sous « %1 ».",
                                                u"Бюджет сохранён в файле «%1».",
                                                u"The budget was saved as \"%1\"."};
    static constexpr base::LocalizedText nothing{u"Rien à enregistrer : aucune section n'est encore remplie.",
                                                u"Сохранять нечего: ни один раздел ещё не заполнен.",
                                                u"There is nothing to save yet: no section has been filled in."};
    static constexpr base::LocalizedText failed{u"Impossible d'enregistrer « %1 » : %2",
                                               u"Не удалось сохранить «%1»: %2",
                                               u"Cannot save \"%1\": %2"};
    const QString shown = QDir::toNativeSeparators(path);
    switch (status) {
    case Status::Written: return written.in(language).arg(shown);
    case Status::NothingToWrite: return nothing.in(language);
    case Status::Refused: return reason;
    case Status::Failed: break;
    }
    return failed.in(language).arg(shown, reason);
}

bool BudgetReport::hasFollowUpFigures() const
{
    return std::any_of(summary.cbegin(), summary.cend(),
                       [](const BudgetSummaryRow &row) { return row.figures.actual || row.figures.paid; });
}

bool BudgetReport::hasActualAmounts() const
{
    return std::any_of(summary.cbegin(), summary.cend(), [](const BudgetSummaryRow &row) { return bool(row.figures.actual); });
}

bool BudgetReport::hasFollowUpLines() const
{
    return std::any_of(followUp.rows.cbegin(), followUp.rows.cend(),
                       [](const FollowUpRowData &row) { return row.kind == FollowUpRowData::Kind::Line; });
}

bool BudgetReport::nothingToWrite() const
{
    // A line of one's own, or a quote kept for a row emptied since, is something to write.
    const bool sectionEntered = std::any_of(sections.cbegin(), sections.cend(),
                                            [](const BudgetSectionData &section) { return !section.empty; });
    return !sectionEntered && !hasFollowUpLines();
}

BudgetWriteResult mayWrite(const BudgetReport &document, const QString &path)
{
    BudgetWriteResult result;
    result.path = path;
    result.status = BudgetWriteResult::Status::Written;
    if (!document.refusal.isEmpty()) {
        result.status = BudgetWriteResult::Status::Refused;
        result.reason = document.refusal;
    } else if (document.nothingToWrite()) {
        result.status = BudgetWriteResult::Status::NothingToWrite;
    }
    return result;
}

BudgetWriteResult saveWhole(const QString &path, const QByteArray &bytes)
{
    const base::WriteResult written = base::writeFileAtomically(path, bytes);
    BudgetWriteResult result;
    result.path = written.path;
    result.reason = written.reason;
    result.status = written ? BudgetWriteResult::Status::Written : BudgetWriteResult::Status::Failed;
    return result;
}

} // namespace torvane::report
