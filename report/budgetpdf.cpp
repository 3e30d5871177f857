#include "report/budgetpdf.h"

#include "base/localizedtext.h"
#include "base/amountformat.h"
#include "report/budgetwords.h"
#include "report/budgetchart.h"
#include "model/followupmodel.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <vector>

namespace torvane::report {

using namespace Qt::StringLiterals;
using base::LocalizedText;
using namespace words;

namespace {

constexpr LocalizedText kSum{u"Somme", u"Сумма", u"Sum"};
constexpr LocalizedText kSubtotal{u"Sous-total : %1", u"Подытог: %1", u"Subtotal: %1"};
constexpr LocalizedText kSectionTotal{u"Total de la section", u"Итого по разделу", u"Section total"};
constexpr LocalizedText kPdfFailed{u"le document PDF n'a pas pu être produit",
                                   u"не удалось создать документ PDF",
                                   u"the PDF document could not be produced"};

// DejaVu Sans carries Latin with accents, Cyrillic and the tenge sign.
const QString kFamily = u"DejaVu Sans"_s;

namespace Pdf {
struct Column {
    qreal share; // of the table width
    Qt::Alignment align;
};
} // namespace Pdf

enum class RowLook { Plain, Header, Band, Strong, Detail };

// What a row may ask beyond its look.
struct RowOptions {
    int redColumn = -1;    // a figure that passes the estimate
    bool underline = true; // false: the next row (its detail) belongs to it
};

// A note longer than this is cut in print; the workbook and the CSV hold it whole.
constexpr qsizetype kNoteInPrint = 300;

// Lays the document out page by page; painting is off on the first run,
// which only counts the pages.
class Pages
{
public:
    Pages(QPagedPaintDevice &device, QPainter *painter, const BudgetReport &d, int total)
        : m_device(device), m_painter(painter), m_d(d), m_total(total)
    {
        m_unit = device.logicalDpiY() / 72.0;
        m_width = device.width();
        m_height = device.height();
        m_body = font(9);
        m_bold = font(9, true);
        m_small = font(8);
        m_heading = font(13, true);
        m_top = pt(28);
        m_bottom = m_height - pt(22);
        startPage();
    }

    int count() const { return m_page; }

    void run()
    {
        summary();
        chart();
        followUp();
        for (int i = 0; i < m_d.sections.size(); ++i)
            if (!m_d.sections[i].empty)
                section(m_d.sections[i]);
    }

private:
    qreal pt(qreal points) const { return points * m_unit; }

    QFont font(qreal points, bool bold = false) const
    {
        QFont f(kFamily);
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }
    QFontMetricsF metrics(const QFont &f) const { return QFontMetricsF(f, &m_device); }

    QString lang(const LocalizedText &text) const { return text.in(m_d.language); }

