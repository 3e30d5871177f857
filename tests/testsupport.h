#pragma once

// Shared fixtures of the widget tests: the program's screens as started, one
// section screen alone, and a user's choices on them. The model fixtures
// come along.

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
#include "ui/shell/screenhost.h"

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

// Stands in for the start screen: a language code and a client size,
// nothing else.
class TestHost : public ui::shell::ScreenHost
{
public:
    int code = 1;
    int language() const override { return code; }
};

// One section screen alone, with a budget of its one section, over a stand-in
// for the start screen of a known client size; errors are recorded instead
// of shown.
struct SectionAlone {
    model::Budget budget;
    TestHost host;
    ui::sections::SectionScreen *s;

    explicit SectionAlone(const model::SectionCatalogue &catalogue, QSize size = QSize(1366, 740))
        : budget({&catalogue})
    {
        ui::common::ErrorReporter::instance().setRecording(true);
        ui::common::ErrorReporter::instance().clearRecorded();
        host.resize(size);
        s = new ui::sections::SectionScreen(catalogue, &host, budget);
        settle(s);
    }
    ~SectionAlone() { ui::common::ErrorReporter::instance().clearRecorded(); }

    // The language the screen reads, and the one the program's messages speak.
    void setLanguage(int code)
    {
        host.code = code;
        if (base::isLanguage(code))
            ui::common::ErrorReporter::instance().setLanguage(base::Language(code));
    }
    // Shows the screen in a language and runs its show steps.
    void show(int language)
    {
        setLanguage(language);
        s->hide();
        s->present();
        settle(s);
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
