#include "ui/budget/budgetpanel.h"

#include "base/language.h"
#include "base/localizedtext.h"
#include "model/budgetsummary.h"
#include "model/sectionlist.h"
#include "base/amountformat.h"
#include "report/budgetoutput.h"
#include "report/budgetwords.h"
#include "ui/budget/budgetactions.h"
#include "ui/budget/budgetchartview.h"
#include "ui/budget/budgetdocument.h"
#include "ui/budget/budgetrecovery.h"
#include "ui/budget/budgetrecoverybar.h"
#include "ui/budget/budgettexts.h"
#include "ui/common/budgeteditor.h"
#include "ui/common/errorreporter.h"
#include "ui/common/ownundoblocker.h"
#include "ui/common/percentbox.h"
#include "ui/common/picture.h"
#include "ui/shell/code_login.h"
#include "ui/shell/code_main.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;
using base::LocalizedText;

namespace {

constexpr LocalizedText kTitleCaption{u"Titre", u"Название", u"Title"};
constexpr LocalizedText kTitlePlaceholder{u"Budget du pavillon", u"Бюджет павильона", u"Pavilion budget"};
constexpr LocalizedText kContingency{u"Réserve pour imprévus", u"Резерв на непредвиденное", u"Contingency"};
constexpr LocalizedText kCurrency{u"Devise de référence", u"Валюта для сравнения", u"Reference currency"};
constexpr LocalizedText kRate{u"tenge par unité", u"тенге за единицу", u"tenge per unit"};
constexpr LocalizedText kConverted{u"≈ %1 au taux saisi", u"≈ %1 по вашему курсу", u"≈ %1 at your rate"};
constexpr LocalizedText kBadRate{u"Taux invalide : un nombre positif, p. ex. 520,5", u"Неверный курс: положительное число, например 520,5",
                                 u"Not a rate: a positive number such as 520.5"};
constexpr LocalizedText kWaiting{u"en attente d’une correction", u"ждёт исправления", u"waits for a correction"};

const QString kPanelStyle = u"#BudgetPanel { background: rgba(255, 255, 255, 235); border: 1px solid #c9d6e2; border-radius: 10px; }"
                            u"#BudgetPanel QLabel { color: #0b2545; }"_s;
constexpr int kBelowHeight = 180;

const QString kBadStyle = u"QLineEdit { background: #ffe1e1; border: 1px solid #c62828; }"_s;
const QString kTileStyle = u"QLabel { background: rgba(255, 255, 255, 225); color: #0b2545; border-radius: 6px; padding: 1px 6px; font-weight: bold; }"_s;

QLineEdit *lineEdit(QWidget *parent, const QString &name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

} // namespace

BudgetPanel::BudgetPanel(BudgetDocument &document, BudgetRecovery &recovery, BudgetActions &actions, ui::shell::TForm_main *menu)
    : QFrame(menu)
    , m_document(document)
    , m_actions(actions)
    , m_menu(menu)
{
    setObjectName(u"BudgetPanel"_s);
    setStyleSheet(kPanelStyle);
    // A low or narrow window scrolls the overview instead of cutting it.
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(u"BudgetPanelScroll"_s);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus); // the fields inside take the keyboard
    scroll->setStyleSheet(u"QScrollArea, #BudgetPanelContent { background: transparent; }"_s);
    auto *content = new QWidget;
    content->setObjectName(u"BudgetPanelContent"_s);
    scroll->setWidget(content);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(2, 2, 2, 2);
    outer->addWidget(scroll);

    // Made in reading order, which is also the order of the keyboard focus.
    RecoveryBar = new BudgetRecoveryBar(recovery, content);

    m_titleCaption = new QLabel(content);
    BudgetTitle = lineEdit(content, u"BudgetTitle"_s);
    BudgetTitle->setMaxLength(120);
    BudgetFileName = new QLabel(content);
    BudgetFileName->setObjectName(u"BudgetFileName"_s);
    BudgetFileName->setTextInteractionFlags(Qt::TextSelectableByMouse);

    QGridLayout *buttons = makeButtons(content);

