#include "calc/sectionscreen.h"

#include "app/errorreporter.h"
#include "app/language.h"
#include "app/oneshottimer.h"
#include "calc/decimalformat.h"
#include "calc/tabbutton.h"
#include "report/reportexport.h"
#include "shell/code_login.h"
#include "shell/picture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace torvane::calc {

using namespace Qt::StringLiterals;

namespace {

constexpr LocalizedText kTotalCaption{u"Résultat:", u"Итог:", u"Result:"};

// Quantities longer than this cannot be valid; the limit still lets the
// ten-digit values just above the range be typed and reported.
constexpr int kQuantityMaxLength = 10;

// The whole text of a column header, which may show shortened.
constexpr char kFullText[] = "fullText";

const QString kInvalidStyle = u"QLineEdit { background: #ffe1e1; border: 1px solid #c62828; }"_s;
// Fields the user cannot type into look like text on a tinted ground.
const QString kFixedStyle = u"QLineEdit { background: #eef2f6; border: 1px solid #d3dbe3; color: #1b2b3a; }"_s;
const QString kAmountStyle = u"QLineEdit { background: #eef7f5; border: 1px solid #b9d9d3; color: #0b2545; }"_s;

// A header text in at most two lines of a given width; a longer one ends in
// an ellipsis (the whole text stays in the tooltip).
QString twoLines(const QString &text, const QFontMetrics &metrics, int width)
{
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    QString first;
    int i = 0;
    for (; i < words.size(); ++i) {
        const QString candidate = first.isEmpty() ? words[i] : first + u' ' + words[i];
        if (!first.isEmpty() && metrics.horizontalAdvance(candidate) > width)
            break;
        first = candidate;
    }
    if (i >= words.size())
        return metrics.elidedText(first, Qt::ElideRight, width);
    const QString rest = words.mid(i).join(u' ');
    return metrics.elidedText(first, Qt::ElideRight, width) + u'\n' + metrics.elidedText(rest, Qt::ElideRight, width);
}

QLabel *makeLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

} // namespace

QWidget *SectionScreen::GridCell::widget() const
{
    return box ? static_cast<QWidget *>(box) : static_cast<QWidget *>(edit);
}

// Reads the pass's inputs straight from the grid controls.
class SectionScreen::Inputs : public SectionInputs
{
public:
    explicit Inputs(const SectionScreen &screen) : m_screen(screen) {}
    int position(int tab, int row, int column) const override
    {
        const GridCell *c = m_screen.cell(tab, row, column);
        return c && c->box ? c->box->currentIndex() : -1;
    }
    QString text(int tab, int row, int column) const override
    {
        const GridCell *c = m_screen.cell(tab, row, column);
        return c && c->edit ? c->edit->text() : QString();
    }

private:
    const SectionScreen &m_screen;
};

