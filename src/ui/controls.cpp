#include "ui/controls.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimerEvent>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ui {
namespace {

QRect rectOf(const ControlDef &def)
{
    return QRect(pixels(def.left), pixels(def.top), pixels(def.width), pixels(def.height));
}

// The one clock behind every timer of the shortest interval.
class FrameClock : public QObject
{
public:
    static FrameClock &instance()
    {
        static FrameClock clock;
        return clock;
    }

    void add(Timer *timer)
    {
        if (std::find(m_timers.begin(), m_timers.end(), timer) == m_timers.end())
            m_timers.push_back(timer);
        if (!m_clock.isActive())
            m_clock.start(Timer::kFastestTickMs, Qt::PreciseTimer, this);
    }

    void remove(Timer *timer)
    {
        std::erase(m_timers, timer);
        if (m_timers.empty())
            m_clock.stop();
    }

protected:
    void timerEvent(QTimerEvent *) override
    {
        // A handler may stop or destroy other timers (a back button unloads its screen).
        const std::vector<Timer *> due = m_timers;
        for (Timer *timer : due) {
            if (std::find(m_timers.begin(), m_timers.end(), timer) != m_timers.end())
                emit timer->ticked();
        }
    }

private:
    std::vector<Timer *> m_timers;
    QBasicTimer m_clock;
};

bool usesFrameClock(int interval)
{
    return interval <= Timer::kFastestTickMs;
}

// A bitmap at the screen's density: "name@2x.ext" beside "name.ext" where the screen has
// two device pixels to a logical one.
QPixmap bitmap(const char *path)
{
    const QString file = QLatin1String(path);
    const qsizetype dot = file.lastIndexOf(u'.');
    if (qApp->devicePixelRatio() > 1.5 && dot > 0) {
        QPixmap sharp(file.left(dot) + QLatin1String("@2x") + file.mid(dot));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QPixmap(file);
}

// A list is named by its role, as the heading over it says, whatever is chosen; the choice is
// its value, its text (where a screen reader looks for a closed list's value when the toolkit
// offers no selection) and the selected item of its popup list.
class ListAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ListAccessible(DropDownList *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->text();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    // The choice as read-only text without a caret.
    QString text(int start, int end) const override
    {
        return list()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(list()->text().size()); }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override { }

private:
    DropDownList *list() const { return static_cast<DropDownList *>(widget()); }
};

// A notice of an announcer, and the status line that holds them.
class Notice : public QWidget
{
public:
    explicit Notice(QWidget *parent)
        : QWidget(parent)
    {
        setGeometry(0, 0, 0, 0);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }
};

QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    // Pictures are images to a screen reader, named by what they show.
    if (qobject_cast<Image *>(object) || qobject_cast<PictureBox *>(object))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    if (auto *list = qobject_cast<DropDownList *>(object))
        return new ListAccessible(list);
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new QAccessibleWidget(announcer, QAccessible::StatusBar);
    if (auto *notice = dynamic_cast<Notice *>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    return nullptr;
}

void installAccessibleFactory()
{
    static const bool installed = (QAccessible::installFactory(accessibleFor), true);
    Q_UNUSED(installed);
}

void nameForScreenReaders(QWidget *control, const ControlDef &def)
{
    installAccessibleFactory();
    if (def.accessibleName)
        control->setAccessibleName(QLatin1String(def.accessibleName));
}

bool isFixed(quint32 colour)
{
    return colour != kStandardColour && !(colour & 0x80000000u);
}

// As WCAG 2 defines it: 1 for the same colour, 21 for black on white.
double contrast(const QColor &a, const QColor &b)
{
    auto luminance = [](const QColor &c) {
        auto linear = [](float v) {
            return v <= 0.04045f ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The light scheme the design's fixed colours were chosen for: black text, white highlights.
const QPalette &designScheme()
{
    static const QPalette scheme = [] {
        QPalette p;
        p.setColor(QPalette::ButtonText, QColor(0, 0, 0));
        p.setColor(QPalette::WindowText, QColor(0, 0, 0));
        p.setColor(QPalette::Light, QColor(255, 255, 255));
        return p;
    }();
    return scheme;
}

// Text in a scheme's colour on a fixed background: as the scheme has it where it reads well
// (4.5:1), or where it is the colour the design was drawn with; else black or white, whichever
// reads better. A dark scheme's light text on a pale swatch would be invisible.
QColor readable(const QColor &text, const QColor &background, const QColor &drawnWith)
{
    if (text == drawnWith || contrast(text, background) >= 4.5)
        return text;
    const QColor black(0, 0, 0), white(255, 255, 255);
    return contrast(black, background) >= contrast(white, background) ? black : white;
}

} // namespace

void ClickTracker::press(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

bool ClickTracker::release(QMouseEvent *event, const QRect &inside)
{
    event->accept();
    const bool click = m_pressed && event->button() == Qt::LeftButton
            && inside.contains(event->position().toPoint());
    m_pressed = false;
    return click;
}

QColor colourOf(quint32 value, const QPalette &palette, QPalette::ColorRole standardRole)
{
    if (value == kStandardColour)
        return palette.color(standardRole);
    if (value & 0x80000000u) {
        switch (value & 0xff) {
        case 0x08:
            return palette.color(QPalette::WindowText);
        case 0x14:
            return palette.color(QPalette::Light);
        default:
            return palette.color(standardRole);
        }
    }
    return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}

QFont fontOf(Font font)
{
    // MS Sans Serif does not exist here; Liberation Sans is close and sized in pixels at
    // 96 dpi, so the layout is the same whatever the desktop's font settings. Narrowed to 95 %
    // it keeps MS Sans Serif's widths: the blank-aligned column heads line up with their lists
    // and the longest captions fit on their line.
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    f.setStyleHint(QFont::SansSerif);
    f.setStretch(font == Font::ArialBold ? QFont::Unstretched : 95);
    switch (font) {
    case Font::Standard:
        f.setPixelSize(11);
        break;
    case Font::Medium:
        f.setPixelSize(13);
        break;
    case Font::Large:
        f.setPixelSize(32);
        break;
    case Font::Bold:
        f.setPixelSize(11);
        f.setWeight(QFont::Bold);
        break;
    case Font::ArialBold:
        f.setPixelSize(24);
        f.setWeight(QFont::Bold);
        break;
    }
    return f;
}

Label::Label(const ControlDef &def, QWidget *parent)
    : QLabel(parent)
    , m_backColour(def.backColour)
    , m_foreColour(def.foreColour)
    , m_transparent(def.flags & Flag::Transparent)
    , m_border(def.flags & Flag::Border)
    , m_fit(def.flags & Flag::FitCaption)
    , m_designFont(fontOf(def.font))
{
    setObjectName(QLatin1String(def.name));
    setGeometry(rectOf(def));
    setFont(m_designFont);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(!m_fit);
    setMargin(0);
    setIndent(0);
    setFocusPolicy(Qt::NoFocus);
    // Set explicitly: a child would otherwise take over its window's roles.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    if (m_border) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
    setText(QLatin1String(def.caption));
    applyColours();
    if (def.flags & Flag::Hidden)
        setVisible(false);
}

void Label::setCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
    if (m_fit)
        fitCaption();
}

void Label::fitCaption()
{
    // The design's font where the caption fits, as it always was; else the same face narrowed,
    // and then smaller, until it does: a reader sees every digit of a long result.
    const int room = contentsRect().width();
    QFont font = m_designFont;
    for (int size = font.pixelSize(); size >= 8; --size) {
        font.setPixelSize(size);
        for (int stretch = m_designFont.stretch(); stretch >= 60; stretch -= 5) {
            font.setStretch(stretch);
            if (QFontMetrics(font).horizontalAdvance(text()) <= room) {
                setFont(font);
                return;
            }
        }
    }
    setFont(font);
}

void Label::setBackColour(quint32 colour)
{
    if (colour == m_backColour)
        return;
    m_backColour = colour;
    applyColours();
}

void Label::applyColours()
{
    QPalette pal = parentWidget() ? parentWidget()->palette() : palette();
    const QColor background = colourOf(m_backColour, pal, QPalette::Button);
    QColor text = colourOf(m_foreColour, pal, QPalette::ButtonText);
    if (!m_transparent && isFixed(m_backColour) && !isFixed(m_foreColour))
        text = readable(text, background,
                        colourOf(m_foreColour, designScheme(), QPalette::ButtonText));
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, text);
    setPalette(pal);
    setAutoFillBackground(!m_transparent);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(event, rect()))
        emit clicked();
}

CommandButton::CommandButton(const ControlDef &def, QWidget *parent)
    : QPushButton(QLatin1String(def.caption), parent)
{
    setObjectName(QLatin1String(def.name));
    setGeometry(rectOf(def));
    setFont(fontOf(def.font));
    setFocusPolicy(Qt::StrongFocus);
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);

    QRect area = rect().adjusted(3, 2, -3, -2);
    if (isDown())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                             QPalette::ButtonText));
    p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && event->modifiers() == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

