// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "ui/timer.h"

#include <QTimerEvent>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

// The one clock behind every timer of the shortest interval.
class FrameClock : public QObject
{
public:
    static FrameClock &instance()
    {
        static FrameClock clock;
        return clock;
    }

    void add(Timer *timer)
    {
        if (std::find(m_timers.begin(), m_timers.end(), timer) == m_timers.end())
            m_timers.push_back(timer);
        if (!m_clock.isActive())
            m_clock.start(Timer::kFastestTickMs, Qt::PreciseTimer, this);
    }

    void remove(Timer *timer)
    {
        std::erase(m_timers, timer);
        if (m_timers.empty())
            m_clock.stop();
    }

protected:
    void timerEvent(QTimerEvent *) override
    {
        // A handler may stop or destroy other timers (a back button unloads its screen).
        const std::vector<Timer *> due = m_timers;
        for (Timer *timer : due) {
            if (std::find(m_timers.begin(), m_timers.end(), timer) != m_timers.end())
                emit timer->ticked();
        }
    }

private:
    std::vector<Timer *> m_timers;
    QBasicTimer m_clock;
};

bool usesFrameClock(int interval)
{
    return interval <= Timer::kFastestTickMs;
}

} // namespace

Timer::Timer(const ControlDef &def, QObject *parent)
    : QObject(parent)
    , m_interval(def.interval)
{
    setObjectName(QLatin1String(def.name));
    setEnabled(true);
}

Timer::~Timer()
{
    stop();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (enabled)
        start();
    else
        stop();
}

void Timer::tickSoon()
{
    if (!m_enabled || !usesFrameClock(m_interval) || m_tickPending)
        return;
    m_tickPending = true;
    QMetaObject::invokeMethod(
            this,
            [this] {
                m_tickPending = false;
                if (m_enabled)
                    emit ticked();
            },
            Qt::QueuedConnection);
}

void Timer::start()
{
    if (usesFrameClock(m_interval))
        FrameClock::instance().add(this);
    else
        m_timer.start(m_interval, Qt::CoarseTimer, this);
}

void Timer::stop()
{
    FrameClock::instance().remove(this);
    m_timer.stop();
}

void Timer::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timer.timerId())
        emit ticked();
}

} // namespace ui
