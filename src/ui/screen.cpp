// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "ui/screen.h"

#include "ui/designstyle.h"
#include "ui/desktop.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace ui {
namespace {

Qt::WindowFlags flagsFor(const WindowDef &window)
{
    // Without a title bar, yet an ordinary window: one of the splash type is one that kwin never
    // gives the keyboard and hides when clicked.
    if (!window.caption)
        return Qt::Window | Qt::FramelessWindowHint;
    // No control box: a title bar without system menu, close, minimise or maximise button.
    // Every screen is a window of its own, stacked as the user activates it; one without a
    // taskbar button asks to be left off the taskbar instead of being transient for another.
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}

// Labels, images and lines are drawn on their window's surface, under everything else.
bool isDrawn(Kind kind)
{
    return kind == Kind::Label || kind == Kind::Image || kind == Kind::Line;
}

bool takesFocus(Kind kind)
{
    return kind == Kind::CommandButton || kind == Kind::DropDownList || kind == Kind::TextBox
            || kind == Kind::PictureBox;
}

} // namespace

Screen::Screen(const WindowDef &window, std::span<const ControlDef> controls)
    : QWidget(nullptr, flagsFor(window))
    , m_window(window)
    , m_design(controls)
{
    setFont(fontOf(Font::Standard));
    if (window.caption)
        setWindowTitle(QLatin1String(window.caption));
    if (window.icon)
        setWindowIcon(QIcon(QLatin1String(window.icon)));
    const QSize client(pixels(window.width), pixels(window.height));
    if (window.border == Border::Sizable)
        resize(client);
    else
        setFixedSize(client);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    build(controls);
    // A screen without controls that take the focus takes the keys itself (the splash); any
    // other would only add an invisible stop to the tab order.
    setFocusPolicy(m_tabOrder.empty() ? Qt::StrongFocus : Qt::NoFocus);
}

void Screen::missingControl(const char *name) const
{
    qFatal("\"%s\" has no control named %s", qPrintable(windowTitle()), name);
}

void Screen::missingRole(Role role) const
{
    qFatal("\"%s\" has no control of role %d", qPrintable(windowTitle()), int(role));
}

void Screen::build(std::span<const ControlDef> controls)
{
    createFrames(controls);
    createDrawnControls(controls);
    createWindowedControls(controls);
    raiseWindowedControls(controls);
    bindRoles(controls);
    m_spokenResult.followChoices(findChildren<DropDownList *>());
    linkTabOrder(controls);
    linkLabels(controls);
}

void Screen::createFrames(std::span<const ControlDef> controls)
{
    for (const ControlDef &def : controls) {
        if (def.kind == Kind::Frame)
            createControl(def, this);
    }
}

void Screen::createDrawnControls(std::span<const ControlDef> controls)
{
    // Created last to first: the first in the design lies on top.
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        if (isDrawn(it->kind))
            createControl(*it, it->container ? control<QWidget>(it->container) : this);
    }
}

void Screen::createWindowedControls(std::span<const ControlDef> controls)
{
    for (const ControlDef &def : controls) {
        if (!isDrawn(def.kind) && def.kind != Kind::Frame)
            createControl(def, def.container ? control<QWidget>(def.container) : this);
    }
}

void Screen::raiseWindowedControls(std::span<const ControlDef> controls)
{
    for (const ControlDef &def : controls) {
        if (!isDrawn(def.kind))
            control<QWidget>(def.name)->raise();
    }
}

void Screen::bindRoles(std::span<const ControlDef> controls)
{
    for (const ControlDef &def : controls) {
        if (def.role != Role::None)
            m_bound.insert(def.role, control<QObject>(def.name));
    }
}

void Screen::linkTabOrder(std::span<const ControlDef> controls)
{
    std::vector<const ControlDef *> stops;
    for (const ControlDef &def : controls) {
        if (takesFocus(def.kind))
            stops.push_back(&def);
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto *a, const auto *b) { return a->tabIndex < b->tabIndex; });
    for (const ControlDef *def : stops)
        m_tabOrder.push_back(control<QWidget>(def->name));
    for (size_t i = 1; i < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
}

void Screen::linkLabels(std::span<const ControlDef> controls)
{
    // A heading is the label of the box under it: "minimum value", then "4.465".
    for (const ControlDef &def : controls) {
        if (def.labelFor)
            control<Label>(def.name)->setBuddy(control<QWidget>(def.labelFor));
    }
}

void Screen::showPlaced()
{
    const bool firstShow = !m_placed;
    m_placed = true;
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!firstShow || m_window.placement != Placement::CentreScreen || !screen) {
        show();
        return;
    }
    create();
    QRect client(QPoint(), size());
    client.moveCenter(screen->availableGeometry().center());
    setGeometry(client);
    // A window without a title bar has no frame to centre.
    if (m_window.caption)
        desktop::showFrameCentred(this);
    else
        show();
}

void Screen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_keptUnmaximised && m_window.border != Border::Sizable) {
        // A window of fixed size is never maximised, whatever a title bar offers: the toolkit's
        // own, drawn where a Wayland compositor draws none, always offers it.
        m_keptUnmaximised = true;
        QWindow *handle = windowHandle();
        connect(handle, &QWindow::windowStateChanged, this, [handle](Qt::WindowState state) {
            if (state == Qt::WindowMaximized || state == Qt::WindowFullScreen)
                handle->setWindowStates(Qt::WindowNoState);
        });
    }
    if (!m_window.taskbarButton && !event->spontaneous())
        desktop::skipTaskbarAndPager(this);
    if (!m_focused) {
        m_focused = true;
        if (!m_tabOrder.empty())
            m_tabOrder.front()->setFocus(Qt::OtherFocusReason);
    }
}

void Screen::closeEvent(QCloseEvent *event)
{
    // The design has no close button; a desktop that closes the window anyway gets what the
    // screen's own way out does, never a half-dead screen.
    event->ignore();
    emit leaveRequested();
}

void Screen::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void Screen::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(event, rect()))
        emit bareWindowClicked();
}

void Screen::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (!text.isEmpty()) {
        event->accept();
        emit characterTyped(text.front());
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace ui
