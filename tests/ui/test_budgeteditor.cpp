// The budget's history, driven through its editor on a budget without any
// screen: steps, undo and redo with the entries, figures and modified mark
// after each; typing merged into one step; the bound; a refused quantity.

#include "base/decimalformat.h"
#include "model/budget.h"
#include "model/budgetsummary.h"
#include "model/sections/logistic.h"
#include "ui/common/budgeteditor.h"

#include <QTest>

using namespace torvane;
using namespace Qt::StringLiterals;
using ui::common::BudgetEditor;

namespace {

// Logistics alone; flights row 1: departure d, destination a, adults n,
// children c. Astana to Almaty costs 25000 an adult and 13000 a child.
struct Story {
    model::Budget budget{{&model::sections::logisticCatalogue()}};
    BudgetEditor &editor = BudgetEditor::of(budget);
    qint64 now = 0;

    Story()
    {
        editor.setClockForTesting([this] { return now; });
    }

    int cell(const QString &name) const
    {
        const int column = name == u"d"_s ? 1 : name == u"a"_s ? 2 : name == u"n"_s ? 3 : 4;
        return budget.entries(0).grid().indexOf(1, 1, column);
    }

    // One step of a script: "choose d 0", "type n 2", "undo", "redo",
    // "clear", "title Expo", "contingency 50", "save", "new", "restore n 7",
    // "end" (the focus moved); "+300" after a step lets that many ms pass first.
    void run(const QString &step)
    {
        QStringList words = step.split(u' ');
        if (words.last().startsWith(u'+'))
            now += words.takeLast().mid(1).toLongLong();
        const QString op = words.value(0);
        model::BudgetSettings settings = budget.settings();
        if (op == u"choose"_s)
            editor.setPosition(0, cell(words[1]), words[2].toInt());
        else if (op == u"type"_s)
            editor.setText(0, cell(words[1]), words.value(2));
        else if (op == u"undo"_s)
            editor.undo();
        else if (op == u"redo"_s)
            editor.redo();
        else if (op == u"clear"_s)
            editor.clearSection(0, false);
        else if (op == u"title"_s) {
            settings.title = words.value(1);
            editor.setSettings(settings);
        } else if (op == u"contingency"_s) {
            settings.contingencyTenths = words[1].toInt();
            editor.setSettings(settings);
        } else if (op == u"save"_s)
            budget.setModified(false); // what saving does to the budget
        else if (op == u"new"_s)
            budget.clearAll();
        else if (op == u"restore"_s) {
            model::Budget::Content content = budget.content();
            content.sections[0].setText(cell(words[1]), words[2]);
            budget.load(content, true); // a recovery copy: unsaved
        } else if (op == u"end"_s)
            editor.endTyping();
        else
            QFAIL(qPrintable(u"unknown step "_s + step));
    }

    // "d=0 a=0 n=2 c=0 total=50000 grand=52500 title=Expo *"
    QString state() const
    {
        const model::SectionEntries &e = budget.entries(0);
        const auto *figures = std::get_if<model::SectionFigures>(&budget.figures(0));
        const model::BudgetSummary summary = model::summarize(budget);
        return u"d=%1 a=%2 n=%3 c=%4 total=%5 grand=%6 title=%7%8"_s.arg(e.position(cell(u"d"_s)))
            .arg(e.position(cell(u"a"_s)))
            .arg(e.text(cell(u"n"_s)), e.text(cell(u"c"_s)), figures ? figures->total : u"refused"_s,
                 summary.priced ? QString::number(summary.grandTotal) : u"refused"_s, budget.settings().title,
                 budget.isModified() ? u" *"_s : QString());
    }
};

} // namespace

class TestBudgetEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { base::DecimalFormat::setRegionalForTesting(QLocale::c()); }

    void sequences_data();
    void sequences();
    void typingMerges_data();
    void typingMerges();
    void atMostAThousandSteps();
    void refusedQuantityUndone_data();
    void refusedQuantityUndone();
    void followUpAndOwnLines();
};

