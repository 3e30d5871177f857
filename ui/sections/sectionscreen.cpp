#include "ui/sections/sectionscreen.h"

#include "base/language.h"
#include "base/pictures.h"
#include "model/passmessages.h"
#include "model/reportplan.h"
#include "report/reportexport.h"
#include "report/sectionsource.h"
#include "ui/common/budgeteditor.h"
#include "ui/common/errorreporter.h"
#include "ui/common/flatfield.h"
#include "ui/common/messages.h"
#include "ui/common/oneshottimer.h"
#include "ui/common/ownundoblocker.h"
#include "ui/sections/sectiongridview.h"
#include "ui/common/picture.h"
#include "ui/sections/tabbutton.h"
#include "ui/sections/waitingoptions.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>

namespace torvane::ui::sections {

using namespace Qt::StringLiterals;
using namespace model;

namespace {

constexpr base::LocalizedText kTotalCaption{u"Résultat:", u"Итог:", u"Result:"};
constexpr base::LocalizedText kClearSection{u"Effacer la section", u"Очистить раздел", u"Clear section"};
constexpr base::LocalizedText kClearQuestion{u"Effacer tout ce qui a été saisi dans « %1 » ?",
                                             u"Удалить всё, что введено в разделе «%1»?",
                                             u"Clear everything entered in “%1”?"};
constexpr base::LocalizedText kFollowUpToo{
    u"Lignes avec un suivi (montants réels, paiements, fournisseurs, notes) : %1.\nOui efface aussi ce suivi ; Non le garde dans le tableau de suivi ; Annuler n’efface rien.",
    u"Строк с данными исполнения (факт, оплаты, поставщики, примечания): %1.\n«Да» удалит и эти данные; «Нет» оставит их в таблице исполнения; «Отмена» ничего не удалит.",
    u"Lines with follow-up data (actual amounts, payments, suppliers, notes): %1.\nYes clears that follow-up data too; No keeps it in the follow-up table; Cancel clears nothing."};
constexpr base::LocalizedText kOnlyFollowUp{
    u"Rien n’est plus saisi dans « %1 », mais des lignes gardent un suivi (montants réels, paiements, fournisseurs, notes) : %2. L’effacer aussi ?",
    u"В разделе «%1» больше ничего не введено, но у строк остались данные исполнения (факт, оплаты, поставщики, примечания): %2. Удалить и их?",
    u"Nothing is entered in “%1” any more, but lines keep follow-up data (actual amounts, payments, suppliers, notes): %2. Clear that too?"};

const QString kStaleAmountStyle =
    u"QLineEdit { background: #fff6e0; border: 1px dashed #b0892c; color: #8a6d1f; font-style: italic; }"_s;
const QString kStaleTabStyle = u"QPushButton { color: #b3261e; font-weight: bold; }"_s;

QLineEdit *amountField(const QString &name, QWidget *parent)
{
    auto *field = new common::FlatField(QColor(0xee, 0xf7, 0xf5), QColor(0xb9, 0xd9, 0xd3), QColor(0x0b, 0x25, 0x45), parent);
    field->setObjectName(name);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return field; // set in bold at the screen's first show
}

QLabel *makeLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

} // namespace

SectionScreen::SectionScreen(const SectionCatalogue &catalogue, ui::shell::ScreenHost *login, Budget &budget)
    : shell::ScreenFrame(QString::fromUtf16(catalogue.screenName), catalogue.caption, login)
    , m_catalogue(catalogue)
    , m_budget(budget)
    , m_index(budget.indexOf(catalogue))
{
    Q_ASSERT(m_index >= 0);
    buildDesignControls();

    Timer1->setInterval(catalogue.timers.layoutMs);
    Timer1->setHandler([this] { Timer1Timer(); });
    Timer2 = new common::OneShotTimer(u"Timer2"_s, catalogue.timers.localiseMs, this);
    Timer2->setHandler([this] { Timer2Timer(); });
    Timer3 = new common::OneShotTimer(u"Timer3"_s, catalogue.timers.recalcMs, this);
    Timer3->setHandler([this] { Timer3Timer(); });
    if (catalogue.timers.localiseOnAtCreation)
        Timer2->switchOn();

    // Entries replaced as a whole (cleared, loaded) show at once; the figures follow.
    connect(&m_budget, &Budget::sectionReplaced, this, [this](int section) {
        if (section == m_index && m_grid->showEntries(m_budget.entries(m_index), true))
            Timer3->switchOn();
    });
    FormCreate();
    // An undo or redo shows where it acted: the entry at once, and on an open
    // screen the field on its tab, with the focus; a hidden section stays hidden.
    connect(&common::BudgetEditor::of(m_budget), &common::BudgetEditor::actedOn, this, [this](const common::BudgetPlace &place) {
        if (place.kind != common::BudgetPlace::Kind::Entry || place.section != m_index)
            return;
        if (m_grid->showEntries(m_budget.entries(m_index), false))
            Timer3->switchOn();
        QWidget *field = m_grid->widget(place.cell);
        if (!field || !isVisible())
            return;
        const int tab = m_grid->grid().cell(place.cell).tab;
        ButtonClick(tab);
        ScrollBox[tab - 1]->ensureWidgetVisible(field);
        field->setFocus(Qt::OtherFocusReason);
    });
    common::OwnUndoBlocker::installOnFieldsOf(this);
}

void SectionScreen::buildDesignControls()
{
    const int T = m_catalogue.tabCount();
    for (int t = 1; t <= T; ++t) {
        auto *button = new TabButton(this);
        button->setObjectName(ControlName::tabButton(t));
        button->setFocusPolicy(Qt::TabFocus);
        button->setChecked(t == 1);
        connect(button, &QPushButton::clicked, this, [this, t] { common::guarded([&] { ButtonClick(t); }); });
        Button.append(button);
        addControl(button);
    }
    for (int t = 1; t <= T; ++t) {
        auto *box = new QScrollArea(this);
        box->setObjectName(ControlName::tabBox(t));
        box->setFrameShape(QFrame::NoFrame);
        box->setWidgetResizable(true);
        // The keyboard goes to the fields inside; the box scrolls to the one that has it.
        box->setFocusPolicy(Qt::NoFocus);
        auto *content = new QWidget;
        content->setObjectName(ControlName::tabBox(t) + u"Content"_s);
        content->setAutoFillBackground(true);
        QPalette palette = content->palette();
        palette.setColor(QPalette::Window, Qt::white);
        content->setPalette(palette);
        box->setWidget(content);
        box->setVisible(t == 1);
        ScrollBox.append(box);
        addControl(box);

        for (const GroupSpec &group : m_catalogue.tabs[t - 1].groups) {
            QLabel *header = makeLabel(ControlName::groupHeader(t, group.number), content);
            QFont font = header->font();
            font.setPointSize(14);
            header->setFont(font);
            addControl(header);
            for (const ColumnHeader &columnHeader : group.columnHeaders) {
                QLabel *label = makeLabel(ControlName::columnHeader(t, columnHeader.label), content);
                QFont bold = label->font();
                bold.setBold(true);
                label->setFont(bold);
                addControl(label);
            }
        }
        QLineEdit *subtotal = amountField(ControlName::subtotal(t), content);
        SumEdit.append(subtotal);
        addControl(subtotal);
    }
}

// Made after the grid, so the keyboard reaches them after the rows, in the
// order they are read: Clear section, then the save button beside it.
void SectionScreen::buildTotalsPanel()
{
    ClearSection = new QPushButton(this);
    ClearSection->setObjectName(u"ClearSection"_s);
    ClearSection->setFocusPolicy(Qt::TabFocus);
    connect(ClearSection, &QPushButton::clicked, this, [this] { common::guarded([this] { ClearSectionClick(); }); });
    addControl(ClearSection);

    TotalsPanel = new QFrame(this);
    TotalsPanel->setObjectName(QString::fromUtf16(m_catalogue.totalsPanel));
    TotalsPanel->resize(170, 80);
    TotalsPanel->setAutoFillBackground(true);
    addControl(TotalsPanel);
    Label1 = makeLabel(ControlName::totalCaption(), TotalsPanel);
    Label1->move(10, 21);
    addControl(Label1);
    Edit1 = amountField(ControlName::total(), TotalsPanel);
    Edit1->setGeometry(71, 18, 89, 21);
    addControl(Edit1);
    Image1 = new ui::common::Picture(ControlName::saveButton(), ui::common::Picture::Sizing::Auto, TotalsPanel);
    Image1->move(10, 45);
    Image1->setClickable(true);
    Image1->setFallbackSize(base::pictures::kSaveButtonSize);
    connect(Image1, &ui::common::ClickableLabel::clicked, this, [this] { common::guarded([this] { Image1Click(); }); });
    addControl(Image1);
}

void SectionScreen::addControl(QWidget *widget)
{
    m_controls.insert(widget->objectName(), widget);
}

QComboBox *SectionScreen::comboBox(int tab, int row, int column) const
{
    return m_grid->comboBox(m_grid->grid().indexOf(tab, row, column));
}

QLineEdit *SectionScreen::edit(int tab, int row, int column) const
{
    return m_grid->edit(m_grid->grid().indexOf(tab, row, column));
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
    QVector<QWidget *> contents;
    for (QScrollArea *box : std::as_const(ScrollBox))
        contents.append(box->widget());
    m_grid = new SectionGridView(SectionGrid::of(m_catalogue), contents, this);
    for (const GridCell &cell : m_grid->grid().cells())
        addControl(m_grid->widget(m_grid->grid().indexOf(cell.name)));
    connect(m_grid, &SectionGridView::entryEdited, this, [this](int cell) {
        if (const QComboBox *box = m_grid->comboBox(cell))
            common::BudgetEditor::of(m_budget).setPosition(m_index, cell, box->currentIndex());
        else if (const QLineEdit *field = m_grid->edit(cell))
            common::BudgetEditor::of(m_budget).setText(m_index, cell, field->text());
        EditChange();
    });
    connect(m_grid, &SectionGridView::otherEdited, this, &SectionScreen::EditChange);
    buildTotalsPanel();
    // Bold is a font of its own to load: done when a section is first seen,
    // not for all eight before the start screen shows.
    whenFirstShown([this] {
        for (QLineEdit *field : amountFields()) {
            QFont bold = field->font();
            bold.setBold(true);
            field->setFont(bold);
        }
    });
    Timer1->switchOn();
    Timer2->switchOn();
}

void SectionScreen::showContent()
{
    if (base::isLanguage(langin)) {
        Label1->setText(kTotalCaption.in(language()));
        Label1->adjustSize();
        loadInLanguage(Image1, base::pictures::saveButtonFile());
        Image1->setAccessibleName(base::pictures::kSaveButton.in(language()));
        ClearSection->setText(kClearSection.in(language()));
    }
    for (QScrollArea *box : std::as_const(ScrollBox))
        box->verticalScrollBar()->setValue(0);
    Timer2->switchOn();
}

void SectionScreen::Timer1Timer()
{
    placeControls();
    // The entries are the budget's: a show keeps them. The first layout
    // gives every number field its "0"; a field that changed starts a pass,
    // unless the section's first layout is silent (its total stays empty
    // until the user's first change).
    const bool first = m_layouts == 0;
    const bool changed = m_grid->showEntries(m_budget.entries(m_index), first);
    if (first)
        for (QLineEdit *subtotal : std::as_const(SumEdit))
            subtotal->setText(u"0"_s);
    const bool silent = first && m_catalogue.firstLayoutIsSilent;
    if (changed && !silent)
        Timer3->switchOn();
    ++m_layouts;
    Timer1->switchOff();
}

void SectionScreen::ClearSectionClick()
{
    const bool entries = !m_budget.entries(m_index).isEmpty();
    const int followedUp = int(m_budget.followUps(m_index).size());
    if (!entries && followedUp == 0)
        return;
    using Answer = common::ErrorReporter::Answer;
    common::ErrorReporter &reporter = common::ErrorReporter::instance();
    const base::Language L = base::languageOr(langin);
    const QString caption = m_catalogue.caption.in(L);
    common::BudgetEditor &editor = common::BudgetEditor::of(m_budget);
    if (followedUp == 0) {
        if (reporter.ask(kClearQuestion.in(L).arg(caption), {Answer::Yes, Answer::No}, Answer::No) == Answer::Yes)
            editor.clearSection(m_index, false);
        return;
    }
    // Quotes, invoices and payments are never lost with the entries unless the user says so.
    if (!entries) {
        if (reporter.ask(kOnlyFollowUp.in(L).arg(caption).arg(followedUp), {Answer::Yes, Answer::No}, Answer::No) == Answer::Yes)
            editor.clearSection(m_index, true);
        return;
    }
    const QString question = kClearQuestion.in(L).arg(caption) + u' ' + kFollowUpToo.in(L).arg(followedUp);
    switch (reporter.ask(question, {Answer::Yes, Answer::No, Answer::Cancel}, Answer::No)) {
    case Answer::Yes: editor.clearSection(m_index, true); break;
    case Answer::No: editor.clearSection(m_index, false); break;
    default: break;
    }
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

void SectionScreen::EditChange()
{
    Timer3->switchOn();
}

void SectionScreen::Timer3Timer()
{
    ++m_passes;
    const PassResult &result = m_budget.figures(m_index);
    if (const auto *figures = std::get_if<SectionFigures>(&result)) {
        m_grid->showFigures(*figures);
        for (int t = 0; t < figures->subtotals.size() && t < SumEdit.size(); ++t)
            SumEdit[t]->setText(figures->subtotals[t]);
        Edit1->setText(figures->total);
        fitTotal();
        clearFailure();
    } else {
        showFailure(std::get<PassFailure>(result));
    }
    m_waitingBoxes = waitingOptionBoxes(m_budget.entries(m_index));
    showWaitingBoxes();
    Timer3->switchOff();
}

void SectionScreen::showFailure(const PassFailure &failure)
{
    m_failure = failure;
    showFailureTexts();
    // One report per offending field and text; a further edit elsewhere does not repeat it.
    const QString key = u"%1/%2/%3/%4/%5"_s.arg(int(failure.kind)).arg(failure.where.tab).arg(failure.where.row)
                            .arg(failure.where.column).arg(failure.text);
    if (key != m_lastReported) {
        const base::Language language = common::ErrorReporter::instance().language();
        common::ErrorReporter::instance().report(passmessages::failure(failure, m_catalogue, language));
    }
    m_lastReported = key;
}

void SectionScreen::showFailureTexts()
{
    if (!m_failure)
        return;
    const PassFailure &failure = *m_failure;
    const base::Language L = base::languageOr(langin);
    const QString message = passmessages::failure(failure, m_catalogue, L);
    m_grid->markInvalid(failure.cells, message);
    // Every figure shown is from the last pass that could price the section:
    // it says so, and what it waits for, until the field is corrected.
    const QString waiting = passmessages::waitingFor(failure, m_catalogue, L);
    m_grid->markFigures(true, waiting);
    for (QLineEdit *field : amountFields()) {
        field->setStyleSheet(kStaleAmountStyle);
        field->setToolTip(waiting);
    }
    for (int t = 0; t < Button.size(); ++t) {
        const bool culprit = t + 1 == failure.where.tab;
        Button[t]->setStyleSheet(culprit ? kStaleTabStyle : QString());
        Button[t]->setToolTip(culprit ? message : Button[t]->text());
    }
}

void SectionScreen::showWaitingBoxes()
{
    const base::Language L = base::languageOr(langin);
    const SectionGrid &grid = m_grid->grid();
    QHash<int, QString> hints;
    for (int cell : std::as_const(m_waitingBoxes)) {
        const GridCell &box = grid.cell(cell);
        hints.insert(cell, passmessages::waitingForOption({box.tab, box.row, box.column}, m_catalogue, L));
    }
    m_grid->markWaiting(hints);
}

void SectionScreen::clearFailure()
{
    if (!m_failure && m_lastReported.isEmpty())
        return;
    m_failure.reset();
    m_lastReported.clear();
    m_grid->clearInvalid();
    m_grid->markFigures(false, {});
    for (QLineEdit *field : amountFields()) {
        field->setStyleSheet(QString());
        field->setToolTip(QString());
    }
    for (QPushButton *button : std::as_const(Button)) {
        button->setStyleSheet(QString());
        button->setToolTip(button->text());
    }
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
    ClearSection->adjustSize();
    ClearSection->move(TotalsPanel->x() - ClearSection->width() - 12, TotalsPanel->y() + 45);
}

void SectionScreen::ButtonClick(int tab)
{
    for (int t = 1; t <= ScrollBox.size(); ++t) {
        ScrollBox[t - 1]->setVisible(t == tab);
        // A click toggles a checkable button: the shown tab's stays checked.
        Button[t - 1]->setChecked(t == tab);
    }
}

void SectionScreen::Image1Click()
{
    // The report shows what the figures are now, never a pending or failed pass.
    Timer3->fireNow();
    const base::Language L = base::languageOr(langin);
    if (m_failure) {
        common::ErrorReporter::instance().report(passmessages::reportRefused(*m_failure, m_catalogue, L));
        return;
    }
    const auto *figures = std::get_if<SectionFigures>(&m_budget.figures(m_index));
    if (!figures)
        return;
    const report::SectionSource source(m_budget.entries(m_index), *figures, L);
    const report::ExportOutcome outcome = report::exportSection(reportPlanOf(m_catalogue), source);
    if (outcome.status == report::ExportOutcome::Status::Saved) {
        // Shown to the user as always; the notice says where it is, also when it could not be opened.
        common::ErrorReporter::instance().tellWritten(common::messages::writtenReport(outcome, L), this);
        return;
    }
    if (const QString message = common::messages::exportOutcome(outcome, L); !message.isEmpty())
        common::ErrorReporter::instance().report(message, outcome.status == report::ExportOutcome::Status::Failed
                                                              ? common::ErrorReporter::Severity::Error
                                                              : common::ErrorReporter::Severity::Notice);
}

QString SectionScreen::controlText(const QString &name) const
{
    QWidget *widget = control(name);
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
    const int index = m_grid->grid().indexOf(tab, row, column);
    if (QComboBox *box = m_grid->comboBox(index))
        return box->currentText();
    if (QLineEdit *field = m_grid->edit(index))
        return field->text();
    return {};
}

} // namespace torvane::ui::sections