    void startPage()
    {
        m_y = m_top;
        if (!m_painter)
            return;
        QPainter &p = *m_painter;
        p.setPen(Qt::black);
        p.setFont(m_bold);
        const qreal line = metrics(m_bold).height();
        const QString date = base::localeOf(m_d.language).toString(m_d.date, QLocale::ShortFormat);
        const qreal dateWidth = metrics(m_small).horizontalAdvance(date) + pt(8);
        p.drawText(QRectF(0, 0, m_width - dateWidth, line), Qt::AlignLeft | Qt::AlignVCenter,
                   metrics(m_bold).elidedText(m_d.title, Qt::ElideRight, m_width - dateWidth));
        p.setFont(m_small);
        p.drawText(QRectF(m_width - dateWidth, 0, dateWidth, line), Qt::AlignRight | Qt::AlignVCenter, date);
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), pt(0.5)));
        p.drawLine(QPointF(0, line + pt(4)), QPointF(m_width, line + pt(4)));
        p.setPen(Qt::black);
        p.drawText(QRectF(0, m_height - metrics(m_small).height(), m_width, metrics(m_small).height()),
                   Qt::AlignHCenter | Qt::AlignBottom, u"%1 / %2"_s.arg(m_page).arg(m_total));
    }

    void newPage()
    {
        if (m_painter)
            m_device.newPage();
        ++m_page;
        startPage();
    }

    bool fits(qreal height) const { return m_y + height <= m_bottom; }

    const QFont &fontOf(RowLook look) const
    {
        return look == RowLook::Plain ? m_body : look == RowLook::Detail ? m_small : m_bold;
    }

    qreal rowHeight(const std::vector<Pdf::Column> &columns, const QStringList &texts, RowLook look) const
    {
        const QFont &f = fontOf(look);
        const QFontMetricsF m = metrics(f);
        qreal height = m.height();
        if (look == RowLook::Band)
            return height + pt(6);
        for (std::size_t c = 0; c < columns.size() && c < std::size_t(texts.size()); ++c) {
            const QRectF room(0, 0, columns[c].share * m_width - pt(6), 1e6);
            height = std::max(height, m.boundingRect(room, Qt::TextWordWrap | columns[c].align, texts[int(c)]).height());
        }
        return height + (look == RowLook::Detail ? pt(3) : pt(6));
    }

    void paintRow(const std::vector<Pdf::Column> &columns, const QStringList &texts, RowLook look, qreal height,
                  const RowOptions &options = {})
    {
        if (!m_painter)
            return;
        QPainter &p = *m_painter;
        const QRectF whole(0, m_y, m_width, height);
        if (look == RowLook::Header)
            p.fillRect(whole, QColor(0xdd, 0xe4, 0xee));
        else if (look == RowLook::Band)
            p.fillRect(whole, QColor(0xf0, 0xf0, 0xf0));
        else if (look == RowLook::Strong)
            p.fillRect(whole, QColor(0xf6, 0xf3, 0xe4));
        p.setFont(fontOf(look));
        const QColor ink = look == RowLook::Detail ? QColor(0x40, 0x40, 0x40) : QColor(Qt::black);
        p.setPen(ink);
        if (look == RowLook::Band) {
            p.drawText(whole.adjusted(pt(3), 0, -pt(3), 0), Qt::AlignLeft | Qt::AlignVCenter,
                       metrics(m_bold).elidedText(texts.value(0), Qt::ElideRight, m_width - pt(6)));
        } else {
            const qreal top = look == RowLook::Detail ? 0 : pt(3);
            qreal x = 0;
            for (std::size_t c = 0; c < columns.size(); ++c) {
                const qreal w = columns[c].share * m_width;
                p.setPen(int(c) == options.redColumn ? QColor(0xb7, 0x1c, 0x1c) : ink);
                p.drawText(QRectF(x + pt(3), m_y + top, w - pt(6), height - pt(3) - top),
                           Qt::TextWordWrap | columns[c].align, texts.value(int(c)));
                x += w;
            }
        }
        if (options.underline) {
            p.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), pt(0.4)));
            p.drawLine(whole.bottomLeft(), whole.bottomRight());
        }
    }

    // A row of a table whose header goes again at the top of every page it reaches.
    void tableRow(const std::vector<Pdf::Column> &columns, const QStringList &header, const QStringList &texts, RowLook look,
                  qreal keepWithNext = 0, const RowOptions &options = {})
    {
        const qreal height = rowHeight(columns, texts, look);
        if (!fits(height + keepWithNext)) {
            newPage();
            const qreal h = rowHeight(columns, header, RowLook::Header);
            paintRow(columns, header, RowLook::Header, h);
            m_y += h;
        }
        paintRow(columns, texts, look, height, options);
        m_y += height;
    }

    void heading(const QString &left, const QString &right, qreal keepWithNext)
    {
        const qreal height = metrics(m_heading).height() + pt(8);
        if (m_y > m_top)
            m_y += pt(10);
        if (!fits(height + keepWithNext))
            newPage();
        if (m_painter) {
            QPainter &p = *m_painter;
            p.setFont(m_heading);
            p.setPen(Qt::black);
            const qreal rightWidth = metrics(m_heading).horizontalAdvance(right);
            p.drawText(QRectF(0, m_y, m_width - rightWidth - pt(10), height), Qt::AlignLeft | Qt::AlignVCenter,
                       metrics(m_heading).elidedText(left, Qt::ElideRight, m_width - rightWidth - pt(10)));
            p.drawText(QRectF(0, m_y, m_width, height), Qt::AlignRight | Qt::AlignVCenter, right);
        }
        m_y += height;
    }

    void tableHeader(const std::vector<Pdf::Column> &columns, const QStringList &header)
    {
        const qreal h = rowHeight(columns, header, RowLook::Header);
        paintRow(columns, header, RowLook::Header, h);
        m_y += h;
    }

    QString header(model::FollowUpModel::Column column) const { return m_d.followUp.headers.value(column); }

    void summary()
    {
        using Column = model::FollowUpModel::Column;
        const base::Language l = m_d.language;
        // With what arrived since the estimate, amounts stand under headers
        // that name their unit.
        const bool followed = m_d.hasFollowUpFigures();
        const auto money = [&](const std::optional<qint64> &tiyn) {
            return !tiyn ? QString() : followed ? tiynText(*tiyn, l) : tiynAmount(*tiyn, l);
        };
        const std::vector<Pdf::Column> columns = followed
            ? std::vector<Pdf::Column>{{0.33, Qt::AlignLeft}, {0.16, Qt::AlignRight}, {0.09, Qt::AlignRight},
                                  {0.14, Qt::AlignRight}, {0.14, Qt::AlignRight}, {0.14, Qt::AlignRight}}
            : std::vector<Pdf::Column>{{0.62, Qt::AlignLeft}, {0.24, Qt::AlignRight}, {0.14, Qt::AlignRight}};
        const QStringList head = followed
            ? QStringList{lang(kSection), header(Column::EstimateColumn), lang(kShare), header(Column::ActualColumn),
                          header(Column::PaidColumn), header(Column::VarianceColumn)}
            : QStringList{lang(kSection), lang(kTotal), lang(kShare)};
        const auto row = [&](const QString &name, const std::optional<qint64> &estimate, const QString &share,
                             const FollowUpFigures &figures) {
            QStringList texts{name, money(estimate), share};
            if (followed)
                texts << money(figures.actual) << money(figures.paid) << money(figures.variance);
            return texts;
        };
        const auto over = [](const FollowUpFigures &figures) { return figures.variance.value_or(0) > 0 ? 5 : -1; };
        heading(lang(kSummary), tiynAmount(m_d.grandTotalTiyn, l), rowHeight(columns, head, RowLook::Header) * 2);
        tableHeader(columns, head);
        for (const BudgetSummaryRow &s : m_d.summary)
            tableRow(columns, head, row(s.caption, s.estimateTiyn, shareText(s.shareTenths, l), s.figures), RowLook::Plain, 0,
                     {over(s.figures)});
        const FollowUpFigures total = m_d.followUp.rows.isEmpty() ? FollowUpFigures{} : m_d.followUp.rows.back().figures;
        tableRow(columns, head, row(lang(kEstimateTotal), m_d.estimateTiyn, shareText(1000, l), total), RowLook::Strong, 0,
                 {over(total)});
        tableRow(columns, head,
                 row(lang(kContingencyOf).arg(shareText(m_d.contingencyTenths, l)), m_d.contingency * 100, {}, {}),
                 RowLook::Plain);
        tableRow(columns, head, row(lang(kGrandTotal), m_d.grandTotalTiyn, {}, {}), RowLook::Strong);
        if (m_d.hasCurrencyLine()) {
            const std::vector<Pdf::Column> line{{0.62, Qt::AlignLeft}, {0.38, Qt::AlignRight}};
            tableRow(line, head,
                     {lang(kCurrencyLine).arg(m_d.currencyCode, m_d.currencyRateText),
                      currencyAmount(m_d.currencyHundredths, m_d.currencyCode, l)},
                     RowLook::Plain);
        }
    }

    void chart()
    {
        const bool compared = m_d.hasActualAmounts();
        qsizetype lines = 0;
        for (const BudgetSummaryRow &row : m_d.summary)
            lines += !compared || row.estimateTiyn > 0 || row.figures.actual;
        const qreal height = pt(compared ? 24 : 20) * std::max<qsizetype>(1, lines) + (compared ? pt(16) : 0);
        heading(lang(compared ? kChartCompared : kChart), QString(), height);
        if (m_painter) {
            m_painter->setFont(m_body);
            BudgetChart().paint(*m_painter, QRectF(0, m_y + pt(4), m_width, height), m_d);
        }
        m_y += height + pt(4);
    }

    // The budget line by line: each section's lines under its name, each
    // line with what it is and its figures, then a smaller line with its
    // choices, supplier, due date and note; the section's subtotal; the
    // budget's total last.
    void followUp()
    {
        using Column = model::FollowUpModel::Column;
        const FollowUpTable &table = m_d.followUp;
        if (!m_d.hasFollowUpLines())
            return;
        const std::vector<Pdf::Column> columns{{0.32, Qt::AlignLeft},  {0.136, Qt::AlignRight}, {0.136, Qt::AlignRight},
                                               {0.136, Qt::AlignRight}, {0.136, Qt::AlignRight}, {0.136, Qt::AlignRight}};
        const std::vector<Pdf::Column> detail{{1.0, Qt::AlignLeft}};
        const QStringList head{header(Column::ItemColumn),     header(Column::EstimateColumn), header(Column::ActualColumn),
                               header(Column::VarianceColumn), header(Column::PaidColumn),     header(Column::ToPayColumn)};
        const auto mainTexts = [](const FollowUpRowData &row) {
            return QStringList{row.texts.value(Column::ItemColumn),     row.texts.value(Column::EstimateColumn),
                               row.texts.value(Column::ActualColumn),   row.texts.value(Column::VarianceColumn),
                               row.texts.value(Column::PaidColumn),     row.texts.value(Column::ToPayColumn)};
        };
        const auto detailOf = [&](const FollowUpRowData &row) {
            QStringList parts;
            if (const QString choices = row.texts.value(Column::ChoicesColumn); !choices.isEmpty())
                parts << choices;
            for (const Column c : {Column::SupplierColumn, Column::DueColumn, Column::NoteColumn}) {
                QString text = row.texts.value(c);
                if (text.isEmpty())
                    continue;
                if (c == Column::NoteColumn && text.size() > kNoteInPrint)
                    text = text.left(kNoteInPrint).trimmed() + u'…';
                parts << header(c) + u": "_s + text;
            }
            return parts.join(u" — "_s);
        };
        const qreal headerHeight = rowHeight(columns, head, RowLook::Header);
        heading(lang(kFollowUp), QString(), headerHeight * 3);
        tableHeader(columns, head);
        QString section;
        for (int i = 0; i < table.rows.size(); ++i) {
            const FollowUpRowData &row = table.rows[i];
            const RowOptions red{row.overEstimate ? 3 : -1, true};
            if (row.kind != FollowUpRowData::Kind::Line) {
                tableRow(columns, head, mainTexts(row), RowLook::Strong, 0, red);
                section.clear();
                continue;
            }
            const QString more = detailOf(row);
            const qreal moreHeight = more.isEmpty() ? 0 : rowHeight(detail, {more}, RowLook::Detail);
            const qreal own = rowHeight(columns, mainTexts(row), RowLook::Plain) + moreHeight;
            if (const QString name = row.texts.value(Column::SectionColumn); name != section) {
                section = name;
                tableRow(columns, head, {name}, RowLook::Band, own);
            }
            tableRow(columns, head, mainTexts(row), RowLook::Plain, moreHeight, {red.redColumn, more.isEmpty()});
            if (!more.isEmpty())
                tableRow(detail, head, {more}, RowLook::Detail);
        }
    }

    void section(const BudgetSectionData &s)
    {
        using Column = model::FollowUpModel::Column;
        const base::Language l = m_d.language;
        const std::vector<Pdf::Column> columns{{0.30, Qt::AlignLeft}, {0.50, Qt::AlignLeft}, {0.20, Qt::AlignRight}};
        const QStringList head{header(Column::ItemColumn), header(Column::ChoicesColumn), lang(kSum)};
        const qreal headerHeight = rowHeight(columns, head, RowLook::Header);
        heading(s.caption, tengeAmount(s.total, l), headerHeight * 3);
        tableHeader(columns, head);
        for (const BudgetTabData &tab : s.tabs) {
            const qreal first = tab.rows.isEmpty() ? 0 : rowHeight(columns, rowTexts(tab.rows.front(), l), RowLook::Plain);
            tableRow(columns, head, {tab.title}, RowLook::Band, first);
            for (const BudgetRowData &row : tab.rows)
                tableRow(columns, head, rowTexts(row, l), RowLook::Plain);
            tableRow(columns, head, {QString(), lang(kSubtotal).arg(tab.title), groupedAmountText(tab.subtotal, l)},
                     RowLook::Strong);
        }
        tableRow(columns, head, {lang(kSectionTotal), QString(), groupedAmountText(s.totalText, l)}, RowLook::Strong);
    }

    static QStringList rowTexts(const BudgetRowData &row, base::Language language)
    {
        return {row.item, row.choices, groupedAmountText(row.sum, language)};
    }

    QPagedPaintDevice &m_device;
    QPainter *m_painter;
    const BudgetReport &m_d;
    int m_total;
    int m_page = 1;
    qreal m_unit = 1, m_width = 0, m_height = 0, m_top = 0, m_bottom = 0, m_y = 0;
    QFont m_body, m_bold, m_small, m_heading;
};

} // namespace

void paintBudget(QPagedPaintDevice &device, const BudgetReport &document)
{
    Pages counting(device, nullptr, document, 0);
    counting.run();
    QPainter painter;
    if (!painter.begin(&device))
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    Pages pages(device, &painter, document, counting.count());
    pages.run();
    painter.end();
}

BudgetWriteResult writeBudgetPdf(const BudgetReport &document, const QString &path)
{
    BudgetWriteResult result;
    result.path = path;
    if (const BudgetWriteResult allowed = mayWrite(document, path); !allowed.ok())
        return allowed;
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter));
        writer.setTitle(document.title);
        writer.setCreator(u"Torvane"_s);
        paintBudget(writer, document);
    }
    if (bytes.isEmpty()) {
        result.reason = kPdfFailed.in(document.language);
        return result;
    }
    return saveWhole(path, bytes);
}

} // namespace torvane::report
