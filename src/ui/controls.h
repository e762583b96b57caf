#pragma once

#include "ui/design.h"

#include <QBasicTimer>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace ui {

// A click as the user means it: the left button pressed and released inside the control.
// Controls that are clicked accept their presses, so the window behind never sees them.
class ClickTracker
{
public:
    void press(QMouseEvent *event);
    bool release(QMouseEvent *event, const QRect &inside);

private:
    bool m_pressed = false;
};

QFont fontOf(Font font);

// A control of the def's kind, named and placed as the design says.
QObject *createControl(const ControlDef &def, QWidget *parent);

// Static text. The caption reads back exactly as written; hidden labels keep theirs.
class Label : public QLabel
{
    Q_OBJECT
public:
    Label(const ControlDef &def, QWidget *parent);

    QString caption() const { return text(); }
    void setCaption(const QString &caption);
    quint32 backColour() const { return m_backColour; }
    void setBackColour(quint32 colour);
    bool isTransparent() const { return m_transparent; }
    bool hasBorder() const { return m_border; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applyColours();
    void fitCaption();

    quint32 m_backColour = kStandardColour;
    quint32 m_foreColour = kStandardColour;
    bool m_transparent = false;
    bool m_border = false;
    bool m_fit = false;
    QFont m_designFont;
    ClickTracker m_click;
};

// A push button whose caption wraps over as many lines as its height allows.
class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    CommandButton(const ControlDef &def, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// A choose-only list; Text is "" until the user chooses. Writing Text raises no Click.
class DropDownList : public QComboBox
{
    Q_OBJECT
public:
    DropDownList(const ControlDef &def, QWidget *parent);

    QString text() const { return currentText(); }
    void setText(const QString &text);

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void chooseByTyping(const QString &typed);

    QString m_typed;
    QElapsedTimer m_typedAt;
};

class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    TextBox(const ControlDef &def, QWidget *parent);
};

// Ticks every interval while enabled. Ticks never queue: one that falls due while a handler
// runs is merged into the next. The shortest intervals share one clock, so that several
// screens open at once cost one wake-up per tick between them.
class Timer : public QObject
{
    Q_OBJECT
public:
    Timer(const ControlDef &def, QObject *parent);
    ~Timer() override;

    int interval() const { return m_interval; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // A user's choice wants its result at once: one tick of a shortest-interval timer as soon
    // as the event loop is free, merged with any other tick already due.
    void tickSoon();

    // How often the shortest timers tick on their own, in milliseconds. A choice by the user
    // gets its tick at once (tickSoon), so the clock only has to keep results fresh; a slow
    // clock leaves the processor idle with several screens open.
    static constexpr int kFastestTickMs = 50;

signals:
    void ticked();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    void start();
    void stop();

    int m_interval = 0;
    bool m_enabled = false;
    bool m_tickPending = false;
    QBasicTimer m_timer;
};

class Image : public QWidget
{
    Q_OBJECT
public:
    Image(const ControlDef &def, QWidget *parent);
    const QPixmap &pixmap() const { return m_pixmap; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_pixmap;
    bool m_stretch = false;
    ClickTracker m_click;
};

// A bitmap at its natural size inside a sunken border, clipped to the box.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    PictureBox(const ControlDef &def, QWidget *parent);
    const QPixmap &pixmap() const { return m_pixmap; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_pixmap;
};

class Line : public QWidget
{
    Q_OBJECT
public:
    Line(const ControlDef &def, QWidget *parent);
    QLine line() const { return m_line; } // in the parent's pixels

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLine m_line;
};

class Frame : public QFrame
{
    Q_OBJECT
public:
    Frame(const ControlDef &def, QWidget *parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    ClickTracker m_click;
};

} // namespace ui
