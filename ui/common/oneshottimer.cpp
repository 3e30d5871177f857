#include "ui/common/oneshottimer.h"

#include "ui/common/errorreporter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace torvane::ui::common {

namespace {

bool held = false;
QList<QPointer<OneShotTimer>> &heldTimers()
{
    static QList<QPointer<OneShotTimer>> timers;
    return timers;
}

class ReleaseOnFirstPaint : public QObject
{
public:
    ReleaseOnFirstPaint(QWidget *window, std::function<void()> release)
        : QObject(window), m_release(std::move(release))
    {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        // Released from the event loop, once the paint is done.
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, this, [this] { m_release(); deleteLater(); });
        }
        return false;
    }

private:
    std::function<void()> m_release;
    bool m_done = false;
};

} // namespace

void OneShotTimer::hold()
{
    held = true;
}

void OneShotTimer::releaseAfterFirstPaint(QWidget *window)
{
    QList<QPointer<OneShotTimer>> &timers = heldTimers();
    for (auto it = timers.begin(); it != timers.end();) {
        OneShotTimer *timer = *it;
        if (timer && timer->parent() == window) {
            if (timer->m_on && !timer->m_running && !timer->m_timer.isActive())
                timer->m_timer.start(int(timer->m_heldDue.remainingTime())); // once: see switchOn
            it = timers.erase(it);
        } else {
            ++it;
        }
    }
    afterFirstPaint(window, &OneShotTimer::releaseHeld);
    // A window that is never painted (hidden, minimised) must not stop them for good.
    QTimer::singleShot(3000, window, &OneShotTimer::releaseHeld);
}

void OneShotTimer::afterFirstPaint(QWidget *window, std::function<void()> step)
{
    new ReleaseOnFirstPaint(window, std::move(step));
}

void OneShotTimer::releaseHeld()
{
    held = false;
    const QList<QPointer<OneShotTimer>> timers = std::exchange(heldTimers(), {});
    for (OneShotTimer *timer : timers)
        if (timer && timer->m_on && !timer->m_running && !timer->m_timer.isActive())
            timer->m_timer.start();
}

OneShotTimer::OneShotTimer(const QString &name, int intervalMs, QObject *parent)
    : QObject(parent)
{
    setObjectName(name);
    m_timer.setSingleShot(true);
    setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &OneShotTimer::fire);
}

void OneShotTimer::switchOn()
{
    if (m_on)
        return;
    m_on = true;
    m_timer.setInterval(m_interval); // a held step may have run on its remaining time
    if (held) {
        m_heldDue.setRemainingTime(m_timer.interval());
        heldTimers().append(this);
    } else if (!m_running) {
        m_timer.start();
    }
}

void OneShotTimer::switchOff()
{
    m_on = false;
    m_timer.stop();
}

void OneShotTimer::fireNow()
{
    if (m_on && !m_running) {
        m_timer.stop();
        fire();
    }
}

void OneShotTimer::fire()
{
    if (!m_on || m_running)
        return;
    m_running = true;
    if (m_handler)
        guarded(m_handler);
    m_running = false;
    switchOff();
}

void runPendingSteps(QObject *screen)
{
    for (int round = 0; round < 10; ++round) {
        QCoreApplication::processEvents();
        QList<OneShotTimer *> timers = screen->findChildren<OneShotTimer *>(QString(), Qt::FindDirectChildrenOnly);
        std::sort(timers.begin(), timers.end(),
                  [](const OneShotTimer *a, const OneShotTimer *b) { return a->objectName() < b->objectName(); });
        bool pending = false;
        for (OneShotTimer *timer : std::as_const(timers)) {
            if (timer->isOn()) {
                pending = true;
                timer->fireNow();
            }
        }
        if (!pending)
            break;
    }
    QCoreApplication::processEvents();
}

} // namespace torvane::ui::common
