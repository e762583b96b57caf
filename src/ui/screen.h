// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/controls.h"
#include "ui/design.h"
#include "ui/spokenresult.h"

#include <QWidget>

#include <span>
#include <vector>

namespace ui {

// A window built from a table of design values. Controls keep their design names and are
// looked up by them once, when the derived screen binds them to members named by role;
// handlers are the derived screen's member functions.
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
    Timer *timer(const char *name) const { return control<Timer>(name); }

    // The controls that take the focus, in tab order.
    const std::vector<QWidget *> &tabOrder() const { return m_tabOrder; }

    void stopTimers();
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
    void build(std::span<const ControlDef> controls);
    void createFrames(std::span<const ControlDef> controls);
    void createDrawnControls(std::span<const ControlDef> controls);
    void createWindowedControls(std::span<const ControlDef> controls);
    void raiseWindowedControls(std::span<const ControlDef> controls);
    void followEveryChoice();
    void linkTabOrder(std::span<const ControlDef> controls);
    void linkLabels(std::span<const ControlDef> controls);

    WindowDef m_window;
    std::span<const ControlDef> m_design;
    std::vector<QWidget *> m_tabOrder;
    SpokenResult m_spokenResult;
    bool m_placed = false;
    bool m_focused = false;
    bool m_keptUnmaximised = false;
    ClickTracker m_click;
};

} // namespace ui
