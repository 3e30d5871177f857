#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace torvane::ui::budget {

// Printing is a module of its own (torvane_print.so beside the program):
// Qt's print support is loaded when the user first prints, not at start-up.
struct PrintModule {
    int version;
    // Qt's print preview of the pages paint draws, printed if the user asks.
    // Returns the file printed into when the user printed to a file, else empty.
    QString (*preview)(QWidget *parent, const QString &title, const QString &documentName,
                       const std::function<void(QPagedPaintDevice &)> &paint);
};

inline constexpr int kPrintModuleVersion = 2;
inline constexpr char kPrintModuleName[] = "torvane_print";
inline constexpr char kPrintModuleEntry[] = "torvane_print_module";

} // namespace torvane::ui::budget
