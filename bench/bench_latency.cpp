// From a user's choice to the result shown: a key press in a list (or a button on the
// calculator), then the event loop runs until the result label has painted its new text.
// Run on a real display. Prints the 50th and 99th percentile per screen, in milliseconds.

#include "app/screens.h"
#include "ui/navigation.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace ui;

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
    const char *list; // the list the user moves through, or the button pressed
    const char *result; // the label that shows the result
    std::vector<std::pair<const char *, const char *>> setup;
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
    navigation::setEndAction([] {});
    navigation::show(ScreenId::Menu);
    const int samples = argc > 1 ? std::atoi(argv[1]) : 300;

    const Case cases[] = {
            {"four-band decoder",
             ScreenId::FourBandDecoder,
             "band1",
             "minvalue",
             {{"band1", "yellow"}, {"band2", "black"}, {"band3", "red"}, {"band4", "gold"}}},
            {"five-band decoder",
             ScreenId::FiveBandDecoder,
             "band1",
             "minvalue",
             {{"band1", "yellow"},
              {"band2", "black"},
              {"band3", "black"},
              {"band4", "red"},
              {"band5", "gold"}}},
            {"four-band encoder",
             ScreenId::FourBandEncoder,
             "number1",
             "minvalue",
             {{"number1", "4"}, {"number2", "7"}, {"number3", " Kohm"}, {"tolerance", "5%"}}},
            {"five-band encoder",
             ScreenId::FiveBandEncoder,
             "number1",
             "minvalue",
             {{"number1", "4"},
              {"number2", "7"},
              {"digit3", "0"},
              {"multiplier", " Kohm"},
              {"tolerance", "1%"}}},
            {"calculator", ScreenId::Calculator, "Command1", "Label1", {}},
    };

    std::printf("%-20s %8s %8s %8s\n", "screen", "p50 ms", "p99 ms", "target");
    for (const Case &c : cases) {
        navigation::show(c.id);
        Screen *s = navigation::screen(c.id);
        if (!QTest::qWaitForWindowExposed(s))
            qFatal("%s was never shown", qPrintable(s->objectName()));
        for (auto [list, item] : c.setup) {
            auto *l = s->control<DropDownList>(list);
            l->setCurrentIndex(l->findText(QLatin1String(item)));
            emit l->activated(l->currentIndex());
        }
        PaintWatch watch(s->control<Label>(c.result));
        std::vector<double> ms;
        for (int i = 0; i < samples; ++i) {
            QWidget *target = s->control<QWidget>(c.list);
            if (c.id == ScreenId::Calculator)
                s->control<TextBox>("val1")->setText(QString::number(i));
            watch.arm();
            QElapsedTimer clock;
            clock.start();
            target->setFocus();
            if (c.id == ScreenId::Calculator)
                QTest::keyClick(target, Qt::Key_Space);
            else
                QTest::keyClick(target, i % 2 ? Qt::Key_Up : Qt::Key_Down);
            while (!watch.done() && clock.elapsed() < 1000)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
        std::printf("%-20s %8.2f %8.2f %8d\n", c.title, percentile(ms, 0.5), percentile(ms, 0.99),
                    16);
        navigation::unload(c.id);
    }
    return 0;
}
