#include "ui/display.h"
#include "app/startup.h"
#include "ui/torvaneapplication.h"
#include "report/hostsession.h"
#include "ui/shell/code_login.h"

#include <QEvent>
#include <QGuiApplication>
#include <QImageReader>
#include <QTimer>

#include <cstdio>

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
    torvane::ui::TorvaneApplication app(argc, argv);
    if (!QImageReader::supportedImageFormats().contains("jpeg"))
        std::fprintf(stderr, "torvane: this Qt installation cannot read JPEG pictures; backgrounds will stay empty\n");

    auto login = torvane::app::createScreens();
    QuitOnFirstPaint quitOnFirstPaint;
    if (qEnvironmentVariableIntValue("TORVANE_QUIT_AFTER_FIRST_PAINT") == 1)
        login->installEventFilter(&quitOnFirstPaint);
    torvane::ui::showMaximizedOnScreen(login.get());
    const int status = app.exec();
    // The spreadsheet objects of the last export or reference click go before the screens.
    torvane::report::HostSession::instance().release();
    return status;
}