SectionScreen::SectionScreen(const SectionCatalogue &catalogue, shell::TForm_login *login)
    : ScreenFrame(QString::fromUtf16(catalogue.screenName), login)
    , m_catalogue(catalogue)
{
    setWindowTitle(catalogue.caption.in(app::Russian));
    const int T = catalogue.tabCount();

    for (int t = 1; t <= T; ++t) {
        auto *button = new TabButton(this);
        button->setObjectName(u"Button%1"_s.arg(t));
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, [this, t] { app::guarded([&] { ButtonClick(t); }); });
        Button.append(button);
        addControl(button);
    }
    for (int t = 1; t <= T; ++t) {
        auto *box = new QScrollArea(this);
        box->setObjectName(u"ScrollBox%1"_s.arg(t));
        box->setFrameShape(QFrame::NoFrame);
        box->setWidgetResizable(true);
        auto *content = new QWidget;
        content->setObjectName(u"ScrollBox%1Content"_s.arg(t));
        content->setAutoFillBackground(true);
        QPalette palette = content->palette();
        palette.setColor(QPalette::Window, Qt::white);
        content->setPalette(palette);
        box->setWidget(content);
        box->setVisible(t == 1);
        ScrollBox.append(box);
        addControl(box);

        const TabSpec &tab = catalogue.tabs[t - 1];
        for (const GroupSpec &group : tab.groups) {
            QLabel *header = makeLabel(u"Labelzag%1%2"_s.arg(t).arg(group.number), content);
            QFont font = header->font();
            font.setPointSize(14);
            header->setFont(font);
            addControl(header);
            for (const ColumnHeader &columnHeader : group.columnHeaders) {
                QLabel *label = makeLabel(u"Label%1%2"_s.arg(t).arg(columnHeader.label), content);
                QFont bold = label->font();
                bold.setBold(true);
                label->setFont(bold);
                addControl(label);
            }
        }
        auto *subtotal = new QLineEdit(content);
        subtotal->setObjectName(u"SumEdit%1"_s.arg(t));
        subtotal->setReadOnly(true);
        subtotal->setFocusPolicy(Qt::ClickFocus);
        subtotal->setStyleSheet(kAmountStyle);
        subtotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont bold = subtotal->font();
        bold.setBold(true);
        subtotal->setFont(bold);
        SumEdit.append(subtotal);
        addControl(subtotal);
    }

    TotalsPanel = new QFrame(this);
    TotalsPanel->setObjectName(QString::fromUtf16(catalogue.totalsPanel));
    TotalsPanel->resize(170, 80);
    TotalsPanel->setAutoFillBackground(true);
    addControl(TotalsPanel);
    Label1 = makeLabel(u"Label1"_s, TotalsPanel);
    Label1->move(10, 21);
    addControl(Label1);
    Edit1 = new QLineEdit(TotalsPanel);
    Edit1->setObjectName(u"Edit1"_s);
    Edit1->setReadOnly(true);
    Edit1->setFocusPolicy(Qt::ClickFocus);
    Edit1->setStyleSheet(kAmountStyle);
    Edit1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Edit1->setGeometry(71, 18, 89, 21);
    QFont bold = Edit1->font();
    bold.setBold(true);
    Edit1->setFont(bold);
    addControl(Edit1);
    Image1 = new shell::Picture(u"Image1"_s, shell::Picture::Sizing::Auto, TotalsPanel);
    Image1->move(10, 45);
    Image1->setClickable(true);
    Image1->setFallbackSize(QSize(150, 26));
    connect(Image1, &shell::ClickableLabel::clicked, this, [this] { app::guarded([this] { Image1Click(); }); });
    addControl(Image1);

    Timer1->setInterval(catalogue.timers.layoutMs);
    Timer1->setHandler([this] { Timer1Timer(); });
    Timer2 = new app::OneShotTimer(u"Timer2"_s, catalogue.timers.localiseMs, this);
    Timer2->setHandler([this] { Timer2Timer(); });
    Timer3 = new app::OneShotTimer(u"Timer3"_s, catalogue.timers.recalcMs, this);
    Timer3->setHandler([this] { Timer3Timer(); });
    if (catalogue.timers.localiseOnAtCreation)
        Timer2->switchOn();

    FormCreate();
}

void SectionScreen::addControl(QWidget *widget)
{
    m_controls.insert(widget->objectName(), widget);
}

const SectionScreen::GridCell *SectionScreen::cell(int tab, int row, int column) const
{
    const auto it = m_cellIndex.constFind(key(tab, row, column));
    return it == m_cellIndex.cend() ? nullptr : &m_cells[*it];
}

QComboBox *SectionScreen::comboBox(int tab, int row, int column) const
{
    const GridCell *c = cell(tab, row, column);
    return c ? c->box : nullptr;
}

QLineEdit *SectionScreen::edit(int tab, int row, int column) const
{
    const GridCell *c = cell(tab, row, column);
    return c ? c->edit : nullptr;
}

int SectionScreen::currentTab() const
{
    for (int t = 0; t < ScrollBox.size(); ++t)
        if (!ScrollBox[t]->isHidden())
            return t + 1;
    return 0;
}

void SectionScreen::FormCreate()
{
    buildGrid();
    Timer1->switchOn();
    Timer2->switchOn();
}

