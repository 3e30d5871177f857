#pragma once

#include "base/localizedtext.h"
#include "model/budgetfile.h"
#include "model/typedinput.h"

#include <QDateTime>

namespace torvane::ui::budget::budgettexts {

using base::LocalizedText;

// Actions on the budget document.
inline constexpr LocalizedText kNew{u"Nouveau budget", u"Новый бюджет", u"New budget"};
inline constexpr LocalizedText kOpen{u"Ouvrir…", u"Открыть…", u"Open…"};
inline constexpr LocalizedText kSave{u"Enregistrer", u"Сохранить", u"Save"};
inline constexpr LocalizedText kSaveAs{u"Enregistrer sous…", u"Сохранить как…", u"Save as…"};
inline constexpr LocalizedText kRecent{u"Budgets récents", u"Недавние бюджеты", u"Recent budgets"};
inline constexpr LocalizedText kUntitled{u"Budget sans nom", u"Бюджет без имени", u"Untitled budget"};
inline constexpr LocalizedText kModified{u"modifié", u"изменён", u"modified"};
inline constexpr LocalizedText kFilter{u"Budgets Torvane (*.torvane)", u"Бюджеты Torvane (*.torvane)", u"Torvane budgets (*.torvane)"};
inline constexpr LocalizedText kOpenTitle{u"Ouvrir un budget", u"Открыть бюджет", u"Open a budget"};
inline constexpr LocalizedText kSaveTitle{u"Enregistrer le budget", u"Сохранить бюджет", u"Save the budget"};
inline constexpr LocalizedText kExport{u"Exporter le budget…", u"Экспорт бюджета…", u"Export budget…"};
inline constexpr LocalizedText kPrint{u"Imprimer…", u"Печать…", u"Print…"};
inline constexpr LocalizedText kPdf{u"PDF…", u"PDF…", u"PDF…"};
inline constexpr LocalizedText kWorkbookFilter{u"Classeur (*.xlsx);;Classeur Excel 97-2003 (*.xls)",
                                               u"Книга (*.xlsx);;Книга Excel 97-2003 (*.xls)",
                                               u"Workbook (*.xlsx);;Excel 97-2003 workbook (*.xls)"};
inline constexpr LocalizedText kCsvFilter{u"Fichier CSV (*.csv)", u"Файл CSV (*.csv)", u"CSV file (*.csv)"};
inline constexpr LocalizedText kPdfFilter{u"Document PDF (*.pdf)", u"Документ PDF (*.pdf)", u"PDF document (*.pdf)"};
inline constexpr LocalizedText kExportTitle{u"Exporter le budget", u"Экспорт бюджета", u"Export the budget"};
inline constexpr LocalizedText kBudgetWord{u"Budget", u"Бюджет", u"Budget"};
inline constexpr LocalizedText kRestore{u"Restaurer", u"Восстановить", u"Restore"};
inline constexpr LocalizedText kDiscard{u"Ignorer", u"Отказаться", u"Discard"};

QString saveChanges(const QString &name, base::Language language);
QString readFailure(const model::budgetfile::ReadResult &result, const QString &path, base::Language language);
QString readFailureReason(const model::budgetfile::ReadResult &result, base::Language language);
QString skipped(const QStringList &entries, const QString &path, base::Language language);
QString saveFailure(const QString &path, const QString &reason, base::Language language);
QString printUnavailable(const QString &reason, base::Language language);
QString lockedElsewhere(const QString &path, qint64 pid, const QString &host, const QString &application, base::Language language);
// The copy an ended run left behind, named by its budget's title or file (empty: untitled).
QString recoveryOffer(const QString &name, const QDateTime &saved, base::Language language);
QString contingencyRefused(const QString &text, model::PercentProblem problem, int keptTenths, base::Language language);
QString restoredUntitled(const QString &owner, const QString &why, base::Language language);
QString folderGone(base::Language language);
QString damagedRecovery(const QDateTime &made, const QString &reason, const QString &aside, base::Language language);

} // namespace torvane::ui::budget::budgettexts
