#include "ui/budget/budgetpanel.h"

#include "base/language.h"
#include "base/localizedtext.h"
#include "model/budgetsummary.h"
#include "model/followupbook.h"
#include "model/sectionlist.h"
#include "base/amountformat.h"
#include "report/budgetoutput.h"
#include "report/budgetwords.h"
#include "ui/budget/budgetactions.h"
#include "ui/budget/budgetchartview.h"
#include "ui/budget/budgetlook.h"
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
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;
using base::LocalizedText;

namespace {

// Undo's arrow bends back to the left, redo's to the right; drawn for one
// and two device pixels a point, white on the panel's dark buttons.
QIcon historyIcon(bool redo)
{
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(18 * scale, 18 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        if (redo)
            painter.setTransform(QTransform(-1, 0, 0, 1, 18, 0));
        painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath bend;
        bend.moveTo(4.5, 7.5);
        bend.lineTo(11, 7.5);
        bend.cubicTo(17, 7.5, 17, 15, 11, 15);
        bend.lineTo(7, 15);
        painter.drawPath(bend);
        painter.drawPolyline(QPolygonF({QPointF(8, 4), QPointF(4.5, 7.5), QPointF(8, 11)}));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

constexpr LocalizedText kTitleCaption{u"Titre", u"Название", u"Title"};
constexpr LocalizedText kTitlePlaceholder{u"Budget du pavillon", u"Бюджет павильона", u"Pavilion budget"};
constexpr LocalizedText kContingency{u"Réserve pour imprévus", u"Резерв на непредвиденное", u"Contingency"};
constexpr LocalizedText kCurrency{u"Devise de référence", u"Валюта для сравнения", u"Reference currency"};
constexpr LocalizedText kRate{u"tenge par unité", u"тенге за единицу", u"tenge per unit"};
constexpr LocalizedText kConverted{u"≈ %1 au taux saisi", u"≈ %1 по вашему курсу", u"≈ %1 at your rate"};
constexpr LocalizedText kBadRate{u"Taux invalide : un nombre positif, p. ex. 520,5", u"Неверный курс: положительное число, например 520,5",
                                 u"Not a rate: a positive number such as 520.5"};
constexpr LocalizedText kWaiting{u"en attente d’une correction", u"ждёт исправления", u"waits for a correction"};

// Below the tiles the panel takes what the tiles leave while they keep
// their rows 110 pixels apart on a screen 740 pixels high.
constexpr int kBelowHeight = 190;
// Where the panel's blocks stand side by side.
constexpr int kWideFrom = 900;
constexpr int kMediumFrom = 600;

const QString kBadStyle = u"QLineEdit { background: #ffe1e1; border: 1px solid #c62828; }"_s;
const QString kTileStyle = u"QLabel { background: rgba(255, 255, 255, 225); color: #0b2545; border-radius: 6px; padding: 1px 6px; font-weight: bold; }"_s;
// On the small tiles of a low window the total keeps clear of the tile's words.
const QString kSmallTileStyle = u"QLabel { background: rgba(255, 255, 255, 225); color: #0b2545; border-radius: 5px; padding: 0 4px; font-weight: bold; font-size: 10px; }"_s;
constexpr int kSmallTile = 80;
const QString kOverStyle = u"QLabel { color: #c62828; }"_s;
const QString kUnderStyle = u"QLabel { color: #0d7c75; }"_s;
const QString kUnknownStyle = u"QLabel { color: #5a6b7d; font-weight: normal; font-style: italic; }"_s;

// A sheet set again costs the widget a new style even when it is the same.
void setSheet(QWidget *widget, const QString &sheet)
{
    if (widget->styleSheet() != sheet)
        widget->setStyleSheet(sheet);
}

QLabel *figureLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setProperty("figure", true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

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
    // A low or narrow window scrolls the overview up and down, never sideways.
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(u"BudgetPanelScroll"_s);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFocusPolicy(Qt::NoFocus); // the fields inside take the keyboard
    m_content = new QWidget;
    m_content->setObjectName(u"BudgetPanelContent"_s);
    scroll->setWidget(m_content);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 2, 2, 2);
    outer->addWidget(scroll);

    // Made in reading order, which is also the order of the keyboard focus.
    RecoveryBar = new BudgetRecoveryBar(recovery, m_content);
    m_titleBlock = makeTitle(m_content);
    m_buttonsBlock = makeButtons(m_content);
    m_chart = new BudgetChartView(m_content);
    m_chart->setObjectName(u"BudgetChart"_s);
    m_chart->setMinimumSize(160, 90);
    m_figuresBlock = makeFigures(m_content);
    m_followUpBlock = makeFollowUp(m_content);

    m_grid = new QGridLayout(m_content);
    m_grid->setSizeConstraint(QLayout::SetMinimumSize); // scrolls rather than squeezes
    m_grid->setContentsMargins(12, 4, 10, 4);
    m_grid->setHorizontalSpacing(16);
    m_grid->setVerticalSpacing(5);

    makeTileTotals();
    // One column until the menu's layout gives the panel its width.
    arrange(0);
    common::OwnUndoBlocker::installOnFieldsOf(m_content);

    connect(BudgetTitle, &QLineEdit::textEdited, this, &BudgetPanel::applySettings);
    connect(ContingencyPercent, &QDoubleSpinBox::valueChanged, this, &BudgetPanel::applySettings);
    connect(CurrencyCode, &QLineEdit::textEdited, this, &BudgetPanel::applySettings);
    connect(CurrencyRate, &QLineEdit::textEdited, this, &BudgetPanel::applySettings);

    model::Budget &budget = m_document.budget();
    connect(&budget, &model::Budget::entryChanged, this, &BudgetPanel::refresh);
    connect(&budget, &model::Budget::sectionReplaced, this, &BudgetPanel::refresh);
    connect(&budget, &model::Budget::settingsChanged, this, &BudgetPanel::refresh);
    connect(&budget, &model::Budget::followUpChanged, this, &BudgetPanel::refresh);
    connect(&budget, &model::Budget::followUpReplaced, this, &BudgetPanel::refresh);
    connect(&budget, &model::Budget::ownLineAdded, this, &BudgetPanel::refresh);
    connect(&budget, &model::Budget::ownLineRemoved, this, &BudgetPanel::refresh);
    connect(&budget, &model::Budget::ownLineChanged, this, &BudgetPanel::refresh);
    connect(&m_document, &BudgetDocument::documentChanged, this, &BudgetPanel::refresh);
    connect(&recovery, &BudgetRecovery::recoveryChanged, this, &BudgetPanel::refresh);
    menu->roomBelowTiles = [this] { return besideTiles() ? 0 : kBelowHeight; };
    menu->installEventFilter(this);
    // The panel's look, the bold and larger fonts of the totals are loaded
    // when the menu first shows, not before the start screen.
    menu->whenFirstShown([this] {
        setStyleSheet(look::cardSheet(objectName())
                      + u"#BudgetPanel QScrollArea, #BudgetPanelContent { background: transparent; border: none; }"
                        u"#BudgetPanel #BudgetTotal { font-weight: bold; color: #0b2545; }"_s);
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

QWidget *BudgetPanel::makeTitle(QWidget *content)
{
    auto *block = new QWidget(content);
    m_titleCaption = new QLabel(block);
    BudgetTitle = lineEdit(block, u"BudgetTitle"_s);
    BudgetTitle->setMaxLength(120);
    m_titleCaption->setBuddy(BudgetTitle);
    BudgetFileName = new QLabel(block);
    BudgetFileName->setObjectName(u"BudgetFileName"_s);
    BudgetFileName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long name wraps rather than widening the panel.
    BudgetFileName->setWordWrap(true);
    m_titleGrid = new QGridLayout(block);
    m_titleGrid->setContentsMargins(0, 0, 0, 0);
    m_titleGrid->setHorizontalSpacing(6);
    m_titleGrid->setVerticalSpacing(2);
    m_titleGrid->addWidget(m_titleCaption, 0, 0);
    m_titleGrid->addWidget(BudgetTitle, 0, 1);
    m_titleGrid->addWidget(BudgetFileName, 0, 2);
    m_titleGrid->setColumnStretch(1, 2);
    m_titleGrid->setColumnStretch(2, 1);
    return block;
}

QWidget *BudgetPanel::makeButtons(QWidget *content)
{
    // The budget's actions in two rows: the file, then what leaves for a manager;
    // undo and redo stand beside the title, as arrows.
    auto *block = new QWidget(content);
    auto *rows = new QVBoxLayout(block);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(5);
    m_buttonGrid = new QGridLayout;
    m_buttonGrid->setSpacing(5);
    m_outputGrid = new QGridLayout;
    m_outputGrid->setSpacing(5);
    rows->addLayout(m_buttonGrid);
    rows->addLayout(m_outputGrid);
    QToolButton *open = nullptr;
    for (const BudgetActions::Entry &entry : BudgetActions::entries()) {
        if (entry.group == BudgetActions::Group::FollowUp)
            continue; // beside the follow-up figures, or in its window
        const bool history = entry.group == BudgetActions::Group::Edit;
        auto *button = new QToolButton(history ? m_titleBlock : block);
        QAction *action = BudgetActions::actionOf(m_menu, entry.id);
        if (action && history)
            action->setIcon(historyIcon(entry.id == BudgetActions::Id::Redo));
        if (action)
            button->setDefaultAction(action);
        button->setToolButtonStyle(history ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        if (history) {
            button->setIconSize(QSize(18, 18));
            m_titleGrid->addWidget(button, 0, 3 + int(m_editButtons.size()));
            m_editButtons << button;
        } else {
            (entry.group == BudgetActions::Group::File ? m_fileButtons : m_outputButtons) << button;
        }
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
    return block;
}

void BudgetPanel::arrangeButtons(int width)
{
    // The file's four on one row when they fit, else two and two; what
    // leaves for a manager on the row under them.
    // (No width yet: two and two, without measuring texts at start-up.)
    int needed = 0;
    if (width > 0)
        for (QToolButton *button : std::as_const(m_fileButtons))
            needed += button->sizeHint().width() + m_buttonGrid->horizontalSpacing();
    const int columns = width > 0 && needed <= width ? int(m_fileButtons.size()) : 2;
    if (columns != m_fileColumns) {
        m_fileColumns = columns;
        for (QToolButton *button : std::as_const(m_fileButtons))
            m_buttonGrid->removeWidget(button);
        for (int i = 0; i < m_fileButtons.size(); ++i)
            m_buttonGrid->addWidget(m_fileButtons[i], i / columns, i % columns);
        for (int i = 0; i < m_outputButtons.size(); ++i)
            m_outputGrid->addWidget(m_outputButtons[i], 0, i);
        m_outputGrid->setColumnStretch(int(m_outputButtons.size()), columns == int(m_fileButtons.size()) ? 0 : 1);

    }
    // On one row the two rows' buttons stand in the same columns.
    for (int c = 0; c < 4 && width > 0; ++c) {
        int widest = 0;
        if (columns == int(m_fileButtons.size())) {
            if (c < m_fileButtons.size())
                widest = m_fileButtons[c]->sizeHint().width();
            if (c < m_outputButtons.size())
                widest = std::max(widest, m_outputButtons[c]->sizeHint().width());

        }
        m_buttonGrid->setColumnMinimumWidth(c, widest);
        m_outputGrid->setColumnMinimumWidth(c, widest);
    }
}

QWidget *BudgetPanel::makeFigures(QWidget *content)
{
    auto *block = new QWidget(content);
    m_contingencyCaption = new QLabel(block);
    ContingencyPercent = new common::PercentBox(block);
    ContingencyPercent->setObjectName(u"ContingencyPercent"_s);
    m_contingencyCaption->setBuddy(ContingencyPercent);
    connect(ContingencyPercent, &common::PercentBox::refused, this, [](const QString &text, model::PercentProblem problem, double kept) {
        const base::Language L = common::ErrorReporter::instance().language();
        common::ErrorReporter::instance().report(budgettexts::contingencyRefused(text, problem, int(std::lround(kept * 10)), L));
    });
    ContingencyAmount = new QLabel(block);
    ContingencyAmount->setObjectName(u"ContingencyAmount"_s);
    m_totalCaption = new QLabel(block);
    BudgetTotal = lineEdit(block, u"BudgetTotal"_s);
    BudgetTotal->setReadOnly(true);
    BudgetTotal->setFocusPolicy(Qt::ClickFocus);
    BudgetTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_currencyCaption = new QLabel(block);
    CurrencyCode = lineEdit(block, u"CurrencyCode"_s);
    CurrencyCode->setMaxLength(8);
    CurrencyCode->setPlaceholderText(u"EUR"_s);
    CurrencyCode->setMaximumWidth(CurrencyCode->fontMetrics().horizontalAdvance(u"WWW"_s) + 22);
    m_currencyCaption->setBuddy(CurrencyCode);
    m_rateCaption = new QLabel(block);
    CurrencyRate = lineEdit(block, u"CurrencyRate"_s);
    CurrencyRate->setMaxLength(20);
    CurrencyRate->setMinimumWidth(CurrencyRate->fontMetrics().horizontalAdvance(u"0000,00"_s) + 22);
    CurrencyTotal = new QLabel(block);
    CurrencyTotal->setObjectName(u"CurrencyTotal"_s);

    auto *figures = new QGridLayout(block);
    figures->setContentsMargins(0, 0, 0, 0);
    figures->setHorizontalSpacing(6);
    figures->setVerticalSpacing(4);
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
    // On a narrow panel the captions take two lines rather than push the fields out.
    for (QLabel *caption : {m_contingencyCaption, m_totalCaption, m_currencyCaption, m_rateCaption})
        caption->setWordWrap(true);
    return block;
}

QWidget *BudgetPanel::makeFollowUp(QWidget *content)
{
    auto *block = new QWidget(content);
    m_actualCaption = new QLabel(block);
    ActualTotal = figureLabel(block, u"ActualTotal"_s);
    m_paidCaption = new QLabel(block);
    PaidTotal = figureLabel(block, u"PaidTotal"_s);
    m_varianceCaption = new QLabel(block);
    VarianceTotal = figureLabel(block, u"VarianceTotal"_s);
    OpenFollowUp = new QToolButton(block);
    OpenFollowUp->setObjectName(u"OpenFollowUp"_s);
    OpenFollowUp->setProperty("accent", true);
    OpenFollowUp->setToolButtonStyle(Qt::ToolButtonTextOnly);
    if (QAction *action = BudgetActions::actionOf(m_menu, BudgetActions::Id::FollowUp))
        OpenFollowUp->setDefaultAction(action);

    auto *grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->addWidget(m_actualCaption, 0, 0);
    grid->addWidget(ActualTotal, 0, 1);
    grid->addWidget(m_paidCaption, 1, 0);
    grid->addWidget(PaidTotal, 1, 1);
    grid->addWidget(m_varianceCaption, 2, 0);
    grid->addWidget(VarianceTotal, 2, 1);
    grid->addWidget(OpenFollowUp, 3, 0, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
    return block;
}

void BudgetPanel::keepCaptionsWhole()
{
    // Captions wrap only on a narrow panel; with room they keep one line.
    for (QLabel *caption : {m_contingencyCaption, m_totalCaption, m_currencyCaption, m_rateCaption})
        caption->setMinimumWidth(m_arrangement == Arrangement::Narrow ? 0 : caption->fontMetrics().horizontalAdvance(caption->text()) + 2);
}

void BudgetPanel::arrange(int width)
{
    const Arrangement wanted = width >= kWideFrom ? Arrangement::Wide : width >= kMediumFrom ? Arrangement::Medium : Arrangement::Narrow;
    // Beside the chart the buttons have the figures' columns; else the whole width.
    arrangeButtons(wanted == Arrangement::Wide ? (width - 40) * 8 / 13 - 16 : std::max(width - 40, 0));
    if (wanted == m_arrangement)
        return;
    m_arrangement = wanted;
    keepCaptionsWhole();
    // The file's name beside the title, or under it on a narrow panel.
    m_titleGrid->removeWidget(BudgetFileName);
    if (wanted == Arrangement::Narrow)
        m_titleGrid->addWidget(BudgetFileName, 1, 1, 1, 2);
    else
        m_titleGrid->addWidget(BudgetFileName, 0, 2);
    for (QWidget *block : {static_cast<QWidget *>(RecoveryBar), m_titleBlock, m_buttonsBlock, m_figuresBlock,
                           m_followUpBlock, static_cast<QWidget *>(m_chart)})
        m_grid->removeWidget(block);
    for (int r = 0; r < 8; ++r)
        m_grid->setRowStretch(r, 0);
    for (int c = 0; c < 3; ++c)
        m_grid->setColumnStretch(c, 0);
    switch (wanted) {
    case Arrangement::Wide:
        // The chart down the left; title, buttons and both sets of figures beside it.
        m_grid->addWidget(RecoveryBar, 0, 0, 1, 3);
        m_grid->addWidget(m_chart, 1, 0, 4, 1);
        m_grid->addWidget(m_titleBlock, 1, 1, 1, 2);
        m_grid->addWidget(m_buttonsBlock, 2, 1, 1, 2);
        m_grid->addWidget(m_figuresBlock, 3, 1);
        m_grid->addWidget(m_followUpBlock, 3, 2);
        m_grid->setColumnStretch(0, 5);
        m_grid->setColumnStretch(1, 5);
        m_grid->setColumnStretch(2, 3);
        m_grid->setRowStretch(4, 1);
        break;
    case Arrangement::Medium:
        // Title and buttons across; both sets of figures side by side, the chart under them.
        m_grid->addWidget(RecoveryBar, 0, 0, 1, 2);
        m_grid->addWidget(m_titleBlock, 1, 0, 1, 2);
        m_grid->addWidget(m_buttonsBlock, 2, 0, 1, 2);
        m_grid->addWidget(m_figuresBlock, 3, 0);
        m_grid->addWidget(m_followUpBlock, 3, 1);
        m_grid->addWidget(m_chart, 4, 0, 1, 2);
        m_grid->setColumnStretch(0, 3);
        m_grid->setColumnStretch(1, 2);
        m_grid->setRowStretch(4, 1);
        break;
    case Arrangement::Narrow:
    case Arrangement::None:
        // One column, in reading order: the chart last.
        m_grid->addWidget(RecoveryBar, 0, 0);
        m_grid->addWidget(m_titleBlock, 1, 0);
        m_grid->addWidget(m_buttonsBlock, 2, 0);
        m_grid->addWidget(m_figuresBlock, 3, 0);
        m_grid->addWidget(m_followUpBlock, 4, 0);
        m_grid->addWidget(m_chart, 5, 0);
        m_grid->setColumnStretch(0, 1);
        m_grid->setRowStretch(5, 1);
        break;
    }
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
    m_actualCaption->setText(report::words::kActual.in(L));
    m_paidCaption->setText(budgettexts::kPaidTotal.in(L));
    m_varianceCaption->setText(budgettexts::kVarianceTotal.in(L));
    keepCaptionsWhole();
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

    // Amounts the user typed are read as the language writes them.
    const model::BudgetSummary summary = model::summarize(budget, L);
    refreshChart(summary, L);
    refreshTileTotals(summary, L);
    refreshFollowUp(summary, L);
    ContingencyAmount->setText(u"= "_s + base::tengeAmount(summary.contingency, L));
    BudgetTotal->setText(summary.priced ? base::tiynAmount(summary.grandTotalTiyn, L) : kWaiting.in(L));
    setSheet(CurrencyRate, summary.rateInvalid ? kBadStyle : QString());
    CurrencyRate->setToolTip(summary.rateInvalid ? kBadRate.in(L) : QString());
    CurrencyTotal->setText(summary.currencyHundredths
                               ? kConverted.in(L).arg(base::currencyAmount(*summary.currencyHundredths, settings.currencyCode, L))
                               : QString());
}

void BudgetPanel::refreshFollowUp(const model::BudgetSummary &summary, base::Language L)
{
    const model::FollowUpTotals &known = summary.followUp;
    const auto show = [&](QLabel *label, bool isKnown, qint64 tiyn) {
        label->setText(known.overflow ? kWaiting.in(L) : isKnown ? base::tiynAmount(tiyn, L) : budgettexts::kNotKnownYet.in(L));
        setSheet(label, isKnown && !known.overflow ? QString() : kUnknownStyle);
    };
    show(ActualTotal, known.anyActual, known.actual);
    show(PaidTotal, known.anyPaid, known.paid);
    const bool variance = known.anyActual && !known.estimateWaits;
    show(VarianceTotal, variance, known.variance);
    if (variance && !known.overflow) {
        // Over the estimate in red, with its sign; under it in teal.
        if (known.variance > 0)
            VarianceTotal->setText(u'+' + VarianceTotal->text());
        setSheet(VarianceTotal, known.variance > 0 ? kOverStyle : known.variance < 0 ? kUnderStyle : QString());
    }
}

void BudgetPanel::refreshChart(const model::BudgetSummary &summary, base::Language L)
{
    const int before = m_chart->readableHeight();
    m_chart->setReport(report::budgetOverview(m_document.budget(), summary, L));
    m_chart->setMinimumHeight(m_chart->readableHeight());
    if (m_chart->readableHeight() != before)
        m_content->updateGeometry();
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
        QWidget *tile = total->parentWidget();
        const bool small = tile->height() < kSmallTile;
        if (!total->styleSheet().isEmpty()) // styled from the menu's first show on
            setSheet(total, small ? kSmallTileStyle : kTileStyle);
        total->adjustSize();
        total->move(tile->width() - total->width() - (small ? 5 : 8), tile->height() - total->height() - (small ? 3 : 6));
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
    arrange(width() - 6);
    raise();
    refresh();
}

} // namespace torvane::ui::budget
