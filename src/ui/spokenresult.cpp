// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "ui/spokenresult.h"

#include "ui/dropdownlist.h"
#include "ui/screenreader.h"

#include <QAccessible>
#include <QApplication>

#include <algorithm>

namespace ui {
namespace {

#ifdef OHMARA_ANNOUNCE_CHOICE
constexpr int kScreenReaderFirst = 0;
#else
// The screen reader speaks a list's new choice itself; the result comes after it, once it has
// had the time to take the choice, even on a busy machine (an announcement goes before what it
// has not yet taken).
constexpr int kScreenReaderFirst = 600;
#endif

} // namespace

void SpokenResult::followChoices(const QList<DropDownList *> &lists)
{
    for (DropDownList *list : lists)
        QObject::connect(list, &DropDownList::chosen, &m_settling,
                         [this, list] { choiceMade(list); });
    m_settling.setSingleShot(true);
    m_settling.setInterval(kScreenReaderFirst);
    QObject::connect(&m_settling, &QTimer::timeout, [this] { announce(); });
}

void SpokenResult::setResultControls(QWidget *screen, std::vector<QWidget *> producers,
                                     QWidget *resultArea)
{
    m_resultArea = resultArea;
    m_announcer = new Announcer(screen);
    for (QWidget *producer : producers) {
#ifndef OHMARA_ANNOUNCE_CHOICE
        // The announcer's name is the result, and nothing else's.
        if (describeBy(producer, m_announcer))
            continue;
#endif
        m_described.push_back(producer);
    }
    // A producer the focus leaves has the result as it is, whatever it had. The connection goes
    // with this object, before the screen's controls: their deletion moves the focus too.
    QObject::connect(qApp, &QApplication::focusChanged, &m_settling,
                     [this](QWidget *old, QWidget *) {
                         if (isDescribed(old))
                             old->setAccessibleDescription(m_offered);
                     });
}

bool SpokenResult::isDescribed(const QWidget *widget) const
{
    return widget && std::find(m_described.begin(), m_described.end(), widget) != m_described.end();
}

void SpokenResult::offer(const QString &text)
{
    if (text == m_offered)
        return;
    m_offered = text;
    for (QWidget *w : m_described) {
        // What Qt tells of the control with the focus is spoken at once: it has the result when
        // the focus leaves, or as the announcement.
#ifdef OHMARA_ANNOUNCEMENTS
        if (w == QApplication::focusWidget())
            continue;
#endif
        w->setAccessibleDescription(text);
    }
#ifndef OHMARA_ANNOUNCE_CHOICE
    m_announcer->setAccessibleName(text);
#endif
    if (m_resultArea)
        m_resultArea->setAccessibleName(text);
    m_resultPending = !text.isEmpty();
    announceWhenSettled();
}

void SpokenResult::choiceMade(const DropDownList *list)
{
#ifdef OHMARA_ANNOUNCE_CHOICE
    // A blank item would be spoken as nothing.
    const QString choice = list->text();
    m_choice = choice.trimmed().isEmpty() ? QStringLiteral("blank") : choice;
#else
    Q_UNUSED(list);
#endif
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
    QWidget *describedFocus = nullptr;
#if defined(OHMARA_ANNOUNCEMENTS) && defined(OHMARA_ANNOUNCE_CHOICE)
    // The control with the focus tells the choice and the result as they stand, as its new
    // description.
    if (QWidget *focused = QApplication::focusWidget(); isDescribed(focused)) {
        if (m_offered.isEmpty())
            focused->setAccessibleDescription({});
        else
            describedFocus = focused;
    }
#endif
    QStringList parts{m_choice};
    // An emptied result is no news: only the choice is.
    if (m_resultPending || describedFocus)
        parts << m_offered;
    parts.removeAll(QString());
    m_choice.clear();
    m_resultPending = false;
    if (!parts.isEmpty())
        m_announcer->announce(parts.join(QLatin1String(". ")), describedFocus);
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
