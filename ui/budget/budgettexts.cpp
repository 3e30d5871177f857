#include "ui/budget/budgettexts.h"

#include "base/amountformat.h"
#include "base/language.h"
#include "model/followup.h"
#include "model/followupmodel.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace torvane::ui::budget::budgettexts {

using Status = model::budgetfile::ReadResult::Status;
using base::localeOf;

namespace {
QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}
} // namespace

QString saveChanges(const QString &name, base::Language language)
{
    constexpr LocalizedText text{u"Le budget « %1 » a été modifié. Enregistrer les modifications ?",
                                 u"Бюджет «%1» изменён. Сохранить изменения?",
                                 u"The budget “%1” has been changed. Save the changes?"};
    return text.in(language).arg(name);
}

QString readFailureReason(const model::budgetfile::ReadResult &result, base::Language language)
{
    LocalizedText reason;
    switch (result.status) {
    case Status::Ok: return {};
    case Status::Unreadable:
        reason = {u"le fichier ne peut pas être lu (%1).", u"файл не читается (%1).", u"the file cannot be read (%1)."};
        break;
    case Status::TooLarge:
        reason = {u"le fichier est bien trop grand pour être un budget.", u"файл слишком велик для бюджета.",
                  u"the file is far too large to be a budget."};
        break;
    case Status::Empty: reason = {u"le fichier est vide.", u"файл пуст.", u"the file is empty."}; break;
    case Status::NotJson:
        reason = {u"le fichier est abîmé ou incomplet (%1).", u"файл повреждён или обрезан (%1).",
                  u"the file is damaged or incomplete (%1)."};
        break;
    case Status::NotABudget:
        reason = {u"ce n’est pas un budget Torvane.", u"это не бюджет Torvane.", u"it is not a Torvane budget."};
        break;
    case Status::BadVersion:
        reason = {u"ce fichier porte une version que ce programme ne lit pas : %1.",
                  u"у этого файла версия, которую программа не читает: %1.",
                  u"this file has a version this program does not read: %1."};
        break;
    case Status::NewerVersion:
        reason = {u"il a été enregistré par une version plus récente du programme (format %1).",
                  u"он сохранён более новой версией программы (формат %1).",
                  u"it was saved by a newer version of the program (format %1)."};
        return reason.in(language).arg(result.version);
    case Status::TooManyCells:
        reason = {u"il contient bien plus de cases qu’un budget n’en a.", u"в нём гораздо больше ячеек, чем в любом бюджете.",
                  u"it holds far more cells than any budget has."};
        break;
    }
    QString why = reason.in(language);
    if (why.contains(u"%1"))
        why = why.arg(result.reason);
    return why;
}

QString readFailure(const model::budgetfile::ReadResult &result, const QString &path, base::Language language)
{
    constexpr LocalizedText head{u"Le budget « %1 » ne peut pas être ouvert : %2",
                                 u"Бюджет «%1» нельзя открыть: %2",
                                 u"The budget “%1” cannot be opened: %2"};
    if (result.ok())
        return {};
    return head.in(language).arg(native(path), readFailureReason(result, language));
}

QString skipped(const QStringList &entries, const QString &path, base::Language language)
{
    constexpr LocalizedText text{u"Le budget « %1 » a été ouvert, mais ces entrées inconnues ou hors liste ont été laissées de côté : %2",
                                 u"Бюджет «%1» открыт, но эти неизвестные или недопустимые записи пропущены: %2",
                                 u"The budget “%1” was opened, but these unknown or out-of-list entries were left out: %2"};
    constexpr LocalizedText more{u"et %1 de plus", u"и ещё %1", u"and %1 more"};
    QStringList shown = entries.mid(0, 12);
    if (entries.size() > shown.size())
        shown << more.in(language).arg(entries.size() - shown.size());
    return text.in(language).arg(native(path), shown.join(u", "));
}

QString saveFailure(const QString &path, const QString &reason, base::Language language)
{
    constexpr LocalizedText text{u"Le budget n’a pas pu être enregistré sous « %1 » : %2. Le fichier précédent est intact et les modifications restent à enregistrer.",
                                 u"Не удалось сохранить бюджет как «%1»: %2. Прежний файл цел, изменения пока не сохранены.",
                                 u"The budget could not be saved as “%1”: %2. The earlier file is intact and the changes are still unsaved."};
    return text.in(language).arg(native(path), reason);
}

QString printUnavailable(const QString &reason, base::Language language)
{
    constexpr LocalizedText text{u"L’impression n’est pas disponible : %1.", u"Печать недоступна: %1.",
                                 u"Printing is not available: %1."};
    return text.in(language).arg(reason);
}

QString lockedElsewhere(const QString &path, qint64 pid, const QString &host, const QString &application, base::Language language)
{
    constexpr LocalizedText text{u"Le budget « %1 » est déjà ouvert dans une autre copie de %2 (processus %3 sur %4). Fermez-le là-bas d’abord.",
                                 u"Бюджет «%1» уже открыт в другой копии %2 (процесс %3 на %4). Сначала закройте его там.",
                                 u"The budget “%1” is already open in another copy of %2 (process %3 on %4). Close it there first."};
    return text.in(language).arg(native(path), application.isEmpty() ? QStringLiteral("Torvane") : application).arg(pid).arg(host);
}