DropDownList::DropDownList(const ControlDef &def, QWidget *parent)
    : QComboBox(parent)
{
    setObjectName(QLatin1String(def.name));
    setFont(fontOf(def.font));
    setEditable(false);
    setMaxVisibleItems(8);
    for (const char *item : def.items)
        addItem(QLatin1String(item));
    setCurrentIndex(-1);
    // The closed box is as high as its design says; the list itself opens below it.
    setGeometry(rectOf(def));
    setFocusPolicy(Qt::StrongFocus);
    nameForScreenReaders(this, def);
    connect(this, &QComboBox::activated, this, &DropDownList::clicked);
    m_typedAt.invalidate();
    // The choice is the selected item of the list, where a screen reader looks for it.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        view()->selectionModel()->select(model()->index(index, 0),
                                         QItemSelectionModel::ClearAndSelect);
    });
    // A screen reader chooses by selecting an item of the closed list; that is a choice by
    // the user like any other. While the list is open the selection only follows the pointer.
    connect(view()->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (view()->isVisible())
            return;
        const QModelIndexList rows = view()->selectionModel()->selectedRows();
        if (rows.size() != 1 || rows.front().row() == currentIndex())
            return;
        setCurrentIndex(rows.front().row());
        emit activated(currentIndex());
    });
}

