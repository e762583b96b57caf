// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/controls.h"
#include "ui/design.h"
#include "ui/spokenresult.h"

#include <QHash>
#include <QWidget>

#include <span>
#include <vector>

namespace ui {

// A window built from a table of design values. Each row may give its control a role, by which
// the derived screen binds it once to a member; handlers are the derived screen's member
// functions.
class Screen : public QWidget
{
    Q_OBJECT
public:
    Screen(const WindowDef &window, std::span<const ControlDef> controls);

    std::span<const ControlDef> design() const { return m_design; }

    // A name that is not in the screen's table is a programming error: it stops the program.
    template<class T>
    T *control(const char *name) const
    {
        T *found = findChild<T *>(QLatin1String(name));
        if (!found)
            missingControl(name);
        return found;
    }
    // The control of that role; one the table does not have stops the program.
    template<class T>
    T *bound(Role role) const
    {
        T *found = qobject_cast<T *>(m_bound.value(role));
        if (!found)
            missingRole(role);
        return found;
    }

    bool binds(Role role) const { return m_bound.contains(role); }

    // The controls that take the focus, in tab order.
    const std::vector<QWidget *> &tabOrder() const { return m_tabOrder; }

    // Shows the window; the first time, where its placement says: centred with its frame, or
    // where the desktop puts a new window.
    void showPlaced();

signals:
    // The user asks to leave the screen: by its way out, or by the desktop's close.
    void leaveRequested();
    // A click where no control is, and a key that types a character.
    void bareWindowClicked();
    void characterTyped(QChar character);

protected:
    // The screen's result for screen readers, and the controls that produce it.
    void offerResult(const QString &text) { m_spokenResult.offer(text); }
    void setResultControls(std::vector<QWidget *> producers, QWidget *resultArea)
    {
        m_spokenResult.setResultControls(this, std::move(producers), resultArea);
    }

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    [[noreturn]] void missingControl(const char *name) const;
    [[noreturn]] void missingRole(Role role) const;
    void build(std::span<const ControlDef> controls);
    void createFrames(std::span<const ControlDef> controls);
    void createDrawnControls(std::span<const ControlDef> controls);
    void createWindowedControls(std::span<const ControlDef> controls);
    void raiseWindowedControls(std::span<const ControlDef> controls);
    void bindRoles(std::span<const ControlDef> controls);
    void linkTabOrder(std::span<const ControlDef> controls);
    void linkLabels(std::span<const ControlDef> controls);

    WindowDef m_window;
    std::span<const ControlDef> m_design;
    std::vector<QWidget *> m_tabOrder;
    QHash<Role, QObject *> m_bound;
    SpokenResult m_spokenResult;
    bool m_placed = false;
    bool m_focused = false;
    bool m_keptUnmaximised = false;
    ClickTracker m_click;
};

} // namespace ui
