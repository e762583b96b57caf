// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "ui/controls.h"

#include "ui/designstyle.h"
#include "ui/scheme.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace ui {
namespace {

// A bitmap at the screen's density: "name@2x.ext" beside "name.ext" where the screen has
// two device pixels to a logical one.
QPixmap bitmap(const char *path)
{
    const QString file = QLatin1String(path);
    const qsizetype dot = file.lastIndexOf(u'.');
    if (qApp->devicePixelRatio() > 1.5 && dot > 0) {
        QPixmap sharp = artwork(file.left(dot) + QLatin1String("@2x") + file.mid(dot));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return artwork(file);
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
    // Below 8 pixels or 60 % of its width a face no longer reads; 5 % steps look alike.
    constexpr int kSmallestPixels = 8;
    constexpr int kNarrowestStretch = 60;
    constexpr int kStretchStep = 5;
    const int room = contentsRect().width();
    QFont font = m_designFont;
    for (int size = font.pixelSize(); size >= kSmallestPixels; --size) {
        font.setPixelSize(size);
        for (int stretch = m_designFont.stretch(); stretch >= kNarrowestStretch;
             stretch -= kStretchStep) {
            font.setStretch(stretch);
            if (QFontMetrics(font).horizontalAdvance(text()) <= room) {
                setFont(font);
                return;
            }
        }
    }
    setFont(font);
}

void Label::setBackColour(Colour colour)
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
    const QColor text = m_transparent ? colourOf(m_foreColour, pal, QPalette::ButtonText)
                                      : readableText(m_foreColour, m_backColour, pal);
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, text);
    setPalette(pal);
    setAutoFillBackground(!m_transparent);
}

void Label::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    // The desktop switched between light and dark, or its style: the scheme's colours follow,
    // the fixed ones stay. Setting the same palette again raises no further change.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        applyColours();
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

TextBox::TextBox(const ControlDef &def, QWidget *parent)
    : QLineEdit(QLatin1String(def.caption), parent)
{
    setObjectName(QLatin1String(def.name));
    setGeometry(rectOf(def));
    setFont(fontOf(def.font));
    setFocusPolicy(Qt::StrongFocus);
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
