#include "ui/common/messages.h"

#include "base/localizedtext.h"

#include <QDir>
#include <QFileInfo>

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
    return {};
}

WrittenFile writtenReport(const report::ExportOutcome &outcome, base::Language language)
{
    WrittenFile file;
    file.path = outcome.path;
    file.shown = outcome.opened ? WrittenFile::Shown::Opened
        : outcome.viewerMissing ? WrittenFile::Shown::NoViewer
                                : WrittenFile::Shown::NotOpened;
    if (outcome.inDocuments) {
        constexpr LocalizedText text{u"Le dossier du programme est protégé en écriture ; le rapport est allé dans vos documents.",
                                     u"Папка программы защищена от записи, поэтому отчёт сохранён в ваших документах.",
                                     u"The program's folder cannot be written to, so the report went to your documents."};
        file.note = text.in(language);
    }
    return file;
}

QString writtenFile(const WrittenFile &file, base::Language language)
{
    const QFileInfo info(file.path);
    constexpr LocalizedText saved{u"« %1 » a été enregistré dans le dossier « %2 ».",
                                  u"Файл «%1» сохранён в папке «%2».",
                                  u"“%1” was saved in the folder “%2”."};
    QStringList parts;
    if (!file.note.isEmpty())
        parts << file.note;
    parts << saved.in(language).arg(info.fileName(), native(info.absolutePath()));
    switch (file.shown) {
    case WrittenFile::Shown::NotAsked:
    case WrittenFile::Shown::Opened: break;
    case WrittenFile::Shown::NoViewer: {
        constexpr LocalizedText text{u"Il n’a pas pu être ouvert : aucun programme de ce bureau ne sait afficher ce type de fichier.",
                                     u"Открыть его не удалось: на этом компьютере нет программы для файлов этого типа.",
                                     u"It could not be opened: no program on this desktop can show this kind of file."};
        parts << text.in(language);
        break;
    }
    case WrittenFile::Shown::NotOpened: {
        constexpr LocalizedText text{u"Il n’a pas pu être ouvert.", u"Открыть его не удалось.", u"It could not be opened."};
        parts << text.in(language);
        break;
    }
    case WrittenFile::Shown::FolderNotShown: {
        constexpr LocalizedText text{u"Le dossier n’a pas pu être affiché dans un gestionnaire de fichiers.",
                                     u"Показать папку в файловом менеджере не удалось.",
                                     u"The folder could not be shown in a file manager."};
        parts << text.in(language);
        break;
    }
    }
    return parts.join(u' ');
}

QString openWord(base::Language language)
{
    constexpr LocalizedText text{u"Ouvrir", u"Открыть", u"Open"};
    return text.in(language);
}

QString showInFolderWord(base::Language language)
{
    constexpr LocalizedText text{u"Afficher dans le dossier", u"Показать в папке", u"Show in folder"};
    return text.in(language);
}

QString closeWord(base::Language language)
{
    constexpr LocalizedText text{u"Fermer", u"Закрыть", u"Close"};
    return text.in(language);
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