void TestBudgetEditor::sequences_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("states"); // after each step

    // Steps are 5 s apart here: no two of them are one burst of typing.
    const QString empty = u"d=-1 a=-1 n=0 c=0 total=0 grand=0 title="_s;
    const QString fare = u"d=0 a=0 n=0 c=0 total=0 grand=0 title="_s;
    const QString two = u"d=0 a=0 n=2 c=0 total=50000 grand=50000 title="_s;
    QTest::newRow("edits, undone and redone")
        << QStringList{u"choose d 0"_s, u"choose a 0"_s, u"type n 2"_s, u"undo"_s, u"undo"_s, u"redo"_s, u"redo"_s, u"redo"_s}
        << QStringList{u"d=0 a=-1 n=0 c=0 total=0 grand=0 title= *"_s, fare + u" *"_s, two + u" *"_s, fare + u" *"_s,
                       u"d=0 a=-1 n=0 c=0 total=0 grand=0 title= *"_s, fare + u" *"_s, two + u" *"_s, two + u" *"_s};
    QTest::newRow("everything undone: back to the untouched budget")
        << QStringList{u"choose d 0"_s, u"undo"_s, u"undo"_s} << QStringList{u"d=0 a=-1 n=0 c=0 total=0 grand=0 title= *"_s, empty, empty};
    QTest::newRow("a save in between: its step is clean")
        << QStringList{u"choose d 0"_s, u"choose a 0"_s, u"type n 2"_s, u"save"_s, u"type n 3"_s, u"undo"_s, u"undo"_s, u"redo"_s, u"redo"_s}
        << QStringList{u"d=0 a=-1 n=0 c=0 total=0 grand=0 title= *"_s, fare + u" *"_s, two + u" *"_s, two,
                       u"d=0 a=0 n=3 c=0 total=75000 grand=75000 title= *"_s, two, fare + u" *"_s, two,
                       u"d=0 a=0 n=3 c=0 total=75000 grand=75000 title= *"_s};
    QTest::newRow("saved, undone past the save and edited: the saved step is gone")
        << QStringList{u"choose d 0"_s, u"choose a 0"_s, u"type n 2"_s, u"save"_s, u"undo"_s, u"type n 5"_s, u"undo"_s, u"redo"_s}
        << QStringList{u"d=0 a=-1 n=0 c=0 total=0 grand=0 title= *"_s, fare + u" *"_s, two + u" *"_s, two, fare + u" *"_s,
                       u"d=0 a=0 n=5 c=0 total=125000 grand=125000 title= *"_s, fare + u" *"_s,
                       u"d=0 a=0 n=5 c=0 total=125000 grand=125000 title= *"_s};
    QTest::newRow("a cleared section comes back whole")
        << QStringList{u"choose d 0"_s, u"choose a 0"_s, u"type n 2"_s, u"type c 1"_s, u"clear"_s, u"undo"_s, u"redo"_s, u"undo"_s}
        << QStringList{u"d=0 a=-1 n=0 c=0 total=0 grand=0 title= *"_s, fare + u" *"_s, two + u" *"_s,
                       u"d=0 a=0 n=2 c=1 total=63000 grand=63000 title= *"_s, empty + u" *"_s,
                       u"d=0 a=0 n=2 c=1 total=63000 grand=63000 title= *"_s, empty + u" *"_s,
                       u"d=0 a=0 n=2 c=1 total=63000 grand=63000 title= *"_s};
    // 5.0 % of 50000 is 2500.
    QTest::newRow("settings: a title and a contingency")
        << QStringList{u"choose d 0"_s, u"choose a 0"_s, u"type n 2"_s, u"save"_s, u"title Expo"_s, u"contingency 50"_s, u"undo"_s,
                       u"undo"_s, u"redo"_s, u"redo"_s}
        << QStringList{u"d=0 a=-1 n=0 c=0 total=0 grand=0 title= *"_s, fare + u" *"_s, two + u" *"_s, two,
                       u"d=0 a=0 n=2 c=0 total=50000 grand=50000 title=Expo *"_s,
                       u"d=0 a=0 n=2 c=0 total=50000 grand=52500 title=Expo *"_s,
                       u"d=0 a=0 n=2 c=0 total=50000 grand=50000 title=Expo *"_s, two,
                       u"d=0 a=0 n=2 c=0 total=50000 grand=50000 title=Expo *"_s,
                       u"d=0 a=0 n=2 c=0 total=50000 grand=52500 title=Expo *"_s};
    QTest::newRow("a new edit drops what could be redone")
        << QStringList{u"choose d 0"_s, u"choose a 0"_s, u"type n 2"_s, u"undo"_s, u"type n 4"_s, u"redo"_s}
        << QStringList{u"d=0 a=-1 n=0 c=0 total=0 grand=0 title= *"_s, fare + u" *"_s, two + u" *"_s, fare + u" *"_s,
                       u"d=0 a=0 n=4 c=0 total=100000 grand=100000 title= *"_s,
                       u"d=0 a=0 n=4 c=0 total=100000 grand=100000 title= *"_s};
    QTest::newRow("a new budget starts a fresh history")
        << QStringList{u"choose d 0"_s, u"new"_s, u"undo"_s, u"choose d 0"_s, u"undo"_s}
        << QStringList{u"d=0 a=-1 n=0 c=0 total=0 grand=0 title= *"_s, empty, empty, u"d=0 a=-1 n=0 c=0 total=0 grand=0 title= *"_s,
                       empty};
    QTest::newRow("a restored copy: no step of it is saved")
        << QStringList{u"choose d 0"_s, u"choose a 0"_s, u"restore n 2"_s, u"undo"_s, u"type n 3"_s, u"undo"_s}
        << QStringList{u"d=0 a=-1 n=0 c=0 total=0 grand=0 title= *"_s, fare + u" *"_s, two + u" *"_s, two + u" *"_s,
                       u"d=0 a=0 n=3 c=0 total=75000 grand=75000 title= *"_s, two + u" *"_s};
}