void DropDownList::keyPressEvent(QKeyEvent *event)
{
    // Typed letters choose here rather than in the toolkit's own search, which moves the current
    // item of the closed popup: a screen reader follows that item into the hidden popup and
    // leaves the list. Space still opens the popup.
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.front().isPrint() && event->key() != Qt::Key_Space
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        event->accept();
        chooseByTyping(typed);
        return;
    }
    m_typedAt.invalidate(); // after an arrow key a letter starts a new search
    QComboBox::keyPressEvent(event);
}

void DropDownList::chooseByTyping(const QString &typed)
{
    const bool goingOn
            = m_typedAt.isValid() && m_typedAt.elapsed() < QApplication::keyboardInputInterval();
    m_typed = goingOn ? m_typed + typed : typed;
    m_typedAt.start();
    // One letter, or the same letter again and again, steps to the next item starting with it;
    // more letters narrow the choice from the current item on.
    const bool oneLetter = m_typed.count(m_typed.front()) == m_typed.size();
    const QString prefix = oneLetter ? m_typed.left(1) : m_typed;
    const int from = std::max(currentIndex() + (oneLetter ? 1 : 0), 0);
    for (int i = 0; i < count(); ++i) {
        const int row = (from + i) % count();
        if (itemText(row).startsWith(prefix, Qt::CaseInsensitive)) {
            if (row != currentIndex()) {
                setCurrentIndex(row);
                emit activated(row);
            }
            return;
        }
    }
}

