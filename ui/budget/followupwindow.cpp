#include "ui/budget/followupwindow.h"

#include "model/budget.h"
#include "model/followupbook.h"
#include "model/followupmodel.h"
#include "ui/budget/budgetactions.h"
#include "ui/budget/budgetlook.h"
#include "ui/budget/budgettexts.h"
#include "ui/budget/followupdelegate.h"
#include "ui/budget/followupproxy.h"
#include "ui/budget/followupview.h"
#include "ui/common/budgeteditor.h"
#include "ui/common/ownundoblocker.h"
#include "ui/common/errorreporter.h"
#include "ui/common/oneshottimer.h"
#include "ui/common/picture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;
using Model = model::FollowUpModel;
namespace texts = budgettexts;

namespace {

const QString kTableSheet = uR"(
#FollowUpCard QTableView { background: #ffffff; border: 1px solid #cfdbe7; border-radius: 4px; gridline-color: #e3eaf2;
    selection-background-color: #c9ece7; selection-color: #0b2545; }
#FollowUpCard QHeaderView::section { background: #eef7f5; color: #0b2545; font-weight: bold; padding: 4px 6px;
    border: none; border-right: 1px solid #d5e3ea; border-bottom: 2px solid #13a89e; }
#FollowUpCard QTableView QLineEdit, #FollowUpCard QTableView QAbstractSpinBox, #FollowUpCard QTableView QComboBox {
    border: 1px solid #13a89e; border-radius: 0; padding: 0 3px; }
#FollowUpCard QTableView QPlainTextEdit { background: #ffffff; color: #0b2545; border: 2px solid #13a89e; }
)"_s;

constexpr int kSpacing = 8;

} // namespace

FollowUpWindow *FollowUpWindow::of(shell::ScreenHost *login, model::Budget &budget, BudgetActions &actions)
{
    if (auto *window = login->findChild<FollowUpWindow *>(u"Form_followup"_s, Qt::FindDirectChildrenOnly))
        return window;
    return new FollowUpWindow(login, budget, actions);
}