void TestBudgetEditor::sequences()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, states);
    QCOMPARE(steps.size(), states.size());
    Story story;
    for (int i = 0; i < steps.size(); ++i) {
        story.now += 5000;
        story.run(steps[i]);
        QVERIFY2(story.state() == states[i],
                 qPrintable(u"after «%1» (step %2): %3"_s.arg(steps[i]).arg(i + 1).arg(story.state())));
    }
}

void TestBudgetEditor::typingMerges_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("undone"); // "n c d title" after each undo, until nothing is left

    // The field starts at "0"; the first key replaces it (its text was selected).
    QTest::newRow("keystrokes in one field are one step")
        << QStringList{u"type n 1"_s, u"type n 12 +300"_s, u"type n 125 +300"_s, u"type n 12 +300"_s} << QStringList{u"0 0 -1 "_s};
    QTest::newRow("a pause of more than two seconds starts the next")
        << QStringList{u"type n 1"_s, u"type n 12 +500"_s, u"type n 123 +2001"_s, u"type n 1234 +100"_s}
        << QStringList{u"12 0 -1 "_s, u"0 0 -1 "_s};
    QTest::newRow("two seconds exactly still merge")
        << QStringList{u"type n 1"_s, u"type n 12 +2000"_s} << QStringList{u"0 0 -1 "_s};
    QTest::newRow("a paste is one step, and typing after it the next")
        << QStringList{u"type n 1"_s, u"type n 1250 +100"_s, u"type n 12505 +100"_s}
        << QStringList{u"1250 0 -1 "_s, u"1 0 -1 "_s, u"0 0 -1 "_s};
    QTest::newRow("another field starts the next")
        << QStringList{u"type n 1"_s, u"type c 1 +100"_s, u"type n 12 +100"_s}
        << QStringList{u"1 1 -1 "_s, u"1 0 -1 "_s, u"0 0 -1 "_s};
    QTest::newRow("moving the focus away and back starts the next")
        << QStringList{u"type n 1"_s, u"end +100"_s, u"type n 12 +100"_s} << QStringList{u"1 0 -1 "_s, u"0 0 -1 "_s};
    QTest::newRow("choosing an option starts the next")
        << QStringList{u"type n 1"_s, u"choose d 0 +100"_s, u"type n 12 +100"_s}
        << QStringList{u"1 0 0 "_s, u"1 0 -1 "_s, u"0 0 -1 "_s};
    QTest::newRow("typed and taken back within the burst is no step")
        << QStringList{u"type n 05"_s, u"type n 0 +100"_s} << QStringList{};
    QTest::newRow("a title typed is one step")
        << QStringList{u"title E"_s, u"title Ex +200"_s, u"title Exp +200"_s, u"title Expo +200"_s} << QStringList{u"0 0 -1 "_s};
    QTest::newRow("an undo ends the burst")
        << QStringList{u"type n 1"_s, u"type c 1 +100"_s, u"undo +100"_s, u"type n 12 +100"_s}
        << QStringList{u"1 0 -1 "_s, u"0 0 -1 "_s};
}