    m_chart = new BudgetChartView(content);
    m_chart->setObjectName(u"BudgetChart"_s);
    m_chart->setMinimumSize(160, 90);

    QGridLayout *figures = makeFigures(content);

    auto *title = new QHBoxLayout;
    title->addWidget(m_titleCaption);
    title->addWidget(BudgetTitle, 2);
    title->addWidget(BudgetFileName, 1);

    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    right->addLayout(buttons);
    right->addLayout(figures);
    right->addStretch(1);

    auto *grid = new QGridLayout(content);
    grid->setSizeConstraint(QLayout::SetMinimumSize); // scrolls rather than squeezes
    grid->setContentsMargins(10, 6, 10, 6);
    grid->setVerticalSpacing(4);
    grid->addWidget(RecoveryBar, 0, 0, 1, 2);
    grid->addLayout(title, 1, 0, 1, 2);
    grid->addWidget(m_chart, 2, 0);
    grid->addLayout(right, 2, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setRowStretch(2, 1);

    makeTileTotals();
    common::OwnUndoBlocker::installOnFieldsOf(content);

    connect(BudgetTitle, &QLineEdit::textEdited, this, &BudgetPanel::applySettings);
    connect(ContingencyPercent, &QDoubleSpinBox::valueChanged, this, &BudgetPanel::applySettings);
    connect(CurrencyCode, &QLineEdit::textEdited, this, &BudgetPanel::applySettings);
    connect(CurrencyRate, &QLineEdit::textEdited, this, &BudgetPanel::applySettings);

    model::Budget &budget = m_document.budget();
    connect(&budget, &model::Budget::entryChanged, this, &BudgetPanel::refresh);
    connect(&budget, &model::Budget::sectionReplaced, this, &BudgetPanel::refresh);
    connect(&budget, &model::Budget::settingsChanged, this, &BudgetPanel::refresh);
    connect(&m_document, &BudgetDocument::documentChanged, this, &BudgetPanel::refresh);
    connect(&recovery, &BudgetRecovery::recoveryChanged, this, &BudgetPanel::refresh);
    menu->roomBelowTiles = [this] { return besideTiles() ? 0 : kBelowHeight; };
    menu->installEventFilter(this);
    // The bold and larger fonts of the totals are loaded when the menu first
    // shows, not before the start screen.
    menu->whenFirstShown([this] {
        QFont bold = BudgetTotal->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.25);
        BudgetTotal->setFont(bold);
        for (QLabel *total : TileTotal)
            total->setStyleSheet(kTileStyle);
    });
    connect(menu, &ui::shell::TForm_main::laidOut, this, [this] {
        retranslate();
        place();
    });
    retranslate();
}

QGridLayout *BudgetPanel::makeButtons(QWidget *content)
{
    // The budget's actions in rows: the file, what leaves for a manager, its history.
    auto *buttons = new QGridLayout;
    buttons->setSpacing(4);
    std::array<int, 3> columns{};
    QToolButton *open = nullptr;
    for (const BudgetActions::Entry &entry : BudgetActions::entries()) {
        auto *button = new QToolButton(content);
        if (QAction *action = BudgetActions::actionOf(m_menu, entry.id))
            button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        const int row = int(entry.group);
        buttons->addWidget(button, row, columns[std::size_t(row)]++);
        if (entry.id == BudgetActions::Id::Open)
            open = button;
    }
    // Open… also lists the budgets opened last.
    auto *recent = new QMenu(this);
    open->setMenu(recent);
    open->setPopupMode(QToolButton::MenuButtonPopup);
    connect(recent, &QMenu::aboutToShow, this, [this, recent] {
        recent->clear();
        for (const QString &path : m_document.recentFiles())
            recent->addAction(QFileInfo(path).fileName(), this, [this, path] {
                if (m_document.confirmDiscard())
                    m_document.openFile(path);
            })->setToolTip(path);
        recent->setEnabled(!recent->isEmpty());
    });
    return buttons;
}