FollowUpWindow::FollowUpWindow(shell::ScreenHost *login, model::Budget &budget, BudgetActions &actions)
    : ScreenFrame(u"Form_followup"_s, texts::kFollowUpCaption, login)
    , m_budget(budget)
{
    m_model = new Model(budget, this);
    // Edits pass through the budget's editor, like every other edit.
    common::BudgetEditor &editor = common::BudgetEditor::of(budget);
    m_model->setApply([&editor](const Model::Change &change) { editor.apply(change); });
    m_proxy = new FollowUpProxy(this);
    m_proxy->setSourceModel(m_model);

    m_card = new QFrame(this);
    m_card->setObjectName(u"FollowUpCard"_s);
    m_card->setStyleSheet(look::cardSheet(m_card->objectName()) + kTableSheet);

    // Made in reading order, which is also the order of the keyboard focus.
    m_heading = new QLabel(m_card);
    m_heading->setObjectName(u"FollowUpHeading"_s);
    QFont heading = m_heading->font();
    heading.setPixelSize(18);
    heading.setBold(true);
    m_heading->setFont(heading);
    AddLine = new QPushButton(m_card);
    AddLine->setObjectName(u"AddLine"_s);
    AddLine->setProperty("accent", true);
    RemoveLine = new QPushButton(m_card);
    RemoveLine->setObjectName(u"RemoveLine"_s);
    actions.installOn(this);
    ExportCsv = new QToolButton(m_card);
    ExportCsv->setObjectName(u"ExportFollowUpCsv"_s);
    ExportCsv->setDefaultAction(BudgetActions::actionOf(this, BudgetActions::Id::ExportFollowUpCsv));
    ExportCsv->setToolButtonStyle(Qt::ToolButtonTextOnly);

    m_sectionCaption = new QLabel(m_card);
    FollowUpSection = new QComboBox(m_card);
    FollowUpSection->setObjectName(u"FollowUpSection"_s);
    FollowUpSection->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_sectionCaption->setBuddy(FollowUpSection);
    FollowUpSearch = new QLineEdit(m_card);
    FollowUpSearch->setObjectName(u"FollowUpSearch"_s);
    FollowUpSearch->setClearButtonEnabled(true);
    FollowUpOverEstimate = new QCheckBox(m_card);
    FollowUpOverEstimate->setObjectName(u"FollowUpOverEstimate"_s);
    FollowUpNotFullyPaid = new QCheckBox(m_card);
    FollowUpNotFullyPaid->setObjectName(u"FollowUpNotFullyPaid"_s);

    FollowUpTable = new FollowUpView(m_card);
    FollowUpTable->setModel(m_proxy);
    m_delegate = new FollowUpDelegate(budget, *m_model, FollowUpTable);
    FollowUpTable->setItemDelegate(m_delegate);
    FollowUpTable->verticalHeader()->setDefaultSectionSize(FollowUpTable->fontMetrics().height() + 12);

    auto *card = new QVBoxLayout(m_card);
    card->setContentsMargins(16, 10, 14, 12);
    card->setSpacing(kSpacing);
    m_toolRows = new QVBoxLayout;
    m_toolRows->setSpacing(6);
    card->addLayout(m_toolRows);
    card->addWidget(FollowUpTable, 1);

    connect(AddLine, &QPushButton::clicked, this, [this] { common::guarded([this] { AddLineClick(); }); });
    connect(RemoveLine, &QPushButton::clicked, this, [this] { common::guarded([this] { RemoveLineClick(); }); });
    connect(FollowUpSection, &QComboBox::currentIndexChanged, this, [this] {
        m_proxy->setSection(FollowUpSection->currentData().isValid() ? FollowUpSection->currentData().toInt()
                                                                     : FollowUpProxy::kAllSections);
    });
    connect(FollowUpSearch, &QLineEdit::textChanged, m_proxy, &FollowUpProxy::setSearch);
    connect(FollowUpOverEstimate, &QCheckBox::toggled, m_proxy, &FollowUpProxy::setOverEstimateOnly);
    connect(FollowUpNotFullyPaid, &QCheckBox::toggled, m_proxy, &FollowUpProxy::setNotFullyPaidOnly);

    // A refused text: the cell keeps its value, is marked, and the user is told why once.
    connect(m_model, &Model::refused, this, [this](const QModelIndex &index, const QString &, const QString &why) {
        m_delegate->mark(index, why);
        FollowUpTable->viewport()->update();
        common::ErrorReporter::instance().report(why);
    });

    connect(FollowUpTable->selectionModel(), &QItemSelectionModel::currentChanged, this, &FollowUpWindow::updateRemovable);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &FollowUpWindow::updateRemovable);
    connect(m_proxy, &QAbstractItemModel::layoutChanged, this, &FollowUpWindow::updateRemovable);
    connect(m_proxy, &QAbstractItemModel::rowsRemoved, this, &FollowUpWindow::updateRemovable);
    // Columns widen for figures that grew, once the changes of one moment are in.
    const auto growLater = [this] {
        if (m_growPending || !isVisible())
            return;
        m_growPending = true;
        QTimer::singleShot(0, this, [this] {
            m_growPending = false;
            FollowUpTable->growToContents();
        });
    };
    connect(m_model, &QAbstractItemModel::dataChanged, this, growLater);
    connect(m_model, &QAbstractItemModel::modelReset, this, growLater);

    // An undo or redo of a follow-up edit shows its cell, when the window is open.
    connect(&editor, &common::BudgetEditor::actedOn, this, [this](const common::BudgetPlace &place) { showPlace(place); });
    common::OwnUndoBlocker::installOnFieldsOf(this);

    Timer1->setHandler([this] { Timer1Timer(); });
    retranslate();
}