void TestBudgetEditor::typingMerges()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, undone);
    Story story;
    for (const QString &step : std::as_const(steps))
        story.run(step);
    const auto fields = [&] {
        const model::SectionEntries &e = story.budget.entries(0);
        return u"%1 %2 %3 %4"_s.arg(e.text(story.cell(u"n"_s)), e.text(story.cell(u"c"_s)))
            .arg(e.position(story.cell(u"d"_s)))
            .arg(story.budget.settings().title);
    };
    QStringList seen;
    while (story.editor.canUndo() && seen.size() <= undone.size()) {
        story.editor.undo();
        seen << fields();
    }
    QCOMPARE(seen, undone);
}

void TestBudgetEditor::atMostAThousandSteps()
{
    Story story;
    for (int k = 1; k <= 1005; ++k) {
        story.now += 3000;
        story.editor.setText(0, story.cell(u"n"_s), QString::number(k));
    }
    QCOMPARE(story.editor.stepCount(), 1000);
    int undone = 0;
    while (story.editor.canUndo()) {
        story.editor.undo();
        ++undone;
    }
    QCOMPARE(undone, 1000);
    // The five oldest fell off: the untouched budget cannot come back, so it stays modified.
    QCOMPARE(story.state(), u"d=-1 a=-1 n=5 c=0 total=0 grand=0 title= *"_s);
    while (story.editor.canRedo())
        story.editor.redo();
    QCOMPARE(story.budget.entries(0).text(story.cell(u"n"_s)), u"1005"_s);
}

void TestBudgetEditor::refusedQuantityUndone_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << u"12a"_s;
    QTest::newRow("above 2147483647") << u"2147483648"_s;
}

void TestBudgetEditor::refusedQuantityUndone()
{
    QFETCH(QString, text);
    Story story;
    for (const QString &step : {u"choose d 0"_s, u"choose a 0"_s, u"type n 2"_s, u"type c 1"_s})
        story.run(step + u" +5000"_s);
    const QString before = u"d=0 a=0 n=2 c=1 total=63000 grand=63000 title= *"_s;
    QCOMPARE(story.state(), before);
    story.now += 5000;
    story.editor.setText(0, story.cell(u"n"_s), text); // pasted
    QCOMPARE(story.state(), u"d=0 a=0 n=%1 c=1 total=refused grand=refused title= *"_s.arg(text));
    QVERIFY(story.editor.canUndo());
    story.editor.undo();
    QCOMPARE(story.state(), before);
    story.editor.redo();
    QCOMPARE(story.state(), u"d=0 a=0 n=%1 c=1 total=refused grand=refused title= *"_s.arg(text));
}

void TestBudgetEditor::followUpAndOwnLines()
{
    Story story;
    model::Budget &budget = story.budget;
    model::FollowUpModel::Change row;
    row.section = 0;
    row.tab = 1;
    row.row = 2;
    row.followUp.paid = u"1000"_s;
    row.column = model::FollowUpModel::PaidColumn;
    story.editor.apply(row);
    const int at = story.editor.addOwnLine({0, u"Insurance"_s, u"5000"_s, {}});
    story.editor.addOwnLine({-1, u"Design agency"_s, u"9000"_s, {}}, 0);
    story.editor.removeOwnLine(1); // the insurance, pushed down by the agency
    QCOMPARE(at, 0);
    QCOMPARE(int(budget.ownLines().size()), 1);
    QCOMPARE(budget.ownLines()[0].item, u"Design agency"_s);
    QCOMPARE(story.editor.undoText(base::Language::English), u"Undo: removal of the line “Insurance”"_s);

    story.editor.undo();
    QCOMPARE(int(budget.ownLines().size()), 2);
    QCOMPARE(budget.ownLines()[1].item, u"Insurance"_s);
    QCOMPARE(budget.ownLines()[1].section, 0);
    story.editor.undo();
    story.editor.undo();
    QVERIFY(budget.ownLines().empty());
    QCOMPARE(story.editor.undoText(base::Language::English), u"Undo: Paid in Logistics and Transportation, Flights, row 2"_s);
    QCOMPARE(budget.followUp(0, 1, 2).paid, u"1000"_s);
    story.editor.undo();
    QVERIFY(budget.followUp(0, 1, 2).isEmpty());
    QVERIFY(!budget.isModified());
    QCOMPARE(story.editor.redoText(base::Language::French), u"Rétablir : Payé dans Logistique et transport, Vols onglet, ligne 2"_s);
    while (story.editor.canRedo())
        story.editor.redo();
    QCOMPARE(int(budget.ownLines().size()), 1);
    QCOMPARE(budget.followUp(0, 1, 2).paid, u"1000"_s);
}

QTEST_GUILESS_MAIN(TestBudgetEditor)
#include "test_budgeteditor.moc"
