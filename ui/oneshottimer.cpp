#include "ui/oneshottimer.h"

#include "ui/errorreporter.h"

#include <QCoreApplication>

#include <algorithm>

namespace torvane::ui {

OneShotTimer::OneShotTimer(const QString &name, int intervalMs, QObject *parent)
    : QObject(parent)
{
    setObjectName(name);
    m_timer.setSingleShot(true);
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &OneShotTimer::fire);
}

void OneShotTimer::switchOn()
{
    if (m_on)
        return;
    m_on = true;
    if (!m_running)
        m_timer.start();
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

} // namespace torvane::ui