void SectionScreen::buildGrid()
{
    // Controls are created row by row, left to right, which is also the
    // keyboard order through a tab.
    const auto validator = new QRegularExpressionValidator(QRegularExpression(u"[0-9]*"_s), this);
    for (int t = 1; t <= m_catalogue.tabCount(); ++t) {
        QWidget *content = ScrollBox[t - 1]->widget();
        for (const GroupSpec &group : m_catalogue.tabs[t - 1].groups) {
            for (int r = group.firstRow; r <= group.lastRow; ++r) {
                for (int c = 1; c <= group.columnCount(); ++c) {
                    const ColumnSpec &spec = group.columns[c - 1];
                    GridCell gridCell{t, r, c, &spec};
                    const QString name = GridName::of(spec.kind(), t, r, c);
                    if (spec.kind() == CellKind::Option) {
                        // Not editable: the priced position always matches the shown text.
                        auto *box = new QComboBox(content);
                        box->setObjectName(name);
                        box->setEditable(false);
                        box->setFocusPolicy(Qt::StrongFocus);
                        box->setCurrentIndex(-1);
                        connect(box, &QComboBox::currentIndexChanged, this, &SectionScreen::EditChange);
                        // A narrow box may cut its choice; the tooltip shows it whole.
                        connect(box, &QComboBox::currentTextChanged, box, &QWidget::setToolTip);
                        gridCell.box = box;
                    } else {
                        auto *field = new QLineEdit(content);
                        field->setObjectName(name);
                        if (spec.role == ColumnRole::Name) {
                            field->setReadOnly(true);
                            field->setFocusPolicy(Qt::ClickFocus);
                            field->setStyleSheet(kFixedStyle);
                        } else {
                            field->setValidator(validator);
                            if (spec.role == ColumnRole::Quantity)
                                field->setMaxLength(kQuantityMaxLength);
                            else
                                field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                            connect(field, &QLineEdit::textChanged, this, &SectionScreen::EditChange);
                        }
                        gridCell.edit = field;
                    }
                    m_cellIndex.insert(key(t, r, c), int(m_cells.size()));
                    m_cells.append(gridCell);
                    addControl(gridCell.widget());
                }
            }
        }
    }
}

void SectionScreen::FormShow()
{
    readLanguage();
    loadFramePictures();
    if (app::isLanguage(langin)) {
        loadNavigationPictures();
        Label1->setText(kTotalCaption.in(langin));
        Label1->adjustSize();
        setWindowTitle(m_catalogue.caption.in(langin));
        Image1->load(app::languageFolder(langin) + u"savexcel.png"_s);
        Image1->setAccessibleName(LocalizedText{u"Enregistrer en Excel", u"Сохранить в Excel", u"Save to Excel"}.in(langin));
    }
    for (QScrollArea *box : std::as_const(ScrollBox))
        box->verticalScrollBar()->setValue(0);
    Timer1->switchOn();
    Timer2->switchOn();
}

void SectionScreen::Timer1Timer()
{
    placeControls();
    const bool changed = resetGrid();
    // Every field that was not "0" reports its change, so one pass follows
    // and the figures match the emptied grid. A screen whose first layout is
    // silent keeps its total empty until the user's first change.
    const bool silent = m_layouts == 0 && m_catalogue.firstLayoutIsSilent;
    if (changed && !silent)
        Timer3->switchOn();
    ++m_layouts;
    Timer1->switchOff();
}

void SectionScreen::placeControls()
{
    ww = W() - Background2->width();
    layoutFrame();
    const int T = m_catalogue.tabCount();
    const int left = Background2->width() + 50;

    QVector<int> rows(m_catalogue.buttonRows.begin(), m_catalogue.buttonRows.end());
    if (rows.isEmpty())
        rows.append(T);
    int t = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const int width = (ww - 100) / rows[i];
        const int top = 80 - 30 * (int(rows.size()) - 1 - i);
        for (int k = 0; k < rows[i] && t < T; ++k, ++t)
            Button[t]->setGeometry(left + width * k, top, std::max(width, 0), 30);
    }

    const int boxWidth = std::max(ww - 100, 0);
    const int boxHeight = std::max(H() - 220, 0);
    for (QScrollArea *box : std::as_const(ScrollBox))
        box->setGeometry(left, 110, boxWidth, boxHeight);

    for (int tab = 1; tab <= T; ++tab) {
        const int Wt = ScrollBox[tab - 1]->width();
        const TabSpec &spec = m_catalogue.tabs[tab - 1];
        for (const GroupSpec &group : spec.groups)
            placeGroup(tab, group, Wt);
        QLineEdit *subtotal = SumEdit[tab - 1];
        subtotal->setGeometry((Wt / 4) * 3 - 50, spec.sumEditTop, Wt / 4, 25);
        QWidget *content = ScrollBox[tab - 1]->widget();
        content->setMinimumSize(0, content->childrenRect().bottom() + 20);
    }
    fitTotal();
}

