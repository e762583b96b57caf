// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

// Each screen's result for screen readers: offered as the description of the controls that
// produce it, and announced once a choice and all it changes have settled; and a window's welcome.

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <vector>

// How a screen tells screen readers its result depends on the toolkit it runs on, and on the
// screen readers of the desktops that ship it.
// - Qt 6.4 (Orca 43): the result is the description of the controls that produce it, which Qt
//   does not tell screen readers of; the choice and the result are announced as the notice of a
//   status line.
// - Qt 6.8 (Orca 48): Qt tells screen readers of every new description, and Orca 48 speaks that
//   of the control with the focus at once: that control's new description is the announcement,
//   the choice and the result; an announcement where the focus is elsewhere. Orca 48 reads what
//   describes a control (a "described by" relation) from a cache it keeps for a minute.
// - Later (Orca 51): what describes the controls is the result, read afresh whenever the focus
//   comes or the user asks where they are; the screen reader speaks a list's new choice itself,
//   and the result is announced after it.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#define OHMARA_ANNOUNCEMENTS 1
#endif
#if QT_VERSION < QT_VERSION_CHECK(6, 9, 0)
#define OHMARA_ANNOUNCE_CHOICE 1
#endif

namespace ui {

class Announcer;
class DropDownList;

// What a screen has computed, as one text for screen readers: what describes the controls that
// produce it, where the focus and "where am I" find it, and the name of the result area.
// Announced, without moving the focus, only when it changes, together with the choice in a list
// that changed it where the screen reader does not speak that itself:
// "gold. 4.7 kilo ohms, 5 %, minimum 4.465 Kohm, ...".
class SpokenResult
{
public:
    // Each choice in a list is announced with the result it leaves, once the screen has shown it.
    void followChoices(const QList<DropDownList *> &lists);
    // The screen announces through an announcer of its own.
    void setResultControls(QWidget *screen, std::vector<QWidget *> producers, QWidget *resultArea);
    void offer(const QString &text);

private:
    bool isDescribed(const QWidget *widget) const;
    void choiceMade(const DropDownList *list);
    void announceWhenSettled();
    void announce();

    // The producers whose own description is the result.
    std::vector<QWidget *> m_described;
    QWidget *m_resultArea = nullptr;
    Announcer *m_announcer = nullptr;
    // What waits to be announced once the choice and all it changes are shown.
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
