// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "ui/spokenresult.h"

#include "ui/dropdownlist.h"

#include <QAccessible>
#include <QApplication>

#include <algorithm>

namespace ui {

Notice::Notice(QWidget *parent)
    : QWidget(parent)
{
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
#ifndef OHMARA_ANNOUNCEMENTS
    for (int i = 0; i < 3; ++i)
        m_notices.push_back(new Notice(this));
#endif
}

void Announcer::announce(const QString &text)
{
#ifdef OHMARA_ANNOUNCEMENTS
    // An announcement is spoken as it is; before its text, Orca 48 names a notification's role.
    QAccessibleAnnouncementEvent event(parentWidget(), text);
    QAccessible::updateAccessibility(&event);
#else
    QWidget *notice = m_notices[m_next];
    m_next = (m_next + 1) % m_notices.size();
    notice->setAccessibleName(text);
    notice->hide();
    notice->show();
#endif
}

void SpokenResult::followChoices(const QList<DropDownList *> &lists, int slowestTimerMs)
{
    for (DropDownList *list : lists)
        QObject::connect(list, &DropDownList::clicked, &m_settling,
                         [this, list] { choiceMade(list); });
    // Half again as long as the slowest timer, since coarse timers may tick late.
    m_settling.setSingleShot(true);
    m_settling.setInterval(slowestTimerMs * 3 / 2);
    QObject::connect(&m_settling, &QTimer::timeout, [this] { announce(); });
}

void SpokenResult::setResultControls(QWidget *screen, std::vector<QWidget *> producers,
                                     QWidget *resultArea)
{
    m_producers = std::move(producers);
    m_resultArea = resultArea;
    m_announcer = new Announcer(screen);
    // A producer the focus leaves offers the result as it is, whatever it last told.
    QObject::connect(qApp, &QApplication::focusChanged, m_announcer,
                     [this](QWidget *old, QWidget *) {
                         if (isProducer(old))
                             old->setAccessibleDescription(m_offered);
                     });
}

bool SpokenResult::isProducer(const QWidget *widget) const
{
    return widget && std::find(m_producers.begin(), m_producers.end(), widget) != m_producers.end();
}

void SpokenResult::offer(const QString &text)
{
    if (text == m_offered)
        return;
    m_offered = text;
    for (QWidget *w : m_producers) {
        if (!tellsByDescription(w))
            w->setAccessibleDescription(text);
    }
    if (m_resultArea)
        m_resultArea->setAccessibleName(text);
    // The description's own change is not spoken by every screen reader.
    m_resultPending = !text.isEmpty();
    announceWhenSettled();
}

bool SpokenResult::tellsByDescription(const QWidget *producer) const
{
#ifdef OHMARA_ANNOUNCEMENTS
    // Qt 6.8 tells screen readers of a new description, and Orca 48 speaks at once that of the
    // control with the focus: there the announcement is that change, not a second utterance.
    return producer == QApplication::focusWidget();
#else
    Q_UNUSED(producer);
    return false;
#endif
}

void SpokenResult::choiceMade(const DropDownList *list)
{
    // A screen reader does not speak a closed list's new choice by itself. A blank item
    // would be spoken as nothing.
    const QString choice = list->text();
    m_choice = choice.trimmed().isEmpty() ? QStringLiteral("blank") : choice;
    announceWhenSettled();
}

void SpokenResult::announceWhenSettled()
{
    // One announcement for a choice and all it changes: each new one would cut the last short.
    if (m_announcer)
        m_settling.start();
}

void SpokenResult::announce()
{
    const QString choice = m_choice;
    const bool resultChanged = m_resultPending;
    m_choice.clear();
    m_resultPending = false;
    QWidget *focused = QApplication::focusWidget();
    const bool byDescription = isProducer(focused) && tellsByDescription(focused);
    if (byDescription && !m_offered.isEmpty()) {
        QStringList told{choice, m_offered};
        told.removeAll(QString());
        focused->setAccessibleDescription(told.join(QLatin1String(". ")));
        return;
    }
    // An emptied result is no news: only the choice is.
    if (byDescription)
        focused->setAccessibleDescription({});
    QStringList parts{choice};
    if (resultChanged)
        parts << m_offered;
    parts.removeAll(QString());
    if (!parts.isEmpty())
        m_announcer->announce(parts.join(QLatin1String(". ")));
}

Welcome::Welcome(QWidget *window, const QString &text)
    : QObject(window)
    , m_text(text)
{
    window->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *) {
        if (old && old == m_holder)
            withdraw();
    });
}

bool Welcome::eventFilter(QObject *watched, QEvent *event)
{
    // Before the toolkit gives the window's focus control the focus, and tells screen readers.
    if (event->type() == QEvent::WindowActivate) {
        withdraw();
        m_holder = static_cast<QWidget *>(watched)->focusWidget();
        if (m_holder)
            m_holder->setAccessibleDescription(m_text);
    }
    return false;
}

void Welcome::withdraw()
{
    if (m_holder)
        m_holder->setAccessibleDescription({});
    m_holder = nullptr;
}

} // namespace ui
