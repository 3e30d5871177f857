#pragma once

// Shared fixtures of the test programs.

#include "app/assetpath.h"
#include "app/display.h"
#include "app/errorreporter.h"
#include "app/oneshottimer.h"
#include "app/startup.h"
#include "calc/decimalformat.h"
#include "calc/recalculationpass.h"
#include "calc/sectionscreen.h"
#include "shell/code_login.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHash>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace torvane::test {

using namespace Qt::StringLiterals;

// Inputs of the pure pass, given as a table: positions and field texts by cell.
class TableInputs : public calc::SectionInputs
{
public:
    TableInputs &choose(int tab, int row, int column, int position)
    {
        m_positions.insert(key(tab, row, column), position);
        return *this;
    }
    TableInputs &type(int tab, int row, int column, const QString &text)
    {
        m_texts.insert(key(tab, row, column), text);
        return *this;
    }
    int position(int tab, int row, int column) const override { return m_positions.value(key(tab, row, column), -1); }
    QString text(int tab, int row, int column) const override { return m_texts.value(key(tab, row, column)); }

private:
    static int key(int tab, int row, int column) { return (tab * 100 + row) * 10 + column; }
    QHash<int, int> m_positions;
    QHash<int, QString> m_texts;
};

// The figures of a pass that must succeed.
inline calc::SectionFigures priced(const calc::SectionCatalogue &catalogue, const calc::SectionInputs &inputs,
                                   const calc::DecimalFormat &format = calc::DecimalFormat(QLocale::c()))
{
    const calc::PassResult result = calc::recalculate(catalogue, inputs, format);
    if (const auto *failure = std::get_if<calc::PassFailure>(&result)) {
        qWarning("unexpected failure: %s", qUtf8Printable(failure->message));
        return {};
    }
    return std::get<calc::SectionFigures>(result);
}

// The sum text of row r of tab t in a pass's figures ("" if the row is not priced there).
inline QString rowSum(const calc::SectionFigures &figures, int tab, int row)
{
    for (const calc::RowFigure &figure : figures.rows)
        if (figure.cell.tab == tab && figure.cell.row == row)
            return figure.text;
    return {};
}

// One row's inputs: option positions and quantity texts by column 1..n; a
// null text leaves its field untouched (empty).
inline TableInputs rowInputs(int tab, int row, const QList<int> &positions, const QStringList &quantities)
{
    TableInputs inputs;
    for (int c = 1; c <= int(positions.size()); ++c)
        inputs.choose(tab, row, c, positions[c - 1]);
    for (int c = 1; c <= int(quantities.size()); ++c)
        if (!quantities[c - 1].isNull())
            inputs.type(tab, row, c, quantities[c - 1]);
    return inputs;
}

// A table of single-row price cases: the row's sum, its tab's subtotal and
// the section total must all read the expected text.
inline void addRowPriceColumns()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("positions");   // by column 1..n, -1 = none
    QTest::addColumn<QStringList>("quantities"); // by column 1..n, null = untouched
    QTest::addColumn<QString>("sum");
}

inline void checkRowPrice(const calc::SectionCatalogue &catalogue)
{
    QFETCH(int, tab);
    QFETCH(int, row);
    QFETCH(QList<int>, positions);
    QFETCH(QStringList, quantities);
    QFETCH(QString, sum);
    const calc::SectionFigures figures = priced(catalogue, rowInputs(tab, row, positions, quantities));
    QCOMPARE(rowSum(figures, tab, row), sum);
    QCOMPARE(figures.subtotals.value(tab - 1), sum);
    QCOMPARE(figures.total, sum);
}

// Runs every pending deferred step of a screen now, in timer order.
inline void settle(QWidget *screen)
{
    app::runPendingSteps(screen);
}

// The whole program's screens, created as at start-up, with errors recorded
// instead of shown. The start screen gets a known client size.
struct Screens {
    std::unique_ptr<shell::TForm_login> login;

    explicit Screens(QSize size = QSize(1366, 740))
    {
        app::ErrorReporter::instance().setRecording(true);
        app::ErrorReporter::instance().clearRecorded();
        login = app::createScreens();
        login->resize(size);
        settle(login.get());
    }
    ~Screens() { app::ErrorReporter::instance().clearRecorded(); }

    template<typename T = QWidget>
    T *screen(const QString &name) const
    {
        return login->findChild<T *>(name, Qt::FindDirectChildrenOnly);
    }
    void setLanguage(int code) { login->Edit1->setText(QString::number(code)); }

    // Shows a section in a language and runs its show steps.
    calc::SectionScreen *openSection(const QString &name, int language)
    {
        setLanguage(language);
        auto *section = screen<calc::SectionScreen>(name);
        section->hide();
        section->present();
        settle(section);
        return section;
    }
};

// Selects an option (as a user would) and types a quantity, then runs the pass.
inline void choose(calc::SectionScreen *s, int tab, int row, int column, int position)
{
    s->comboBox(tab, row, column)->setCurrentIndex(position);
}
inline void type(calc::SectionScreen *s, int tab, int row, int column, const QString &text)
{
    s->edit(tab, row, column)->setText(text);
}

} // namespace torvane::test

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace torvane::test {

// A written workbook as an independent reader sees it (xlrd for .xls,
// openpyxl for .xlsx), as JSON; empty on failure, with the reason warned.
inline QJsonObject readBack(const QString &path)
{
    QProcess python;
    python.start(QStringLiteral(TORVANE_PYTHON), {QStringLiteral(TORVANE_TEST_DIR "/readback_workbook.py"), path});
    if (!python.waitForFinished(120000) || python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0) {
        qWarning("reading %s back failed: %s", qUtf8Printable(path), python.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

} // namespace torvane::test
