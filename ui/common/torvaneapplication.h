#pragma once

#include <QApplication>

namespace torvane::ui::common {

// The application object: nothing thrown by a handler escapes the event loop.
class TorvaneApplication : public QApplication
{
    Q_OBJECT
public:
    TorvaneApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // Font, styling and quit rule shared by the program and its tools.
    static void configure(QApplication &app);
    // Decodes and sets the window icon; the program does it after the first
    // paint, which does not need it.
    static void setIcon(QApplication &app);
};

} // namespace torvane::ui::common