QGridLayout *BudgetPanel::makeFigures(QWidget *content)
{
    m_contingencyCaption = new QLabel(content);
    ContingencyPercent = new common::PercentBox(content);
    ContingencyPercent->setObjectName(u"ContingencyPercent"_s);
    connect(ContingencyPercent, &common::PercentBox::refused, this, [](const QString &text, model::PercentProblem problem, double kept) {
        const base::Language L = common::ErrorReporter::instance().language();
        common::ErrorReporter::instance().report(budgettexts::contingencyRefused(text, problem, int(std::lround(kept * 10)), L));
    });
    ContingencyAmount = new QLabel(content);
    ContingencyAmount->setObjectName(u"ContingencyAmount"_s);
    m_totalCaption = new QLabel(content);
    BudgetTotal = lineEdit(content, u"BudgetTotal"_s);
    BudgetTotal->setReadOnly(true);
    BudgetTotal->setFocusPolicy(Qt::ClickFocus);
    BudgetTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_currencyCaption = new QLabel(content);
    CurrencyCode = lineEdit(content, u"CurrencyCode"_s);
    CurrencyCode->setMaxLength(8);
    CurrencyCode->setPlaceholderText(u"EUR"_s);
    m_rateCaption = new QLabel(content);
    CurrencyRate = lineEdit(content, u"CurrencyRate"_s);
    CurrencyRate->setMaxLength(20);
    CurrencyTotal = new QLabel(content);
    CurrencyTotal->setObjectName(u"CurrencyTotal"_s);

    auto *figures = new QGridLayout;
    figures->setHorizontalSpacing(6);
    figures->setVerticalSpacing(3);
    figures->addWidget(m_contingencyCaption, 0, 0);
    figures->addWidget(ContingencyPercent, 0, 1);
    figures->addWidget(ContingencyAmount, 0, 2, 1, 2);
    figures->addWidget(m_totalCaption, 1, 0);
    figures->addWidget(BudgetTotal, 1, 1, 1, 3);
    figures->addWidget(m_currencyCaption, 2, 0);
    figures->addWidget(CurrencyCode, 2, 1);
    figures->addWidget(CurrencyRate, 2, 2);
    figures->addWidget(m_rateCaption, 2, 3);
    figures->addWidget(CurrencyTotal, 3, 1, 1, 3);
    figures->setColumnStretch(2, 1);
    return figures;
}

void BudgetPanel::makeTileTotals()
{
    for (int k = 0; k < 8; ++k) {
        auto *total = new QLabel(m_menu->Image[std::size_t(k)]);
        total->setObjectName(u"TileTotal%1"_s.arg(k + 1));
        total->setAttribute(Qt::WA_TransparentForMouseEvents);
        TileTotal[std::size_t(k)] = total;
    }
}

base::Language BudgetPanel::language() const
{
    return m_menu->language();
}

void BudgetPanel::retranslate()
{
    const base::Language L = language();
    m_titleCaption->setText(kTitleCaption.in(L));
    BudgetTitle->setPlaceholderText(kTitlePlaceholder.in(L));
    m_contingencyCaption->setText(kContingency.in(L));
    m_totalCaption->setText(report::words::kGrandTotal.in(L));
    m_currencyCaption->setText(kCurrency.in(L));
    m_rateCaption->setText(kRate.in(L));
    RecoveryBar->retranslate(L);
    ContingencyPercent->setLocale(base::localeOf(L));
    // The menu shows in the screens' language: so do the buttons' actions.
    m_actions.retranslate();
    refresh();
}

void BudgetPanel::applySettings()
{
    if (m_updating)
        return;
    model::BudgetSettings settings = m_document.budget().settings();
    settings.title = BudgetTitle->text();
    settings.contingencyTenths = int(std::lround(ContingencyPercent->value() * 10));
    settings.currencyCode = CurrencyCode->text().trimmed().toUpper();
    settings.currencyRate = CurrencyRate->text();
    common::BudgetEditor::of(m_document.budget()).setSettings(settings);
}