void FollowUpWindow::showPlace(const common::BudgetPlace &place)
{
    using Kind = common::BudgetPlace::Kind;
    if (!isVisible() || (place.kind != Kind::FollowUp && place.kind != Kind::OwnLine))
        return;
    const int row = place.kind == Kind::OwnLine ? m_model->rowOfOwnLine(place.ownIndex)
                                                : m_model->rowOfCatalogueRow(place.section, place.tab, place.row);
    if (row < 0)
        return;
    const QModelIndex shown = m_proxy->mapFromSource(m_model->index(row, std::max(place.column, 0)));
    if (!shown.isValid())
        return; // filtered out: the filters stay as the user set them
    FollowUpTable->setCurrentIndex(shown);
    FollowUpTable->scrollTo(shown);
    FollowUpTable->setFocus(Qt::OtherFocusReason);
}

void FollowUpWindow::retranslate()
{
    const base::Language L = language();
    m_heading->setText(texts::kFollowUpCaption.in(L));
    AddLine->setText(texts::kAddLine.in(L));
    AddLine->setToolTip(texts::kAddLineHint.in(L));
    RemoveLine->setText(texts::kRemoveLine.in(L));
    RemoveLine->setToolTip(texts::kRemoveLineHint.in(L));
    m_sectionCaption->setText(texts::kSectionFilter.in(L));
    FollowUpSearch->setPlaceholderText(texts::kSearchHint.in(L));
    FollowUpSearch->setAccessibleName(texts::kSearchHint.in(L));
    FollowUpOverEstimate->setText(texts::kOverEstimateOnly.in(L));
    FollowUpNotFullyPaid->setText(texts::kNotFullyPaidOnly.in(L));
    FollowUpTable->setAccessibleName(texts::kFollowUpCaption.in(L));
}

void FollowUpWindow::fillSections()
{
    const QVariant chosen = FollowUpSection->currentData();
    const QSignalBlocker blocker(FollowUpSection);
    FollowUpSection->clear();
    FollowUpSection->addItem(texts::kAllSections.in(language()), FollowUpProxy::kAllSections);
    for (const int section : model::sectionsInMenuOrder(m_budget))
        FollowUpSection->addItem(m_model->sectionName(section), section);
    FollowUpSection->addItem(m_model->sectionName(-1), -1);
    FollowUpSection->setCurrentIndex(std::max(0, FollowUpSection->findData(chosen)));
}

void FollowUpWindow::fitColumns()
{
    // The headers and the section names of every language.
    QList<QStringList> byLanguage;
    QStringList names;
    for (const base::Language L : base::kLanguages) {
        QStringList row;
        for (int column = 0; column < Model::ColumnCount; ++column)
            row << Model::columnTitle(column, L);
        byLanguage << row;
        for (const int section : model::sectionsInMenuOrder(m_budget))
            names << m_budget.catalogue(section).caption.in(L);
        names << Model::otherCostsName(L);
    }
    FollowUpTable->fitColumns(byLanguage, names);
}

void FollowUpWindow::showContent()
{
    if (!base::isLanguage(langin))
        return;
    const base::Language L = language();
    retranslate();
    m_model->setLanguage(L);
    m_proxy->setLanguage(L);
    fillSections();
    m_arrangedFor = -1; // the layout step fits the columns for the window's width
    updateRemovable();
}

