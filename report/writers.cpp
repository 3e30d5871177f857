#include "report/writermodule.h"
#include "report/xlswriter.h"
#include "report/xlsxwriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <mutex>
#include <stdexcept>

namespace torvane::report {

using namespace Qt::StringLiterals;

namespace {

// The module sits beside the running program, like its pictures.
QString programFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

const WriterModule &writerModule()
{
    static std::mutex guard;
    static const WriterModule *loaded = nullptr;
    const std::lock_guard lock(guard);
    if (loaded)
        return *loaded;
    QLibrary library(programFolder() + u'/' + QLatin1StringView(kWriterModuleName) + u".so"_s);
    library.setLoadHints(QLibrary::PreventUnloadHint);
    using Entry = const WriterModule *(*)();
    const auto entry = reinterpret_cast<Entry>(library.resolve(kWriterModuleEntry));
    const WriterModule *module = entry ? entry() : nullptr;
    if (!module)
        throw std::runtime_error("the spreadsheet writers could not be loaded: " + library.errorString().toStdString());
    if (module->version != kWriterModuleVersion || module->workbookSize != sizeof(Workbook))
        throw std::runtime_error("the spreadsheet writers in " + library.fileName().toStdString()
                                 + " belong to another version of the program");
    loaded = module; // a failure is tried again on the next export
    return *loaded;
}

} // namespace

QByteArray XlsWriter::write(const Workbook &book)
{
    return writerModule().writeXls(book);
}

QByteArray XlsxWriter::write(const Workbook &book)
{
    return writerModule().writeXlsx(book);
}

} // namespace torvane::report