void SectionScreen::placeGroup(int tab, const GroupSpec &group, int Wt)
{
    const GroupLayout &layout = group.layout;
    const int n = group.columnCount();
    const int cellMargin = layout.cellMargin ? layout.cellMargin : 65 + 10 * n;
    const int headerMargin = layout.headerMargin ? layout.headerMargin : cellMargin;
    const int w = (Wt - cellMargin) / n;
    const int h = (Wt - headerMargin) / n;
    const auto place = [&](int column, int width) -> CellPlace {
        if (layout.place)
            return layout.place(Wt, column);
        return {(width + 10) * column - width, width};
    };

    if (QWidget *header = control(u"Labelzag%1%2"_s.arg(tab).arg(group.number))) {
        header->adjustSize();
        header->move(10, layout.headerTop);
    }
    for (int k = 1; k <= int(group.columnHeaders.size()); ++k) {
        auto *label = qobject_cast<QLabel *>(control(u"Label%1%2"_s.arg(tab).arg(group.columnHeaders[k - 1].label)));
        if (!label)
            continue;
        const CellPlace at = place(k, h);
        // A header keeps its natural size unless it is wider than its column;
        // then it takes two lines, raised so that it never runs into the
        // first row, instead of running into the next header.
        const QString full = label->property(kFullText).toString();
        const int room = std::max(at.width, 20);
        const bool fits = label->fontMetrics().horizontalAdvance(full) <= room;
        label->setText(fits ? full : twoLines(full, label->fontMetrics(), room));
        label->setToolTip(fits ? QString() : full);
        label->adjustSize();
        const int rise = std::max(0, label->height() - 24);
        label->move(at.left, layout.columnHeaderTop - rise);
    }
    for (int r = group.firstRow; r <= group.lastRow; ++r) {
        for (int c = 1; c <= n; ++c) {
            const GridCell *gridCell = cell(tab, r, c);
            if (!gridCell)
                continue;
            const CellPlace at = place(c, w);
            gridCell->widget()->setGeometry(at.left, 35 * r + layout.rowBase, std::max(at.width, 0), 25);
        }
    }
}

bool SectionScreen::resetGrid()
{
    bool changed = false;
    for (const GridCell &gridCell : std::as_const(m_cells)) {
        const QSignalBlocker blocker(gridCell.widget());
        if (gridCell.box) {
            changed |= gridCell.box->currentIndex() != -1;
            gridCell.box->setCurrentIndex(-1);
        } else if (gridCell.spec->role != ColumnRole::Name) {
            // Names of fixed rows are written by localisation, never reset to "0".
            changed |= gridCell.edit->text() != u"0"_s;
            gridCell.edit->setText(u"0"_s);
        }
    }
    for (QLineEdit *subtotal : std::as_const(SumEdit))
        subtotal->setText(u"0"_s);
    clearMarks();
    m_invalid = false;
    m_lastFailure.clear();
    return changed;
}

void SectionScreen::Timer2Timer()
{
    // A layout that falls due together with localisation runs first, so it
    // can never overwrite localised texts.
    if (Timer1->isOn())
        Timer1->fireNow();
    if (localise())
        Timer3->switchOn(); // an emptied box must not leave its old amount standing
    Timer2->switchOff();
}

bool SectionScreen::localise()
{
    if (!app::isLanguage(langin))
        return false;
    const int L = langin;
    bool selectionLost = false;
    for (int t = 1; t <= m_catalogue.tabCount(); ++t) {
        const TabSpec &tab = m_catalogue.tabs[t - 1];
        Button[t - 1]->setText(tab.title.in(L));
        Button[t - 1]->setToolTip(tab.title.in(L));
        for (const GroupSpec &group : tab.groups) {
            if (auto *header = qobject_cast<QLabel *>(control(u"Labelzag%1%2"_s.arg(t).arg(group.number))))
                header->setText(group.header.in(L));
            for (const ColumnHeader &columnHeader : group.columnHeaders)
                if (auto *label = qobject_cast<QLabel *>(control(u"Label%1%2"_s.arg(t).arg(columnHeader.label)))) {
                    label->setProperty(kFullText, columnHeader.text.in(L));
                    label->setText(columnHeader.text.in(L));
                }
            for (int r = group.firstRow; r <= group.lastRow; ++r) {
                for (int c = 1; c <= group.columnCount(); ++c) {
                    const GridCell *gridCell = cell(t, r, c);
                    const ColumnSpec &spec = group.columns[c - 1];
                    const QString columnName = c <= int(group.columnHeaders.size()) ? group.columnHeaders[c - 1].text.in(L) : QString();
                    gridCell->widget()->setAccessibleName(u"%1, %2 %3"_s.arg(columnName, tab.title.in(L)).arg(r));
                    if (gridCell->box) {
                        QComboBox *box = gridCell->box;
                        const QSignalBlocker blocker(box);
                        selectionLost |= box->currentIndex() != -1;
                        box->clear();
                        const OptionList options = spec.optionsOfRow ? spec.optionsOfRow(r) : spec.options;
                        int widest = box->width();
                        for (const LocalizedText &option : options) {
                            box->addItem(option.in(L));
                            widest = std::max(widest, box->fontMetrics().horizontalAdvance(option.in(L)) + 40);
                        }
                        // Qt selects the first item of a filled box on its own: undo that.
                        box->setCurrentIndex(-1);
                        box->view()->setMinimumWidth(widest);
                    } else if (spec.role == ColumnRole::Name && spec.nameOfRow) {
                        const QSignalBlocker blocker(gridCell->edit);
                        gridCell->edit->setText(spec.nameOfRow(r).in(L));
                        gridCell->edit->setCursorPosition(0);
                        gridCell->edit->setToolTip(gridCell->edit->text());
                    }
                }
            }
        }
    }
    placeControls(); // headers took new texts
    return selectionLost;
}

