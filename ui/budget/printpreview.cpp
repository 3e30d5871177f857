#include "ui/budget/printpreview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

void preview(QWidget *parent, const QString &title, const QString &documentName,
             const std::function<void(QPagedPaintDevice &)> &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(documentName);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter *target) { paint(*target); });
    dialog.exec();
}

} // namespace

extern "C" __attribute__((visibility("default"))) const torvane::ui::budget::PrintModule *torvane_print_module()
{
    static const torvane::ui::budget::PrintModule module{torvane::ui::budget::kPrintModuleVersion, &preview};
    return &module;
}
