#pragma once

// Shared fixtures of the widget tests: the program's screens as started,
// and a user's choices on them. The model fixtures come along.

#include "model/modelsupport.h"

#include "app/startup.h"
#include "base/assetpath.h"
#include "base/language.h"
#include "model/budget.h"
#include "ui/common/display.h"
#include "ui/common/errorreporter.h"
#include "ui/common/oneshottimer.h"
#include "ui/sections/sectionscreen.h"
#include "ui/shell/code_login.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSettings>
#include <QTest>

#include <memory>

namespace torvane::test {

using namespace Qt::StringLiterals;

// Runs every pending deferred step of a screen now, in timer order.
inline void settle(QWidget *screen)
{
    ui::common::runPendingSteps(screen);
}

// The whole program's screens, created as at start-up, with errors recorded
// instead of shown. The start screen gets a known client size.
struct Screens {
    std::unique_ptr<ui::shell::TForm_login> login;
    static inline bool keepRememberedLanguage = false;

    explicit Screens(QSize size = QSize(1366, 740), const QString &budgetAtStart = {})
    {
        ui::common::ErrorReporter::instance().setRecording(true);
        ui::common::ErrorReporter::instance().clearRecorded();
        // Every program starts as on a first run unless a test says otherwise.
        if (!keepRememberedLanguage)
            QSettings().remove(u"language"_s);
        login = app::createScreens(budgetAtStart);
        login->resize(size);
        settle(login.get());
    }
    ~Screens() { ui::common::ErrorReporter::instance().clearRecorded(); }

    template<typename T = QWidget>
    T *screen(const QString &name) const
    {
        return login->findChild<T *>(name, Qt::FindDirectChildrenOnly);
    }
    // The language the screens read, and the one the program's messages speak.
    void setLanguage(int code)
    {
        login->Edit1->setText(QString::number(code));
        if (base::isLanguage(code))
            ui::common::ErrorReporter::instance().setLanguage(base::Language(code));
    }

    // Shows a section in a language and runs its show steps.
    ui::sections::SectionScreen *openSection(const QString &name, int language)
    {
        setLanguage(language);
        auto *section = screen<ui::sections::SectionScreen>(name);
        section->hide();
        section->present();
        settle(section);
        return section;
    }
};

// Selects an option (as a user would) and types a quantity, then runs the pass.
inline void choose(ui::sections::SectionScreen *s, int tab, int row, int column, int position)
{
    s->comboBox(tab, row, column)->setCurrentIndex(position);
}
inline void type(ui::sections::SectionScreen *s, int tab, int row, int column, const QString &text)
{
    s->edit(tab, row, column)->setText(text);
}

} // namespace torvane::test
