// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/design.h"
#include "ui/dropdownlist.h"

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
    Colour backColour() const { return m_backColour; }
    void setBackColour(Colour colour);

signals:
    void clicked();

protected:
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applyColours();
    void fitCaption();

    Colour m_backColour = kStandardColour;
    Colour m_foreColour = kStandardColour;
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

class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    TextBox(const ControlDef &def, QWidget *parent);
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
