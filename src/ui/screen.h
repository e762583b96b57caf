#pragma once

#include "ui/controls.h"
#include "ui/design.h"

#include <QTimer>
#include <QWidget>

#include <span>
#include <vector>

namespace ui {

// The program's windows; their object names are the design's: frmSplash, Form1 ... Form7.
enum class ScreenId {
    Splash,
    Menu,
    Chart,
    FourBandDecoder,
    FourBandEncoder,
    Calculator,
    FiveBandDecoder,
    FiveBandEncoder,
};
inline constexpr int kScreenCount = 8;

// A window built from a table of design values. Controls keep their design names and are
// looked up by them once, when the derived screen binds them to members named by role;
// handlers are the derived screen's member functions.
class Screen : public QWidget
{
    Q_OBJECT
public:
    Screen(ScreenId id, const WindowDef &window, std::span<const ControlDef> controls);

    ScreenId id() const { return m_id; }
    const WindowDef &windowDef() const { return m_window; }
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
    void placeOnFirstShow();

protected:
    // What the screen has computed, as one text for screen readers: the description of the
    // controls that produce it, where "where am I" finds it, and the name of the result area;
    // announced, without moving the focus, only when it changes, together with the choice in a
    // list that changed it: "gold. 4.7 kilo ohms, 5 %, minimum 4.465 Kohm, ...".
    void offerResult(const QString &text);
    void setResultControls(std::vector<QWidget *> producers, QWidget *resultArea);
    // "minimum 4.465 Kohm, maximum 4.935 Kohm", as the range boxes show it; empty boxes are left
    // out.
    static QString spokenRange(const Label *minimum, const Label *minimumUnit, const Label *maximum,
                               const Label *maximumUnit);

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
    [[noreturn]] void missingControl(const char *name) const;
    void build(std::span<const ControlDef> controls);
    void createFrames(std::span<const ControlDef> controls);
    void createDrawnControls(std::span<const ControlDef> controls);
    void createWindowedControls(std::span<const ControlDef> controls);
    void raiseWindowedControls(std::span<const ControlDef> controls);
    void followEveryChoice();
    void announceChoice(const DropDownList *list);
    void announceWhenSettled();
    void announce();
    void linkTabOrder(std::span<const ControlDef> controls);
    void linkLabels(std::span<const ControlDef> controls);

    ScreenId m_id;
    WindowDef m_window;
    std::span<const ControlDef> m_design;
    std::vector<QWidget *> m_tabOrder;
    std::vector<QWidget *> m_resultProducers;
    QWidget *m_resultArea = nullptr;
    Announcer *m_announcer = nullptr;
    // What waits to be announced once every timer has had its tick after a change.
    QTimer m_settling;
    QString m_choiceToAnnounce;
    bool m_resultToAnnounce = false;
    QString m_offeredResult;
    bool m_placed = false;
    bool m_focused = false;
    ClickTracker m_click;
};

} // namespace ui
