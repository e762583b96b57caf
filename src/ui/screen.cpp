#include "ui/screen.h"

#include "ui/desktop.h"
#include "ui/navigation.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QScreen>

#include <algorithm>

namespace ui {
namespace {

const char *const kScreenNames[kScreenCount]
        = {"frmSplash", "Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7"};

Qt::WindowFlags flagsFor(const WindowDef &window)
{
    if (!window.caption)
        return Qt::SplashScreen | Qt::FramelessWindowHint;
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

Screen::Screen(ScreenId id, const WindowDef &window, std::span<const ControlDef> controls)
    : QWidget(nullptr, flagsFor(window))
    , m_id(id)
    , m_window(window)
    , m_design(controls)
{
    setObjectName(QLatin1String(kScreenNames[int(id)]));
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
    qFatal("%s has no control named %s", qPrintable(objectName()), name);
}

void Screen::build(std::span<const ControlDef> controls)
{
    createFrames(controls);
    createDrawnControls(controls);
    createWindowedControls(controls);
    raiseWindowedControls(controls);
    followEveryChoice();
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
        if (!isDrawn(def.kind) && def.kind != Kind::Timer)
            control<QWidget>(def.name)->raise();
    }
}

void Screen::followEveryChoice()
{
    // Results follow a choice within the same frame, not a clock period later.
    const auto timers = findChildren<Timer *>();
    auto tickSoon = [timers] {
        for (Timer *t : timers)
            t->tickSoon();
    };
    for (auto *list : findChildren<DropDownList *>()) {
        connect(list, &DropDownList::clicked, this, tickSoon);
        connect(list, &DropDownList::clicked, this, [this, list] { announceChoice(list); });
    }
    for (auto *button : findChildren<CommandButton *>())
        connect(button, &CommandButton::clicked, this, tickSoon);

    // A result is whole once the slowest timer has ticked after the choice; half again as long,
    // since coarse timers may tick late.
    int slowest = 0;
    for (Timer *t : timers)
        slowest = std::max(slowest, t->interval());
    m_settling.setSingleShot(true);
    m_settling.setInterval(slowest * 3 / 2);
    connect(&m_settling, &QTimer::timeout, this, &Screen::announce);
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

void Screen::setResultControls(std::vector<QWidget *> producers, QWidget *resultArea)
{
    m_resultProducers = std::move(producers);
    m_resultArea = resultArea;
    m_announcer = new Announcer(this);
}

QString Screen::spokenRange(const Label *minimum, const Label *minimumUnit, const Label *maximum,
                            const Label *maximumUnit)
{
    QStringList parts;
    if (!minimum->caption().isEmpty())
        parts << QLatin1String("minimum ") + minimum->caption() + u' ' + minimumUnit->caption();
    if (!maximum->caption().isEmpty())
        parts << QLatin1String("maximum ") + maximum->caption() + u' ' + maximumUnit->caption();
    return parts.join(QLatin1String(", "));
}

void Screen::offerResult(const QString &text)
{
    if (text == m_offeredResult)
        return;
    m_offeredResult = text;
    for (QWidget *w : m_resultProducers)
        w->setAccessibleDescription(text);
    if (m_resultArea)
        m_resultArea->setAccessibleName(text);
    // The description's own change is not spoken by every screen reader.
    m_resultToAnnounce = !text.isEmpty();
    announceWhenSettled();
}

void Screen::announceChoice(const DropDownList *list)
{
    // A screen reader does not speak a closed list's new choice by itself. A blank item
    // would be spoken as nothing.
    const QString choice = list->text();
    m_choiceToAnnounce = choice.trimmed().isEmpty() ? QStringLiteral("blank") : choice;
    announceWhenSettled();
}

void Screen::announceWhenSettled()
{
    // One announcement for a choice and all it changes: each new one would cut the last short.
    if (m_announcer)
        m_settling.start();
}

void Screen::announce()
{
    QStringList parts{m_choiceToAnnounce};
    if (m_resultToAnnounce)
        parts << m_offeredResult;
    m_choiceToAnnounce.clear();
    m_resultToAnnounce = false;
    parts.removeAll(QString());
    if (!parts.isEmpty())
        m_announcer->announce(parts.join(QLatin1String(". ")));
}

void Screen::stopTimers()
{
    for (Timer *t : findChildren<Timer *>())
        t->setEnabled(false);
}

void Screen::placeOnFirstShow()
{
    if (m_placed)
        return;
    m_placed = true;
    if (m_window.placement != Placement::CentreScreen)
        return;
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The whole window with its frame, which the window manager tells before the window shows.
    create();
    const QMargins extents = m_window.caption ? desktop::frameExtents(this) : QMargins();
    QRect frame = QRect(QPoint(), size()).marginsAdded(extents);
    frame.moveCenter(screen->availableGeometry().center());
    setGeometry(frame.marginsRemoved(extents));
}

void Screen::closeRequested()
{
    navigation::backToMenu(m_id);
}

void Screen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_window.caption && !m_window.taskbarButton && !event->spontaneous())
        desktop::skipTaskbarAndPager(this);
    if (!m_focused) {
        m_focused = true;
        // the first results, such as the units of an untouched decoder, come with the window
        for (Timer *t : findChildren<Timer *>())
            t->tickSoon();
        if (!m_tabOrder.empty())
            m_tabOrder.front()->setFocus(Qt::OtherFocusReason);
    }
}

void Screen::closeEvent(QCloseEvent *event)
{
    // The design has no close button; a desktop that closes the window anyway gets what the
    // screen's own way out does, never a half-dead screen.
    event->ignore();
    closeRequested();
}

void Screen::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void Screen::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(event, rect()))
        Form_Click();
}

void Screen::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (!text.isEmpty()) {
        event->accept();
        Form_KeyPress(text.front().unicode());
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace ui
