// The cost of one timer tick, computation alone and through the screen's labels.
// Prints one row per tick with its target.

#include "app/screens.h"
#include "colourcode/decodedvalue.h"
#include "decoders/form3.h"
#include "decoders/form6.h"
#include "encoders/form4.h"
#include "encoders/form7.h"
#include "ui/navigation.h"

#include <QApplication>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define OHMARA_CALLGRIND 1
#endif

#include <chrono>
#include <cstdio>
#include <functional>

namespace {

// Under callgrind each row's calls are counted alone: the statistics are zeroed before
// them and dumped after, under the row's name.
const char *g_row = "";

double nanosecondsPerCall(const std::function<void()> &f)
{
#ifdef OHMARA_CALLGRIND
    if (RUNNING_ON_VALGRIND) {
        f();
        CALLGRIND_ZERO_STATS;
        for (int i = 0; i < 1000; ++i)
            f();
        CALLGRIND_DUMP_STATS_AT(g_row);
        return 0;
    }
#endif
    using Clock = std::chrono::steady_clock;
    for (int i = 0; i < 10000; ++i)
        f();
    double best = 1e30;
    for (int round = 0; round < 5; ++round) {
        const int n = 200000;
        const auto start = Clock::now();
        for (int i = 0; i < n; ++i)
            f();
        const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
        best = std::min(best, ns / n);
    }
    return best;
}

void row(const char *name, double targetNs, const std::function<void()> &f)
{
    g_row = name;
    const double ns = nanosecondsPerCall(f);
    if (ns == 0)
        return;
    std::printf("%-44s %10.0f ns %10.0f ns  %s\n", name, ns, targetNs,
                ns <= targetNs ? "met" : "MISSED");
}

void choose(ui::Screen *s, const char *list, const char *item)
{
    auto *l = s->control<ui::DropDownList>(list);
    const int i = l->findText(QLatin1String(item));
    l->setCurrentIndex(i);
    emit l->activated(i);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app::configureApplication();
    ui::navigation::setEndAction([] {});

    std::printf("%-44s %13s %13s\n", "tick", "measured", "target");

    colourcode::DecoderTexts four;
    four.d1 = QStringLiteral("4");
    four.d2 = QStringLiteral("7");
    four.multiplier = QStringLiteral("orange");
    four.tolerance = QStringLiteral("gold");
    four.magnitude = QStringLiteral("kilo");
    four.percent = QStringLiteral("5");
    row("decoder computation, four bands", 1000, [&] { colourcode::decoderTick(four, 2); });

    colourcode::DecoderTexts five = four;
    five.d3 = QStringLiteral("0");
    five.multiplier = QStringLiteral("red");
    row("decoder computation, five bands", 1000, [&] { colourcode::decoderTick(five, 3); });

    ui::navigation::open(ui::ScreenId::Form3);
    auto *form3 = ui::navigation::screenAs<decoders::Form3>(ui::ScreenId::Form3);
    form3->timer("Timer1")->setEnabled(false);
    for (auto [list, item] : {std::pair{"band1", "yellow"},
                              {"band2", "purple"},
                              {"band3", "orange"},
                              {"band4", "gold"}})
        choose(form3, list, item);
    row("Form3 Timer1_Timer, unchanged result", 2000, [&] { form3->Timer1_Timer(); });

    ui::navigation::open(ui::ScreenId::Form6);
    auto *form6 = ui::navigation::screenAs<decoders::Form6>(ui::ScreenId::Form6);
    form6->timer("Timer1")->setEnabled(false);
    for (auto [list, item] : {std::pair{"band1", "yellow"},
                              {"band2", "purple"},
                              {"band3", "black"},
                              {"band4", "red"},
                              {"band5", "gold"}})
        choose(form6, list, item);
    row("Form6 Timer1_Timer, unchanged result", 2000, [&] { form6->Timer1_Timer(); });

    ui::navigation::open(ui::ScreenId::Form4);
    auto *form4 = ui::navigation::screenAs<encoders::Form4>(ui::ScreenId::Form4);
    form4->stopTimers();
    for (auto [list, item] :
         {std::pair{"number1", "4"}, {"number2", "7"}, {"number3", " Kohm"}, {"tolerance", "5%"}})
        choose(form4, list, item);
    row("Form4 Timer1_Timer (value text)", 2000, [&] { form4->Timer1_Timer(); });
    row("Form4 Timer2_Timer (band 3)", 2000, [&] { form4->Timer2_Timer(); });
    row("Form4 Timer3_Timer (range)", 2000, [&] { form4->Timer3_Timer(); });

    ui::navigation::open(ui::ScreenId::Form7);
    auto *form7 = ui::navigation::screenAs<encoders::Form7>(ui::ScreenId::Form7);
    form7->stopTimers();
    for (auto [list, item] : {std::pair{"number1", "4"},
                              {"number2", "7"},
                              {"digit3", "0"},
                              {"multiplier", " Kohm"},
                              {"tolerance", "1%"}})
        choose(form7, list, item);
    row("Form7 Timer1_Timer (value text)", 2000, [&] { form7->Timer1_Timer(); });
    row("Form7 Timer2_Timer (band 4)", 2000, [&] { form7->Timer2_Timer(); });
    row("Form7 Timer3_Timer (range)", 2000, [&] { form7->Timer3_Timer(); });
    return 0;
}