void BudgetPanel::refresh()
{
    const base::Language L = language();
    const model::Budget &budget = m_document.budget();
    BudgetFileName->setText(budget.isModified() ? m_document.displayName(L) + u" — "_s + budgettexts::kModified.in(L) + u" ●"_s
                                                : m_document.displayName(L));
    BudgetFileName->setToolTip(m_document.filePath());
    RecoveryBar->refresh(L);

    // The figures and fields are laid out text, each with its font to load:
    // while the menu is not on screen they wait for its next show.
    if (!m_menu->isVisible()) {
        m_figuresWaiting = true;
        return;
    }
    m_figuresWaiting = false;
    const model::BudgetSettings &settings = budget.settings();
    m_updating = true;
    if (BudgetTitle->text() != settings.title)
        BudgetTitle->setText(settings.title);
    // Rewritten only when it differs: a box being typed into keeps its text.
    if (std::lround(ContingencyPercent->value() * 10) != settings.contingencyTenths) {
        const QSignalBlocker blocker(ContingencyPercent);
        ContingencyPercent->setValue(settings.contingencyTenths / 10.0);
    }
    if (CurrencyCode->text().trimmed().toUpper() != settings.currencyCode)
        CurrencyCode->setText(settings.currencyCode);
    if (CurrencyRate->text() != settings.currencyRate)
        CurrencyRate->setText(settings.currencyRate);
    m_updating = false;

    const model::BudgetSummary summary = model::summarize(budget);
    m_chart->setReport(report::budgetOverview(budget, summary, L));
    refreshTileTotals(summary, L);
    ContingencyAmount->setText(u"= "_s + base::tengeAmount(summary.contingency, L));
    BudgetTotal->setText(summary.priced ? base::tengeAmount(summary.grandTotal, L) : kWaiting.in(L));
    CurrencyRate->setStyleSheet(summary.rateInvalid ? kBadStyle : QString());
    CurrencyRate->setToolTip(summary.rateInvalid ? kBadRate.in(L) : QString());
    CurrencyTotal->setText(summary.currencyHundredths
                               ? kConverted.in(L).arg(base::currencyAmount(*summary.currencyHundredths, settings.currencyCode, L))
                               : QString());
}

void BudgetPanel::refreshTileTotals(const model::BudgetSummary &summary, base::Language L)
{
    const model::Budget &budget = m_document.budget();
    for (int k = 1; k <= 8; ++k) {
        QLabel *total = TileTotal[std::size_t(k - 1)];
        const model::SectionInfo *section = model::sectionOfTile(k);
        const int index = section ? budget.indexOf(section->catalogue()) : -1;
        if (index < 0)
            continue;
        const model::BudgetSummary::Section &figures = summary.sections[std::size_t(index)];
        total->setText(figures.empty ? QString() : figures.priced ? base::tengeAmount(figures.tenge, L) : kWaiting.in(L));
        total->setVisible(!figures.empty);
        total->adjustSize();
        QWidget *tile = total->parentWidget();
        total->move(tile->width() - total->width() - 8, tile->height() - total->height() - 6);
    }
}

bool BudgetPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_menu && event->type() == QEvent::Show && m_figuresWaiting)
        refresh();
    return QFrame::eventFilter(watched, event);
}

bool BudgetPanel::besideTiles() const
{
    // What the tiles leave on their right when they have their full size.
    return m_menu->login()->width() - m_menu->tilesRightAtFullSize() - 60 >= 520;
}

void BudgetPanel::place()
{
    QRect tiles;
    for (const ui::common::Picture *tile : m_menu->Image)
        tiles |= tile->geometry();
    // Beside the tiles where a wide screen leaves room, else below them
    // across the whole area right of the left panel.
    const int roomRight = m_menu->width() - tiles.right() - 60;
    if (besideTiles()) {
        setGeometry(tiles.right() + 30, tiles.top(), std::min(roomRight, 640),
                    std::max(tiles.height(), std::min(m_menu->height() - tiles.top() - 40, 560)));
    } else {
        const int top = tiles.bottom() + 16;
        const int left = m_menu->Background2->width() + 30;
        setGeometry(left, top, std::max(m_menu->width() - left - 30, 0), std::clamp(m_menu->height() - top - 12, 0, 360));
    }
    raise();
    refresh();
}

} // namespace torvane::ui::budget
