#include "ui/budget/budgetfilechooser.h"

#include "ui/budget/budgettexts.h"
#include "ui/common/errorreporter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;
namespace texts = budgettexts;

namespace {

BudgetFileChooser::Hook &hook()
{
    static BudgetFileChooser::Hook chosen;
    return chosen;
}

QString settingOf(BudgetFileChooser::Kind kind)
{
    switch (kind) {
    case BudgetFileChooser::Kind::Budget: return u"lastBudgetFolder"_s;
    case BudgetFileChooser::Kind::Workbook: return u"lastWorkbookFolder"_s;
    case BudgetFileChooser::Kind::Pdf: return u"lastPdfFolder"_s;
    case BudgetFileChooser::Kind::Csv: return u"lastCsvFolder"_s;
    }
    return {};
}

// Room left in a name of 255 bytes for a date, an ending and a copy's number.
constexpr int kMaxNameBytes = 180;

} // namespace

QString BudgetFileChooser::startFolder(Kind kind)
{
    const QString last = QSettings().value(settingOf(kind)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    // The documents folder, made when the desktop names one that is missing
    // (a fresh account); the program's own folder is never offered.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir().mkpath(documents))
        return documents;
    return QDir::homePath();
}

QString BudgetFileChooser::fileNameFrom(const QString &title)
{
    static const QString refused = u"/\\:*?\"<>|"_s;
    QString name;
    name.reserve(title.size());
    for (const QChar c : title) {
        if (refused.contains(c))
            name += u'-';
        else if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format || c == QChar(0x7f))
            name += u' ';
        else
            name += c;
    }
    name = name.simplified();
    // A leading dot hides the file; Windows drops trailing dots and blanks.
    while (name.startsWith(u'.') || name.startsWith(u' '))
        name.remove(0, 1);
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    // Whole characters only, never half a surrogate pair.
    while (name.toUtf8().size() > kMaxNameBytes) {
        name.chop(name.size() >= 2 && name.at(name.size() - 1).isLowSurrogate() ? 2 : 1);
        while (name.endsWith(u'.') || name.endsWith(u' '))
            name.chop(1);
    }
    static const QStringList devices{u"CON"_s, u"PRN"_s, u"AUX"_s, u"NUL"_s, u"COM1"_s, u"COM2"_s, u"COM3"_s, u"COM4"_s,
                                     u"COM5"_s, u"COM6"_s, u"COM7"_s, u"COM8"_s, u"COM9"_s, u"LPT1"_s, u"LPT2"_s,
                                     u"LPT3"_s, u"LPT4"_s, u"LPT5"_s, u"LPT6"_s, u"LPT7"_s, u"LPT8"_s, u"LPT9"_s};
    if (devices.contains(name.section(u'.', 0, 0).trimmed(), Qt::CaseInsensitive))
        name.prepend(u'_');
    return name;
}

QString BudgetFileChooser::choose(Kind kind, bool save, const QString &suggestedName)
{
    const QString folder = startFolder(kind);
    const QString suggested = QDir(folder).filePath(suggestedName);
    QString path;
    if (hook()) {
        path = hook()(kind, save, folder, suggested);
    } else {
        const base::Language L = common::ErrorReporter::instance().language();
        QString filter;
        switch (kind) {
        case Kind::Budget: filter = texts::kFilter.in(L); break;
        case Kind::Workbook: filter = texts::kWorkbookFilter.in(L); break;
        case Kind::Pdf: filter = texts::kPdfFilter.in(L); break;
        case Kind::Csv: filter = texts::kCsvFilter.in(L); break;
        }
        const QString title = kind == Kind::Budget ? (save ? texts::kSaveTitle : texts::kOpenTitle).in(L)
            : kind == Kind::Csv                    ? texts::kCsvTitle.in(L)
                                                   : texts::kExportTitle.in(L);
        // Qt's own dialog rather than the desktop's: it speaks the language
        // chosen in the program, not the one of the desktop session.
        QFileDialog dialog(QApplication::activeWindow(), title, folder, filter);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (save)
            dialog.selectFile(suggestedName);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().constFirst();
    }
    if (!path.isEmpty())
        QSettings().setValue(settingOf(kind), QFileInfo(path).absolutePath());
    return path;
}

void BudgetFileChooser::setForTesting(Hook chooser)
{
    hook() = std::move(chooser);
}

} // namespace torvane::ui::budget
