#include "ui/budget/printpreview.h"

#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

QString preview(QWidget *parent, const QString &title, const QString &documentName,
                const std::function<void(QPagedPaintDevice &)> &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(documentName);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter *target) { paint(*target); });
    // The preview closes itself accepted once it has printed.
    const bool printed = dialog.exec() == QDialog::Accepted;
    if (printed && printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return QFileInfo(printer.outputFileName()).absoluteFilePath();
    return {};
}

} // namespace

extern "C" __attribute__((visibility("default"))) const torvane::ui::budget::PrintModule *torvane_print_module()
{
    static const torvane::ui::budget::PrintModule module{torvane::ui::budget::kPrintModuleVersion, &preview};
    return &module;
}
