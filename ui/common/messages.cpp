#include "ui/common/messages.h"

#include "base/localizedtext.h"

#include <QDir>

namespace torvane::ui::common::messages {

using base::LocalizedText;

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString exportOutcome(const report::ExportOutcome &outcome, base::Language language)
{
    using Status = report::ExportOutcome::Status;
    switch (outcome.status) {
    case Status::NothingToExport: {
        constexpr LocalizedText text{
            u"Rien à enregistrer pour l’instant : chaque sous-total de cette section vaut 0.",
            u"Сохранять пока нечего: все подытоги этого раздела равны 0.",
            u"There is nothing to save yet: every subtotal of this section is 0."};
        return text.in(language);
    }
    case Status::Failed: {
        if (!outcome.unmadeFolder.isEmpty()) {
            constexpr LocalizedText text{u"Le rapport n’a pas pu être enregistré sous « %1 » : le dossier « %2 » n’a pas pu être créé (%3).",
                                         u"Не удалось сохранить отчёт «%1»: не удалось создать папку «%2» (%3).",
                                         u"The report could not be saved as \"%1\": the folder \"%2\" could not be made (%3)."};
            return text.in(language).arg(native(outcome.path), native(outcome.unmadeFolder), outcome.reason);
        }
        constexpr LocalizedText text{u"Le rapport n’a pas pu être enregistré sous « %1 » : %2",
                                     u"Не удалось сохранить отчёт «%1»: %2",
                                     u"The report could not be saved as \"%1\": %2"};
        return text.in(language).arg(native(outcome.path), outcome.reason);
    }
    case Status::Saved: break;
    }
    QStringList parts;
    if (outcome.inDocuments) {
        constexpr LocalizedText text{
            u"Le dossier du programme est protégé en écriture ; le rapport a été enregistré sous « %1 ».",
            u"Папка программы защищена от записи, поэтому отчёт сохранён как «%1».",
            u"The program's folder cannot be written to, so the report was saved as \"%1\"."};
        parts << text.in(language).arg(native(outcome.path));
    }
    if (!outcome.opened) {
        constexpr LocalizedText noViewer{
            u"Le rapport a été enregistré sous « %1 », mais aucun programme de ce bureau ne sait afficher les classeurs.",
            u"Отчёт сохранён как «%1», но на этом компьютере нет программы для просмотра таблиц.",
            u"The report was saved as \"%1\", but it could not be opened: no program on this desktop can show spreadsheets."};
        constexpr LocalizedText other{u"Le rapport a été enregistré sous « %1 », mais il n’a pas pu être ouvert.",
                                      u"Отчёт сохранён как «%1», но открыть его не удалось.",
                                      u"The report was saved as \"%1\", but it could not be opened."};
        parts << (outcome.viewerMissing ? noViewer : other).in(language).arg(native(outcome.path));
    }
    return parts.join(u'\n');
}

QString referenceOutcome(const report::ReferenceOutcome &outcome, base::Language language)
{
    using Status = report::ReferenceOutcome::Status;
    switch (outcome.status) {
    case Status::Opened: return {};
    case Status::Missing: {
        constexpr LocalizedText text{u"L’ouvrage de référence « %1 » est absent ou illisible.",
                                     u"Справочник «%1» отсутствует или не читается.",
                                     u"The reference workbook \"%1\" is missing or cannot be read."};
        return text.in(language).arg(native(outcome.path));
    }
    case Status::NotOpened: {
        constexpr LocalizedText noViewer{
            u"L’ouvrage de référence « %1 » ne peut pas être affiché : aucun programme de ce bureau ne sait afficher les classeurs.",
            u"Справочник «%1» нельзя показать: на этом компьютере нет программы для просмотра таблиц.",
            u"The reference workbook “%1” cannot be shown: no program on this desktop can show spreadsheets."};
        constexpr LocalizedText other{u"L’ouvrage de référence « %1 » n’a pas pu être ouvert.",
                                      u"Не удалось открыть справочник «%1».",
                                      u"The reference workbook “%1” could not be opened."};
        return (outcome.viewerMissing ? noViewer : other).in(language).arg(native(outcome.path));
    }
    }
    return {};
}

QString missingPictures(const QStringList &paths, const QStringList &reasons, base::Language language)
{
    constexpr LocalizedText one{u"Impossible d’ouvrir l’image « %1 ». %2", u"Не удалось открыть картинку «%1». %2",
                                u"Cannot open file \"%1\". %2"};
    if (paths.size() == 1)
        return one.in(language).arg(native(paths.front()), reasons.value(0));
    constexpr LocalizedText many{u"Ces images n’ont pas pu être ouvertes (%1) ; les écrans restent utilisables sans elles :",
                                 u"Не удалось открыть эти картинки (всего %1); экраны работают и без них:",
                                 u"These pictures could not be opened (%1 in all); the screens stay usable without them:"};
    QString text = many.in(language).arg(paths.size());
    for (int i = 0; i < paths.size(); ++i)
        text += QStringLiteral("\n• ") + native(paths[i]);
    return text;
}

} // namespace torvane::ui::common
