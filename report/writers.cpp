#include "base/programmodule.h"
#include "report/writermodule.h"
#include "report/biffwriter.h"
#include "report/ooxmlwriter.h"

namespace torvane::report {

namespace {

const WriterModule &writerModule()
{
    const auto &module = base::programModule<WriterModule>(kWriterModuleName, kWriterModuleEntry, kWriterModuleVersion);
    if (module.workbookSize != sizeof(Workbook))
        base::refuseForeignModule(kWriterModuleName);
    return module;
}

} // namespace

QByteArray BiffWriter::write(const Workbook &book)
{
    return writerModule().writeXls(book);
}

QByteArray OoxmlWriter::write(const Workbook &book)
{
    return writerModule().writeXlsx(book);
}

} // namespace torvane::report
