// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// From a user's choice to the result shown: a key press in a list (or a button on the
// calculator), then the event loop runs until the result label has painted its new text.
// Run on a real display. Prints the 50th and 99th percentile per screen, in milliseconds.

#include "support/screentest.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace screentest;

// Notes the moment the watched label paints a caption other than the one it had.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(Label *label)
        : m_label(label)
    {
        label->installEventFilter(this);
    }
    void arm()
    {
        m_before = m_label->caption();
        m_done = false;
    }
    bool done() const { return m_done; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_label->caption() != m_before)
            m_done = true;
        return false;
    }

private:
    Label *m_label;
    QString m_before;
    bool m_done = false;
};

struct Case
{
    const char *title;
    ScreenId id;
    const char *moved; // the list the user moves through, by role, or the button pressed
    const char *setup; // the choices before
};

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app::configureApplication();
    navigation().setEndAction([] {});
    nav::show(ScreenId::Menu);
    const int samples = argc > 1 ? std::atoi(argv[1]) : 300;

    // clang-format off
    const Case cases[] = {
            {"four-band decoder", ScreenId::FourBandDecoder, "first", "first=yellow;second=black;multiplier=red;tolerance=gold"},
            {"five-band decoder", ScreenId::FiveBandDecoder, "first", "first=yellow;second=black;third=black;multiplier=red;tolerance=gold"},
            {"four-band encoder", ScreenId::FourBandEncoder, "first", "first=4;second=7;unit= Kohm;tolerance=5%"},
            {"five-band encoder", ScreenId::FiveBandEncoder, "first", "first=4;second=7;third=0;unit= Kohm;tolerance=1%"},
            {"calculator", ScreenId::Calculator, "series resistors", ""},
    };
    // clang-format on

    std::printf("%-20s %8s %8s %8s\n", "screen", "p50 ms", "p99 ms", "target");
    for (const Case &c : cases) {
        Screen *s = open(c.id);
        if (!QTest::qWaitForWindowExposed(s))
            qFatal("%s was never shown", qPrintable(s->objectName()));
        choose(s, QLatin1String(c.setup));
        const bool calculator = c.id == ScreenId::Calculator;
        PaintWatch watch(s->bound<Label>(calculator ? Role::Result : Role::Minimum));
        QWidget *target = calculator ? static_cast<QWidget *>(button(s, QLatin1String(c.moved)))
                                     : list(s, QString::fromLatin1(c.moved));
        std::vector<double> ms;
        for (int i = 0; i < samples; ++i) {
            if (calculator)
                byRole<TextBox>(s, Role::FirstValue)->setText(QString::number(i));
            watch.arm();
            QElapsedTimer clock;
            clock.start();
            target->setFocus();
            QTest::keyClick(target, calculator ? Qt::Key_Space : i % 2 ? Qt::Key_Up : Qt::Key_Down);
            while (!watch.done() && clock.elapsed() < 1000)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
        std::printf("%-20s %8.2f %8.2f %8d\n", c.title, percentile(ms, 0.5), percentile(ms, 0.99),
                    16);
        nav::unload(c.id);
    }
    return 0;
}
