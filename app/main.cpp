#include "ui/common/display.h"
#include "app/commandline.h"
#include "app/startup.h"
#include "ui/budget/budgetdocument.h"
#include "ui/common/errorreporter.h"
#include "ui/common/oneshottimer.h"
#include "ui/common/torvaneapplication.h"
#include "ui/shell/code_login.h"
#include "ui/common/picture.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Start-up measurements (bench/startup-vs-bare.sh) run the program as a whole
// process: TORVANE_QUIT_AFTER_FIRST_PAINT=1 ends it once the start screen is painted.
class QuitOnFirstPaint : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

} // namespace

int main(int argc, char **argv)
{
    // A budget written out without any window: torvane --export BUDGET OUT.
    if (argc >= 2 && std::strcmp(argv[1], "--export") == 0)
        return torvane::app::exportFromCommandLine(argc, argv);

    torvane::ui::common::TorvaneApplication app(argc, argv);

    // The screens' deferred steps (layout, localisation) wait for the first paint.
    torvane::ui::common::OneShotTimer::hold();
    torvane::ui::shell::TForm_login::prefetchPictures();
    // A budget named on the command line (a double-click in the file
    // manager) opens once the start screen is up.
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString budgetAtStart = !arguments.isEmpty() && !arguments.front().startsWith(u'-') ? arguments.front() : QString();
    auto login = torvane::app::createScreens(budgetAtStart);
    torvane::ui::common::OneShotTimer::releaseAfterFirstPaint(login.get());
    torvane::ui::common::OneShotTimer::afterFirstPaint(login.get(), [&app] { torvane::ui::common::TorvaneApplication::setIcon(app); });
    // Every new widget asks to be polished from the event loop. Hidden screens
    // are polished when they are first shown; the start screen when it is.
    QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
    QuitOnFirstPaint quitOnFirstPaint;
    if (qEnvironmentVariableIntValue("TORVANE_QUIT_AFTER_FIRST_PAINT") == 1)
        login->installEventFilter(&quitOnFirstPaint);
    torvane::ui::common::showMaximizedOnScreen(login.get());
    torvane::ui::common::Picture::endPrefetch();
    if (!budgetAtStart.isEmpty()) {
        QTimer::singleShot(0, login.get(), [&login, path = budgetAtStart] {
            torvane::ui::common::guarded([&] { torvane::app::documentOf(*login)->openFile(path); });
        });
    }
    const int status = app.exec();
#ifndef __SANITIZE_ADDRESS__
    // Nothing else the screens hold is written at the end (settings are
    // written as they change, files through atomic saves), so the process
    // ends here rather than taking apart two thousand widgets one by one.
    // Text the user copied from the program is the exception: the
    // application hands it to the desktop's clipboard keeper as it is taken
    // down, so then the long way is taken. So do sanitizer builds, which
    // check the teardown.
    if (!QGuiApplication::clipboard()->ownsClipboard()) {
        torvane::app::releaseLocks(*login);
        std::fflush(nullptr);
        std::_Exit(status);
    }
#endif
    return status;
}
