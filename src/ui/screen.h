#pragma once

#include "ui/controls.h"
#include "ui/design.h"

#include <QWidget>

#include <span>
#include <vector>

namespace ui {

enum class ScreenId { frmSplash, Form1, Form2, Form3, Form4, Form5, Form6, Form7 };
inline constexpr int kScreenCount = 8;

// A window built from a table of design values. Controls are named as in the design and
// found by name; handlers are the derived screen's member functions.
class Screen : public QWidget
{
    Q_OBJECT
public:
    Screen(ScreenId id, const WindowDef &window, std::span<const ControlDef> controls);

    ScreenId id() const { return m_id; }
    const WindowDef &windowDef() const { return m_window; }

    template<class T>
    T *control(const char *name) const
    {
        return findChild<T *>(QLatin1String(name));
    }
    Timer *timer(const char *name) const { return control<Timer>(name); }

    // The controls that take the focus, in tab order.
    const std::vector<QWidget *> &tabOrder() const { return m_tabOrder; }

    void stopTimers();
    void placeOnFirstShow();

protected:
    // What a close forced by the desktop (Alt+F4) means on this screen: the back button.
    virtual void closeRequested();
    virtual void Form_Click() { }
    virtual void Form_KeyPress(int) { }

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void build(std::span<const ControlDef> controls);

    ScreenId m_id;
    WindowDef m_window;
    std::vector<QWidget *> m_tabOrder;
    bool m_placed = false;
    bool m_focused = false;
    ClickTracker m_click;
};

} // namespace ui
