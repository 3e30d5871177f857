// Writes the reference workbook shipped beside the program: one sheet per
// section with every price it applies, in French, Russian and English,
// formatted like the reports. Made from the catalogues at build time, so it
// can never disagree with them.
//
//   torvane-spravgen OUTPUT.xlsx

#include "model/catalogue.h"
#include "model/sectionlist.h"
#include "report/builtinhost.h"
#include "report/hostconstants.h"
#include "report/workbook.h"

#include <QCoreApplication>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace torvane;

namespace {

QString cell(int column, int row)
{
    return report::cellName(row, column);
}

QString allLanguages(const base::LocalizedText &text)
{
    using base::Language;
    return text.in(Language::French) + u" / "_s + text.in(Language::Russian) + u" / "_s + text.in(Language::English);
}

QString withDetail(const model::PriceLine &line, base::Language language)
{
    const QString item = line.item.in(language).trimmed();
    const QString detail = line.detail.in(language);
    return detail.isEmpty() ? item : item + u" — "_s + detail;
}

// Writes a section's prices; returns the row of the column headers.
int writeSection(report::HostWorksheet &sheet, const model::SectionCatalogue &catalogue, QStringList &names)
{
    names << report::sheetNameOf(catalogue.caption.in(base::Language::English), names);
    sheet.setName(names.back());
    enum { B = 2, C, D, E };
    int q = 2;
    sheet.Cells(q, B, allLanguages(catalogue.caption));
    auto title = sheet.Range(cell(B, q) + u':' + cell(E, q));
    title->Merge();
    title->Font().setBold(true);
    title->setHorizontalAlignment(report::kAlignCentre);
    title->Borders().setLineStyle(report::kLineContinuous);
    ++q;
    const int headerRow = q;
    sheet.Cells(q, B, u"Français"_s);
    sheet.Cells(q, C, u"Русский"_s);
    sheet.Cells(q, D, u"English"_s);
    sheet.Cells(q, E, u"Prix, tenge / Цена, тенге / Price, tenge"_s);
    sheet.Range(cell(B, q) + u':' + cell(E, q))->Font().setBold(true);
    ++q;
    QString group;
    for (const model::PriceLine &line : catalogue.priceList()) {
        if (allLanguages(line.group) != group) {
            group = allLanguages(line.group);
            for (const base::Language language : base::kLanguages)
                sheet.Cells(q, B + base::codeOf(language), line.group.in(language).trimmed());
            sheet.Range(cell(B, q) + u':' + cell(E, q))->Font().setBold(true);
            ++q;
        }
        for (const base::Language language : base::kLanguages)
            sheet.Cells(q, B + base::codeOf(language), withDetail(line, language));
        sheet.Cells(q, E, QString::number(line.price));
        ++q;
    }
    auto block = sheet.Range(cell(B, headerRow - 1) + u':' + cell(E, q - 1));
    block->setWrapText(true);
    block->setVerticalAlignment(report::kAlignMiddle);
    sheet.Range(cell(B, headerRow) + u':' + cell(E, q - 1))->Borders().setLineStyle(report::kLineContinuous);
    return headerRow;
}

// Each column as wide as its longest text, up to a width that still reads
// as a column; longer texts wrap. The title and the header stay in view.
constexpr double kNarrowest = 10;
constexpr double kWidest = 60;

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: torvane-spravgen OUTPUT.xlsx\n");
        return 2;
    }
    try {
        report::BuiltinWorkbook book;
        QStringList names;
        for (const model::SectionCatalogue *catalogue : model::allCatalogues()) {
            if (!catalogue->priceList)
                continue;
            const int headerRow = writeSection(names.isEmpty() ? book.WorkSheets(1) : book.addWorkSheet(), *catalogue, names);
            report::Sheet &sheet = book.model().sheets.back();
            report::fitColumnWidths(sheet, kNarrowest, kWidest);
            sheet.frozenRows = headerRow;
        }
        book.SaveAs(QString::fromLocal8Bit(argv[1]));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "torvane-spravgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
