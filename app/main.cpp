#include "ui/display.h"
#include "app/commandline.h"
#include "app/startup.h"
#include "ui/budgetcontroller.h"
#include "ui/errorreporter.h"
#include "ui/oneshottimer.h"
#include "ui/torvaneapplication.h"
#include "report/hostsession.h"
#include "ui/shell/code_login.h"

#include <QEvent>
#include <QGuiApplication>
#include <QImageReader>
#include <QTimer>

#include <cstdio>
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

    torvane::ui::TorvaneApplication app(argc, argv);
    if (!QImageReader::supportedImageFormats().contains("jpeg"))
        std::fprintf(stderr, "torvane: this Qt installation cannot read JPEG pictures; backgrounds will stay empty\n");

    // The screens' deferred steps (layout, localisation) wait for the first paint.
    torvane::ui::OneShotTimer::hold();
    auto login = torvane::app::createScreens();
    torvane::ui::OneShotTimer::releaseAfterFirstPaint(login.get());
    QuitOnFirstPaint quitOnFirstPaint;
    if (qEnvironmentVariableIntValue("TORVANE_QUIT_AFTER_FIRST_PAINT") == 1)
        login->installEventFilter(&quitOnFirstPaint);
    torvane::ui::showMaximizedOnScreen(login.get());
    // A budget named on the command line (a double-click in the file
    // manager) opens once the start screen is up.
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!arguments.isEmpty() && !arguments.front().startsWith(u'-')) {
        QTimer::singleShot(0, login.get(), [&login, path = arguments.front()] {
            torvane::ui::guarded([&] { torvane::app::budgetDocument(*login)->openFile(path); });
        });
    }
    const int status = app.exec();
    // The spreadsheet objects of the last export or reference click go before the screens.
    torvane::report::HostSession::instance().release();
    return status;
}
