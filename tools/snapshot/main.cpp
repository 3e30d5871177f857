// Renders every screen of the program in every language to PNG files, so the
// look of a change can be checked without a display.
//
//   torvane-snapshot --out DIR [--size 1366x768] [--demo] [--reports]
//
// --demo fills a row of every group; --reports also saves each section's
// report (in each language) into DIR/reports without opening it.

#include "ui/budget/budgetactions.h"
#include "ui/budget/budgetdocument.h"
#include "ui/budget/budgetrecovery.h"
#include "ui/common/errorreporter.h"
#include "ui/common/oneshottimer.h"
#include "app/startup.h"
#include "ui/common/torvaneapplication.h"
#include "ui/sections/sectionscreen.h"
#include "report/reportfolder.h"
#include "report/spreadsheethost.h"
#include "model/sectionlist.h"
#include "ui/shell/code_login.h"
#include "ui/shell/screenframe.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;
using namespace torvane;

namespace {

bool save(QWidget *widget, const QString &file)
{
    if (!widget->grab().save(file)) {
        std::fprintf(stderr, "torvane-snapshot: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

// A few filled rows so that amounts, subtotals and the total show.
void fillDemo(ui::sections::SectionScreen *section)
{
    for (int t = 1; t <= section->catalogue().tabCount(); ++t) {
        const model::TabSpec &tab = section->catalogue().tabs[t - 1];
        for (const model::GroupSpec &group : tab.groups) {
            const int r = group.firstRow;
            for (int c = 1; c <= group.columnCount(); ++c) {
                if (QComboBox *box = section->comboBox(t, r, c); box && box->count() > 0)
                    box->setCurrentIndex(box->count() - 1);
                else if (QLineEdit *field = section->edit(t, r, c); field && !field->isReadOnly()
                         && group.columns[c - 1].role == model::ColumnRole::Quantity)
                    field->setText(u"2"_s);
            }
        }
    }
    ui::common::runPendingSteps(section);
}

} // namespace

int main(int argc, char **argv)
{
    QString out = u"snapshots"_s;
    QString size = u"1366x768"_s;
    bool demo = false;
    bool reports = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--out") && i + 1 < argc)
            out = QString::fromLocal8Bit(argv[++i]);
        else if (!std::strcmp(argv[i], "--size") && i + 1 < argc)
            size = QString::fromLocal8Bit(argv[++i]);
        else if (!std::strcmp(argv[i], "--demo"))
            demo = true;
        else if (!std::strcmp(argv[i], "--reports"))
            demo = reports = true;
        else {
            std::fprintf(stderr, "usage: torvane-snapshot --out DIR [--size WxH] [--demo] [--reports]\n");
            return 2;
        }
    }
    const QStringList dims = size.split(u'x');
    const int width = dims.value(0).toInt();
    const int height = dims.value(1).toInt();
    if (width <= 0 || height <= 0) {
        std::fprintf(stderr, "torvane-snapshot: bad size %s\n", qPrintable(size));
        return 2;
    }

    // An offscreen screen of the asked size.
    QTemporaryDir scratch;
    const QString config = scratch.filePath(u"screen.json"_s);
    QFile json(config);
    if (!json.open(QIODevice::WriteOnly))
        return 1;
    json.write(u"{\"screens\":[{\"name\":\"snapshot\",\"x\":0,\"y\":0,\"width\":%1,\"height\":%2,\"logicalDpi\":96,\"dpr\":1}]}"_s
                   .arg(width)
                   .arg(height)
                   .toUtf8());
    json.close();
    qputenv("QT_QPA_PLATFORM", u"offscreen:configfile=%1"_s.arg(config).toLocal8Bit());

    ui::common::TorvaneApplication application(argc, argv);
    // Settings and recovery copies of a snapshot run never mix with the user's.
    QStandardPaths::setTestModeEnabled(true);
    ui::common::ErrorReporter::instance().setRecording(true);
    QDir().mkpath(out);
    QString savedReport; // the report the last save button wrote, as it was shown
    if (reports) {
        QDir().mkpath(out + u"/reports"_s);
        report::setReportFolderForTesting(out + u"/reports"_s);
        report::SpreadsheetHost::setOpenerForTesting([&savedReport](const QString &path) {
            savedReport = path;
            return true;
        });
    }

    auto login = app::createScreens();
    login->showMaximized();
    ui::common::runPendingSteps(login.get());
    bool ok = save(login.get(), out + u"/start.png"_s);

    static const char *const languages[] = {"fr", "ru", "en"};
    static const QString inner[] = {u"Form_main"_s, u"Form_consult"_s, u"Form_faq"_s};
    for (const base::Language language : base::kLanguages) {
        login->findChild<QLineEdit *>(u"Edit1"_s)->setText(QString::number(base::codeOf(language)));
        ui::common::ErrorReporter::instance().setLanguage(language);
        const QString suffix = u"_"_s + QLatin1String(languages[base::codeOf(language)]);
        for (const QString &name : inner) {
            auto *screen = login->findChild<ui::shell::ScreenFrame *>(name, Qt::FindDirectChildrenOnly);
            screen->present();
            ui::common::runPendingSteps(screen);
            ok &= save(screen, out + u"/"_s + name.mid(5) + suffix + u".png"_s);
            screen->hide();
        }
        for (const model::SectionCatalogue *catalogue : model::allCatalogues()) {
            const QString name = QString::fromUtf16(catalogue->screenName);
            auto *section = login->findChild<ui::sections::SectionScreen *>(name, Qt::FindDirectChildrenOnly);
            section->present();
            ui::common::runPendingSteps(section);
            if (demo)
                fillDemo(section);
            for (int t = 1; t <= catalogue->tabCount(); ++t) {
                section->ButtonClick(t);
                QCoreApplication::processEvents();
                ok &= save(section, out + u"/"_s + name.mid(5) + u"_tab"_s + QString::number(t) + suffix + u".png"_s);
            }
            section->ButtonClick(1);
            if (reports) {
                savedReport.clear();
                section->Image1Click();
                if (!savedReport.isEmpty())
                    QFile::rename(savedReport, savedReport.chopped(4) + suffix + u".xls"_s);
            }
            section->hide();
        }
        // The main menu once more, its overview following what the sections hold.
        auto *menu = login->findChild<ui::shell::ScreenFrame *>(u"Form_main"_s, Qt::FindDirectChildrenOnly);
        menu->present();
        ui::common::runPendingSteps(menu);
        if (demo) {
            // Something arrived since the estimate: a quote, a payment, a line of one's own.
            model::Budget &budget = app::documentOf(*login)->budget();
            if (budget.ownLines().empty()) {
                const int logistics = budget.indexOf(u"Form_logistic"_s);
                budget.setFollowUp(logistics, 1, 1, {u"64 500"_s, u"30 000"_s, u"Air Astana"_s, QDate(2017, 5, 2), u"Invoice 118"_s});
                budget.addOwnLine({-1, u"Stand design agency"_s, u"450 000"_s, {u"470 000"_s, {}, u"Atelier Nord"_s, {}, {}}});
            }
            QCoreApplication::processEvents();
        }
        ok &= save(menu, out + u"/main_filled"_s + suffix + u".png"_s);
        if (demo) {
            ui::budget::BudgetActions::actionOf(menu, ui::budget::BudgetActions::Id::FollowUp)->trigger();
            if (auto *window = login->findChild<ui::shell::ScreenFrame *>(u"Form_followup"_s, Qt::FindDirectChildrenOnly)) {
                ui::common::runPendingSteps(window);
                QCoreApplication::processEvents();
                ok &= save(window, out + u"/followup"_s + suffix + u".png"_s);
                window->hide();
            }
        }
        menu->hide();
    }
    // A snapshot's budget is no work of anybody's: nothing to offer back next time.
    if (const ui::budget::BudgetRecovery *recovery = app::recoveryOf(*login))
        QFile::remove(recovery->path());
    app::releaseLocks(*login);
    for (const QString &message : ui::common::ErrorReporter::instance().recorded())
        std::fprintf(stderr, "reported: %s\n", qUtf8Printable(message));
    return ok ? 0 : 1;
}
