#include "ui/torvaneapplication.h"

#include "ui/errorreporter.h"
#include "ui/shell/picture.h"

#include <QFont>
#include <QIcon>

namespace torvane::ui {

using namespace Qt::StringLiterals;

TorvaneApplication::TorvaneApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    configure(*this);
}

bool TorvaneApplication::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void TorvaneApplication::setIcon(QApplication &app)
{
    app.setWindowIcon(QIcon(shell::Picture::readFile(u":/torvane/icon.png"_s)));
}

void TorvaneApplication::configure(QApplication &app)
{
    app.setApplicationName(u"Torvane"_s);
    app.setApplicationDisplayName(u"Torvane"_s);
    app.setApplicationVersion(QStringLiteral("1.0.0"));
    app.setDesktopFileName(u"com.example.Torvane"_s);
    // Tahoma is rarely installed on this platform; fall back to fonts that carry
    // Cyrillic and French accents.
    QFont font(QStringList{u"Tahoma"_s, u"DejaVu Sans"_s, u"Liberation Sans"_s}, 8);
    app.setFont(font);
    // The start screen is the main window: closing it ends the program even
    // while other screens are open (it quits explicitly).
    app.setQuitOnLastWindowClosed(false);
}

} // namespace torvane::ui
