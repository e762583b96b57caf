// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

// What a screen reader gets beyond what the toolkit gives it: pictures as named images, lists
// named by their role whose choice is their text, controls described by the result they produce,
// and announcements where the toolkit sends none.

#include <QWidget>

#include <vector>

namespace ui {

// Once, before the first window shows.
void installScreenReaderSupport();

// The control is described by what another control is named, wherever a screen reader looks for
// the control's description, without a word to it when that changes. False where the toolkit or
// the control's kind cannot tell that (before Qt 6.8; text boxes).
bool describeBy(QWidget *control, QWidget *description);

// Tells screen readers a text to speak whatever has the focus: an announcement (from Qt 6.8 on), or
// the notice of a status line, which a screen reader speaks as each is shown without calling it a
// notification. The notices take turns: a screen reader reads a notice's text some time after it
// shows, by when the next may be out. Or, from Qt 6.8 on, the new description of the control with
// the focus, which a screen reader speaks at once.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);
    void announce(const QString &text, QWidget *focusedControl = nullptr);

signals:
    void announced(const QString &text);

private:
    std::vector<QWidget *> m_notices;
    size_t m_next = 0;
};

} // namespace ui
