// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

// Each screen's result for screen readers: offered with the controls that produce it and
// announced once a choice and all it changes have settled, through a status line whose notices
// are spoken whatever has the focus; and a window's welcome.

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <vector>

// Qt 6.8 sends announcements to screen readers, and tells them of every new description; Qt 6.4
// does neither.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#define OHMARA_ANNOUNCEMENTS 1
#endif

namespace ui {

class DropDownList;

// One notice of an announcer: nothing to see, a name to be spoken.
class Notice : public QWidget
{
public:
    explicit Notice(QWidget *parent);
};

// Nothing to see: a status line whose notices a screen reader speaks as each is shown, whatever
// has the focus, without calling them notifications. The notices take turns: a screen reader
// reads a notice's text some time after it shows, by when the next may already be out.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);
    void announce(const QString &text);

private:
    std::vector<QWidget *> m_notices;
    size_t m_next = 0;
};

// What a screen has computed, as one text for screen readers: the description of the controls
// that produce it, where "where am I" finds it, and the name of the result area. Announced,
// without moving the focus, only when it changes, together with the choice in a list that
// changed it: "gold. 4.7 kilo ohms, 5 %, minimum 4.465 Kohm, ...".
class SpokenResult
{
public:
    // Each choice in a list is announced once the slowest timer of the screen has ticked after it.
    void followChoices(const QList<DropDownList *> &lists, int slowestTimerMs);
    // The screen announces through a status line of its own.
    void setResultControls(QWidget *screen, std::vector<QWidget *> producers, QWidget *resultArea);
    void offer(const QString &text);

private:
    bool isProducer(const QWidget *widget) const;
    bool tellsByDescription(const QWidget *producer) const;
    void choiceMade(const DropDownList *list);
    void announceWhenSettled();
    void announce();

    std::vector<QWidget *> m_producers;
    QWidget *m_resultArea = nullptr;
    Announcer *m_announcer = nullptr;
    // What waits to be announced once every timer has had its tick after a change.
    QTimer m_settling;
    QString m_choice;
    bool m_resultPending = false;
    QString m_offered;
};

// A window's welcome, spoken whenever it opens or comes back: the description of the control
// that has the focus then, until the focus leaves it. Screen readers read the description of a
// control that gets the focus; a window's own, Orca 48 reads only now and then.
class Welcome : public QObject
{
public:
    Welcome(QWidget *window, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void withdraw();

    QString m_text;
    QPointer<QWidget> m_holder;
};

} // namespace ui