void DropDownList::setText(const QString &text)
{
    setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

TextBox::TextBox(const ControlDef &def, QWidget *parent)
    : QLineEdit(QLatin1String(def.caption), parent)
{
    setObjectName(QLatin1String(def.name));
    setGeometry(rectOf(def));
    setFont(fontOf(def.font));
    setFocusPolicy(Qt::StrongFocus);
}

Timer::Timer(const ControlDef &def, QObject *parent)
    : QObject(parent)
    , m_interval(def.interval)
{
    setObjectName(QLatin1String(def.name));
    setEnabled(true);
}

Timer::~Timer()
{
    stop();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (enabled)
        start();
    else
        stop();
}

void Timer::tickSoon()
{
    if (!m_enabled || !usesFrameClock(m_interval) || m_tickPending)
        return;
    m_tickPending = true;
    QMetaObject::invokeMethod(
            this,
            [this] {
                m_tickPending = false;
                if (m_enabled)
                    emit ticked();
            },
            Qt::QueuedConnection);
}

void Timer::start()
{
    if (usesFrameClock(m_interval))
        FrameClock::instance().add(this);
    else
        m_timer.start(m_interval, Qt::CoarseTimer, this);
}

void Timer::stop()
{
    FrameClock::instance().remove(this);
    m_timer.stop();
}

void Timer::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timer.timerId())
        emit ticked();
}

Image::Image(const ControlDef &def, QWidget *parent)
    : QWidget(parent)
    , m_pixmap(bitmap(def.caption))
    , m_stretch(def.flags & Flag::Stretch)
{
    setObjectName(QLatin1String(def.name));
    QRect r = rectOf(def);
    if (!m_stretch && !m_pixmap.isNull())
        r.setSize(m_pixmap.deviceIndependentSize().toSize());
    setGeometry(r);
    setFocusPolicy(Qt::NoFocus);
    nameForScreenReaders(this, def);
}

void Image::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_stretch) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), m_pixmap);
    } else {
        p.drawPixmap(0, 0, m_pixmap);
    }
}

void Image::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void Image::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(event, rect()))
        emit clicked();
}

PictureBox::PictureBox(const ControlDef &def, QWidget *parent)
    : QFrame(parent)
    , m_pixmap(bitmap(def.caption))
{
    setObjectName(QLatin1String(def.name));
    setGeometry(rectOf(def));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    nameForScreenReaders(this, def);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    {
        QPainter p(this);
        const QRect inside = contentsRect();
        p.setClipRect(inside);
        p.drawPixmap(inside.topLeft(), m_pixmap);
    }
    QFrame::paintEvent(event);
}

Line::Line(const ControlDef &def, QWidget *parent)
    : QWidget(parent)
    , m_line(pixels(def.left), pixels(def.top), pixels(def.width), pixels(def.height))
{
    setObjectName(QLatin1String(def.name));
    // Both end points lie inside the widget, whichever comes first.
    const QPoint topLeft(std::min(m_line.x1(), m_line.x2()), std::min(m_line.y1(), m_line.y2()));
    const QPoint bottomRight(std::max(m_line.x1(), m_line.x2()),
                             std::max(m_line.y1(), m_line.y2()));
    setGeometry(QRect(topLeft, bottomRight));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1)); // one logical pixel
    p.drawLine(m_line.translated(-pos()));
}

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    installAccessibleFactory();
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < 3; ++i)
        m_notices.push_back(new Notice(this));
}

void Announcer::announce(const QString &text)
{
    QWidget *notice = m_notices[m_next];
    m_next = (m_next + 1) % m_notices.size();
    notice->setAccessibleName(text);
    notice->hide();
    notice->show();
}

QObject *createControl(const ControlDef &def, QWidget *parent)
{
    switch (def.kind) {
    case Kind::Label:
        return new Label(def, parent);
    case Kind::CommandButton:
        return new CommandButton(def, parent);
    case Kind::DropDownList:
        return new DropDownList(def, parent);
    case Kind::TextBox:
        return new TextBox(def, parent);
    case Kind::Timer:
        return new Timer(def, parent);
    case Kind::Image:
        return new Image(def, parent);
    case Kind::PictureBox:
        return new PictureBox(def, parent);
    case Kind::Line:
        return new Line(def, parent);
    case Kind::Frame:
        return new Frame(def, parent);
    }
    return nullptr;
}

Frame::Frame(const ControlDef &def, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QLatin1String(def.name));
    setGeometry(rectOf(def));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setLineWidth(1);
    setFocusPolicy(Qt::NoFocus);
}

void Frame::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void Frame::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(event, rect()))
        emit clicked();
}

} // namespace ui
