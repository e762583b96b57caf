// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/design.h"

#include <QBasicTimer>
#include <QObject>

namespace ui {

// Ticks every interval while enabled. Ticks never queue: one that falls due while a handler
// runs is merged into the next. The shortest intervals share one clock, so that several
// screens open at once cost one wake-up per tick between them.
class Timer : public QObject
{
    Q_OBJECT
public:
    Timer(const ControlDef &def, QObject *parent);
    ~Timer() override;

    int interval() const { return m_interval; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // A user's choice wants its result at once: one tick of a shortest-interval timer as soon
    // as the event loop is free, merged with any other tick already due.
    void tickSoon();

    // How often the shortest timers tick on their own, in milliseconds. A choice by the user
    // gets its tick at once (tickSoon), so the clock only has to keep results fresh; a slow
    // clock leaves the processor idle with several screens open.
    static constexpr int kFastestTickMs = 50;

signals:
    void ticked();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void start();
    void stop();

    int m_interval = 0;
    bool m_enabled = false;
    bool m_tickPending = false;
    QBasicTimer m_timer;
};

} // namespace ui
