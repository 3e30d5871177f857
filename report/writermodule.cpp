#include "report/writermodule.h"

extern "C" __attribute__((visibility("default"))) const torvane::report::WriterModule *torvane_writer_module()
{
    static const torvane::report::WriterModule module{torvane::report::kWriterModuleVersion, sizeof(torvane::report::Workbook),
                                                      &torvane::report::writeXlsBytes, &torvane::report::writeXlsxBytes};
    return &module;
}
