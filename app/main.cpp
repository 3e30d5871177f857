#include "ui/display.h"
#include "app/startup.h"
#include "ui/torvaneapplication.h"
#include "report/hostsession.h"
#include "ui/shell/code_login.h"

#include <QGuiApplication>
#include <QImageReader>

#include <cstdio>

int main(int argc, char **argv)
{
    torvane::ui::TorvaneApplication app(argc, argv);
    if (!QImageReader::supportedImageFormats().contains("jpeg"))
        std::fprintf(stderr, "torvane: this Qt installation cannot read JPEG pictures; backgrounds will stay empty\n");

    auto login = torvane::app::createScreens();
    torvane::ui::showMaximizedOnScreen(login.get());
    const int status = app.exec();
    // The spreadsheet objects of the last export or reference click go before the screens.
    torvane::report::HostSession::instance().release();
    return status;
}
