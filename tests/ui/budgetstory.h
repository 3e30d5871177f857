#pragma once

// What the budget's widget tests share: the open budget and its parts as
// the program made them, and a small pavilion budget typed on the screens.

#include "testsupport.h"

#include "ui/budget/budgetdocument.h"
#include "ui/budget/budgetfilechooser.h"
#include "ui/budget/budgetoutputs.h"
#include "ui/budget/budgetrecovery.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace torvane::test {

inline ui::budget::BudgetDocument *documentOf(const Screens &screens)
{
    return app::documentOf(*screens.login);
}
inline ui::budget::BudgetRecovery *recoveryOf(const Screens &screens)
{
    return app::recoveryOf(*screens.login);
}
inline ui::budget::BudgetOutputs *outputsOf(const Screens &screens)
{
    return app::outputsOf(*screens.login);
}

// Settings, recovery copies and documents of a test run stay in a folder of its own.
inline void keepFilesIn(const QTemporaryDir &home)
{
    qputenv("XDG_DATA_HOME", home.filePath(u"data"_s).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(u"config"_s).toLocal8Bit());
    base::DecimalFormat::setRegionalForTesting(QLocale::c());
}

// What every budget widget test does around its test functions: its own
// home for settings and recovery copies, a fresh folder for each function's
// files, and no file chooser or answers left from the function before.
struct BudgetTestCase {
    QTemporaryDir home;
    std::unique_ptr<QTemporaryDir> folder;

    void start() { keepFilesIn(home); }
    void next()
    {
        folder = std::make_unique<QTemporaryDir>();
        ui::budget::BudgetFileChooser::setForTesting({});
        ui::common::ErrorReporter::instance().setAnswersForTesting({});
    }
    void done() { ui::budget::BudgetFileChooser::setForTesting({}); }
};

// Logistics Astana to Almaty for 2 adults, and one construction row.
inline void fillStory(Screens &screens)
{
    ui::sections::SectionScreen *logistics = screens.openSection(u"Form_logistic"_s, 2);
    choose(logistics, 1, 1, 1, 0);
    choose(logistics, 1, 1, 2, 0);
    type(logistics, 1, 1, 3, u"2"_s);
    settle(logistics);
    ui::sections::SectionScreen *construction = screens.openSection(u"Form_construct"_s, 2);
    choose(construction, 1, 1, 3, 0);
    type(construction, 1, 1, 2, u"10"_s);
    settle(construction);
}

inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace torvane::test
