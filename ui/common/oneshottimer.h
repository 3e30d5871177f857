#pragma once

#include <QObject>
#include <QDeadlineTimer>
#include <QTimer>

class QWidget;

#include <functional>

namespace torvane::ui::common {

// A deferred step that runs once. Switching it on while it is already on does
// not restart the countdown (a burst of changes gives one run), and the timer
// stays "on" while its handler runs, so the handler's own writes cannot
// schedule it again; it is switched off when the handler returns, also when
// the handler fails.
class OneShotTimer : public QObject
{
    Q_OBJECT
public:
    OneShotTimer(const QString &name, int intervalMs, QObject *parent);

    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }
    void setInterval(int ms) { m_interval = ms; m_timer.setInterval(ms); }
    int interval() const { return m_interval; }

    void switchOn();
    void switchOff();
    bool isOn() const { return m_on; }

    // Runs a pending step now (the save button needs fresh figures); no-op when off.
    void fireNow();

    int remainingMs() const { return m_timer.remainingTime(); }

    // Steps of other screens switched on between hold() and the first paint
    // of the window wait until then (counting from that moment), so none
    // delays the paint; the window's own steps keep their time.
    static void hold();
    static void releaseAfterFirstPaint(QWidget *window);
    // Runs a step from the event loop once the window's first paint is done.
    static void afterFirstPaint(QWidget *window, std::function<void()> step);

private:
    void fire();
    static void releaseHeld();

    QTimer m_timer;
    QDeadlineTimer m_heldDue;
    int m_interval = 0;
    std::function<void()> m_handler;
    bool m_on = false;
    bool m_running = false;
};

// Runs every pending deferred step of a screen at once, in the order of its
// timers' names (Timer1 layout, Timer2 localisation, Timer3 recalculation),
// until none is left: for tools and tests that cannot wait for the clock.
void runPendingSteps(QObject *screen);

} // namespace torvane::ui::common