void FollowUpWindow::arrangeTools(int width)
{
    m_arrangedFor = width;
    while (QLayoutItem *item = m_toolRows->takeAt(0)) {
        if (QLayout *row = item->layout())
            while (QLayoutItem *inner = row->takeAt(0))
                delete inner;
        delete item;
    }
    const int room = width - 30; // the card's margins
    struct Piece {
        QList<QWidget *> widgets;
        int stretch = 0;
        int least = 0;
    };
    const auto piece = [](QList<QWidget *> widgets, int stretch = 0, int least = 0) {
        Piece p{std::move(widgets), stretch, 0};
        for (QWidget *w : p.widgets)
            p.least += w->sizeHint().width() + kSpacing;
        p.least = std::max(p.least, least);
        return p;
    };
    // As many pieces on a row as fit, in order.
    const auto flow = [this, room](const QList<Piece> &pieces, bool headingFirst) {
        QHBoxLayout *row = nullptr;
        int used = 0;
        bool stretches = false;
        const auto close = [&] {
            // A row of fixed pieces keeps them together on the left.
            if (row && !stretches)
                row->addStretch(1);
        };
        for (int i = 0; i < pieces.size(); ++i) {
            const Piece &p = pieces[i];
            if (!row || used + p.least > room) {
                close();
                row = new QHBoxLayout;
                row->setSpacing(kSpacing);
                m_toolRows->addLayout(row);
                used = 0;
                stretches = false;
            }
            for (QWidget *w : p.widgets)
                row->addWidget(w, p.stretch);
            used += p.least;
            stretches |= p.stretch > 0;
            if (headingFirst && i == 0) {
                row->addStretch(1);
                stretches = true;
            }
        }
        close();
    };
    const Piece heading = piece({m_heading});
    const QList<Piece> buttons{piece({AddLine}), piece({RemoveLine}), piece({ExportCsv})};
    int allButtons = 0;
    for (const Piece &p : buttons)
        allButtons += p.least;
    if (heading.least + allButtons <= room) {
        flow(QList<Piece>{heading} + buttons, true);
    } else {
        flow({heading}, false);
        flow(buttons, false);
    }
    flow({piece({m_sectionCaption, FollowUpSection}), piece({FollowUpSearch}, 1, 260), piece({FollowUpOverEstimate}),
          piece({FollowUpNotFullyPaid})},
         false);
}

void FollowUpWindow::Timer1Timer()
{
    layoutFrame();
    const int panel = Background2->width();
    const int margin = W() >= 1200 ? 30 : 14;
    m_card->setGeometry(panel + margin, margin, std::max(0, W() - panel - 2 * margin), std::max(0, H() - 2 * margin));
    if (m_card->width() != m_arrangedFor) {
        arrangeTools(m_card->width());
        // The columns share out the table's new width.
        m_card->layout()->activate();
        fitColumns();
    }
    Timer1->switchOff();
}

void FollowUpWindow::updateRemovable()
{
    const QModelIndex current = FollowUpTable->currentIndex();
    RemoveLine->setEnabled(current.isValid() && current.data(Model::OwnLineRole).toInt() >= 0);
}

void FollowUpWindow::AddLineClick()
{
    // In the section the table is narrowed to; else among the other costs.
    const int section = m_proxy->section() == FollowUpProxy::kAllSections ? -1 : m_proxy->section();
    model::OwnLine line;
    line.section = section;
    line.item = texts::kNewLineItem.in(language());
    const int added = common::BudgetEditor::of(m_budget).addOwnLine(line);
    const auto shown = [&] { return m_proxy->mapFromSource(m_model->index(m_model->rowOfOwnLine(added), Model::ItemColumn)); };
    QModelIndex index = shown();
    if (!index.isValid() && m_proxy->narrowed()) {
        // A new line is neither over its estimate nor found by a search: show it anyway.
        FollowUpOverEstimate->setChecked(false);
        FollowUpNotFullyPaid->setChecked(false);
        FollowUpSearch->clear();
        index = shown();
    }
    if (!index.isValid())
        return;
    FollowUpTable->setCurrentIndex(index);
    FollowUpTable->scrollTo(index);
    FollowUpTable->setFocus(Qt::OtherFocusReason);
    FollowUpTable->edit(index);
}

void FollowUpWindow::RemoveLineClick()
{
    const QModelIndex current = FollowUpTable->currentIndex();
    const int own = current.isValid() ? current.data(Model::OwnLineRole).toInt() : -1;
    if (own < 0 || own >= int(m_budget.ownLines().size()))
        return;
    using Answer = common::ErrorReporter::Answer;
    const QString question = texts::removeLineQuestion(m_budget.ownLines()[std::size_t(own)].item, language());
    if (common::ErrorReporter::instance().ask(question, {Answer::Yes, Answer::No}, Answer::No) == Answer::Yes)
        common::BudgetEditor::of(m_budget).removeOwnLine(own);
}

} // namespace torvane::ui::budget