void SectionScreen::EditChange()
{
    Timer3->switchOn();
}

void SectionScreen::Timer3Timer()
{
    ++m_passes;
    const PassResult result = recalculate(m_catalogue, Inputs(*this), DecimalFormat::regional());
    if (const auto *figures = std::get_if<SectionFigures>(&result)) {
        writeFigures(*figures);
        clearMarks();
        m_invalid = false;
        m_lastFailure.clear();
    } else {
        const PassFailure &failure = std::get<PassFailure>(result);
        markInvalid(failure);
        m_invalid = true;
        // One report per offending text; a further edit elsewhere does not repeat it.
        const CellRef &first = failure.cells.front();
        const QString key = u"%1/%2"_s.arg(GridName::of(CellKind::Number, first.tab, first.row, first.column), failure.text);
        if (key != m_lastFailure)
            app::ErrorReporter::instance().report(failure.message);
        m_lastFailure = key;
        m_failureText = failure.text;
    }
    Timer3->switchOff();
}

void SectionScreen::writeFigures(const SectionFigures &figures)
{
    for (const RowFigure &row : figures.rows) {
        if (QLineEdit *field = edit(row.cell.tab, row.cell.row, row.cell.column)) {
            const QSignalBlocker blocker(field);
            field->setText(row.text);
        }
    }
    for (int t = 0; t < figures.subtotals.size() && t < SumEdit.size(); ++t)
        SumEdit[t]->setText(figures.subtotals[t]);
    Edit1->setText(figures.total);
    fitTotal();
}

void SectionScreen::markInvalid(const PassFailure &failure)
{
    clearMarks();
    for (const CellRef &ref : failure.cells) {
        if (QLineEdit *field = edit(ref.tab, ref.row, ref.column)) {
            field->setStyleSheet(kInvalidStyle);
            field->setToolTip(failure.message);
            m_marked.append(field);
        }
    }
}

void SectionScreen::clearMarks()
{
    for (QLineEdit *field : std::as_const(m_marked)) {
        field->setStyleSheet(QString());
        field->setToolTip(QString());
    }
    m_marked.clear();
}

void SectionScreen::fitTotal()
{
    // The total is never shown clipped: the panel grows to the left for long amounts.
    const int needed = Edit1->fontMetrics().horizontalAdvance(Edit1->text()) + 14;
    const int extra = std::max(0, needed - 89);
    Edit1->resize(89 + extra, 21);
    TotalsPanel->resize(170 + extra, 80);
    QScrollArea *first = ScrollBox.front();
    TotalsPanel->move(first->x() + first->width() - TotalsPanel->width(), first->y() + first->height() + 15);
}

void SectionScreen::ButtonClick(int tab)
{
    for (int t = 1; t <= ScrollBox.size(); ++t)
        ScrollBox[t - 1]->setVisible(t == tab);
}

void SectionScreen::Image1Click()
{
    // The report shows what the figures are now, never a pending or failed pass.
    Timer3->fireNow();
    if (m_invalid) {
        app::ErrorReporter::instance().report(
            u"The report was not saved: the quantity '%1' is not valid. Correct the marked field first."_s.arg(m_failureText));
        return;
    }
    report::exportSection(reportPlanOf(m_catalogue), *this);
}

QString SectionScreen::caption() const
{
    return windowTitle();
}

QString SectionScreen::controlText(const QString &name) const
{
    QWidget *widget = control(name);
    if (const QVariant full = widget ? widget->property(kFullText) : QVariant(); full.isValid())
        return full.toString();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QPushButton *>(widget))
        return button->text();
    if (auto *field = qobject_cast<QLineEdit *>(widget))
        return field->text();
    if (auto *box = qobject_cast<QComboBox *>(widget))
        return box->currentText();
    return {};
}

QString SectionScreen::cellText(int tab, int row, int column) const
{
    const GridCell *c = cell(tab, row, column);
    if (!c)
        return {};
    return c->box ? c->box->currentText() : c->edit->text();
}

} // namespace torvane::calc