QString restoredUntitled(const QString &owner, const QString &why, base::Language language)
{
    constexpr LocalizedText text{u"Le budget a été restauré sans nom, et non dans « %1 » : %2 Enregistrez-le sous un autre nom.",
                                 u"Бюджет восстановлен без имени, а не в «%1»: %2 Сохраните его под другим именем.",
                                 u"The budget was restored as untitled rather than into “%1”: %2 Save it under another name."};
    QString reason = why;
    if (!reason.isEmpty() && !reason.endsWith(u'.'))
        reason += u'.';
    return text.in(language).arg(native(owner), reason);
}

QString folderGone(base::Language language)
{
    constexpr LocalizedText text{u"son dossier n’existe plus.", u"его папки больше нет.", u"its folder no longer exists."};
    return text.in(language);
}

QString damagedRecovery(const QDateTime &made, const QString &reason, const QString &aside, base::Language language)
{
    constexpr LocalizedText text{u"La copie de récupération du %1 est abîmée et ne peut pas être restaurée : %2",
                                 u"Копия для восстановления от %1 повреждена, восстановить её нельзя: %2",
                                 u"The recovery copy from %1 is damaged and cannot be restored: %2"};
    constexpr LocalizedText kept{u"Elle a été mise de côté (« %1 ») et ne sera plus proposée.",
                                 u"Она отложена в сторону («%1») и больше не будет предлагаться.",
                                 u"It has been set aside (“%1”) and will not be offered again."};
    constexpr LocalizedText stays{u"Elle n’a pas pu être mise de côté et reste à sa place.",
                                  u"Отложить её не удалось, она осталась на месте.",
                                  u"It could not be set aside and stays where it is."};
    const QString when = localeOf(language).toString(made.toLocalTime(), QLocale::ShortFormat);
    return text.in(language).arg(when, reason) + u' '
        + (aside.isEmpty() ? stays.in(language) : kept.in(language).arg(QFileInfo(aside).fileName()));
}

QString contingencyRefused(const QString &text, model::PercentProblem problem, int keptTenths, base::Language language)
{
    constexpr LocalizedText head{u"« %1 » ne peut pas servir de réserve pour imprévus : %2 Elle reste à %3.",
                                 u"«%1» не подходит как резерв на непредвиденное: %2 Резерв остаётся %3.",
                                 u"“%1” cannot be the contingency: %2 It stays at %3."};
    LocalizedText why;
    switch (problem) {
    case model::PercentProblem::NotANumber:
        why = {u"tapez un pourcentage de 0 à 50, par exemple 7,5.", u"введите процент от 0 до 50, например 7,5.",
               u"type a percentage from 0 to 50, such as 7.5."};
        break;
    case model::PercentProblem::TooManyDecimals:
        why = {u"une seule décimale est possible, par exemple 7,5.", u"допустим один знак после запятой, например 7,5.",
               u"it can have one decimal at most, such as 7.5."};
        break;
    case model::PercentProblem::OutOfRange:
        why = {u"elle va de 0 à 50 %.", u"он может быть от 0 до 50 %.", u"it goes from 0 to 50 %."};
        break;
    }
    const QLocale locale = localeOf(language);
    const QString kept = locale.toString(keptTenths / 10.0, 'f', 1) + QStringLiteral(" %");
    return head.in(language).arg(text.trimmed(), why.in(language), kept);
}

QString recoveryOffer(const QString &name, const QDateTime &saved, base::Language language)
{
    constexpr LocalizedText named{u"Le budget non enregistré « %1 » du %2 peut être restauré.",
                                  u"Можно восстановить несохранённый бюджет «%1» от %2.",
                                  u"The unsaved budget “%1” from %2 can be restored."};
    const QString when = localeOf(language).toString(saved.toLocalTime(), QLocale::ShortFormat);
    return named.in(language).arg(name.isEmpty() ? kUntitled.in(language) : name, when);
}

QString removeLineQuestion(const QString &item, base::Language language)
{
    constexpr LocalizedText text{u"Supprimer la ligne « %1 » du budget ? Son estimation, ses montants et sa note partent avec elle.",
                                 u"Удалить строку «%1» из бюджета? Её смета, суммы и примечание будут удалены вместе с ней.",
                                 u"Remove the line “%1” from the budget? Its estimate, amounts and note go with it."};
    return text.in(language).arg(item);
}

QString noteTooLong(int leftOut, base::Language language)
{
    constexpr LocalizedText text{u"Une note garde %1 caractères au plus : les %2 de trop n’ont pas été ajoutés.",
                                 u"Примечание вмещает не больше %1 символов: лишние %2 не добавлены.",
                                 u"A note keeps %1 characters at most: the %2 beyond that were not added."};
    const QLocale locale = localeOf(language);
    return text.in(language).arg(locale.toString(model::kMaxNoteLength), locale.toString(leftOut));
}

QString chartTip(const QString &section, const QString &estimate, const QString &actual, base::Language language)
{
    constexpr LocalizedText both{u"%1 — estimation %2, réel %3", u"%1 — смета %2, факт %3", u"%1 — estimate %2, actual %3"};
    constexpr LocalizedText alone{u"%1 — estimation %2", u"%1 — смета %2", u"%1 — estimate %2"};
    return actual.isEmpty() ? alone.in(language).arg(section, estimate) : both.in(language).arg(section, estimate, actual);
}

} // namespace torvane::ui::budget::budgettexts
