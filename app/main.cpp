#include "app/display.h"
#include "app/startup.h"
#include "app/torvaneapplication.h"
#include "shell/code_login.h"

#include <QGuiApplication>
#include <QImageReader>

#include <cstdio>

int main(int argc, char **argv)
{
    torvane::app::TorvaneApplication app(argc, argv);
    if (!QImageReader::supportedImageFormats().contains("jpeg"))
        std::fprintf(stderr, "torvane: this Qt installation cannot read JPEG pictures; backgrounds will stay empty\n");

    auto login = torvane::app::createScreens();
    torvane::app::showMaximizedOnScreen(login.get());
    return app.exec();
}
