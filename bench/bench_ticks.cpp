// The cost of one timer tick, computation alone and through the screen's labels.
// Prints one row per tick with its target.

#include "app/screens.h"
#include "colourcode/decodedvalue.h"
#include "decoders/fivebanddecoder.h"
#include "decoders/fourbanddecoder.h"
#include "encoders/fivebandencoder.h"
#include "encoders/fourbandencoder.h"
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

    ui::navigation::show(ui::ScreenId::FourBandDecoder);
    auto *fourDecoder
            = ui::navigation::screenAs<decoders::FourBandDecoder>(ui::ScreenId::FourBandDecoder);
    fourDecoder->timer("Timer1")->setEnabled(false);
    for (auto [list, item] : {std::pair{"band1", "yellow"},
                              {"band2", "purple"},
                              {"band3", "orange"},
                              {"band4", "gold"}})
        choose(fourDecoder, list, item);
    row("four-band decoder Timer1_Timer, unchanged result", 2000,
        [&] { fourDecoder->Timer1_Timer(); });

    ui::navigation::show(ui::ScreenId::FiveBandDecoder);
    auto *fiveDecoder
            = ui::navigation::screenAs<decoders::FiveBandDecoder>(ui::ScreenId::FiveBandDecoder);
    fiveDecoder->timer("Timer1")->setEnabled(false);
    for (auto [list, item] : {std::pair{"band1", "yellow"},
                              {"band2", "purple"},
                              {"band3", "black"},
                              {"band4", "red"},
                              {"band5", "gold"}})
        choose(fiveDecoder, list, item);
    row("five-band decoder Timer1_Timer, unchanged result", 2000,
        [&] { fiveDecoder->Timer1_Timer(); });

    ui::navigation::show(ui::ScreenId::FourBandEncoder);
    auto *fourEncoder
            = ui::navigation::screenAs<encoders::FourBandEncoder>(ui::ScreenId::FourBandEncoder);
    fourEncoder->stopTimers();
    for (auto [list, item] :
         {std::pair{"number1", "4"}, {"number2", "7"}, {"number3", " Kohm"}, {"tolerance", "5%"}})
        choose(fourEncoder, list, item);
    row("four-band encoder Timer1_Timer (value text)", 2000, [&] { fourEncoder->Timer1_Timer(); });
    row("four-band encoder Timer2_Timer (band 3)", 2000, [&] { fourEncoder->Timer2_Timer(); });
    row("four-band encoder Timer3_Timer (range)", 2000, [&] { fourEncoder->Timer3_Timer(); });

    ui::navigation::show(ui::ScreenId::FiveBandEncoder);
    auto *fiveEncoder
            = ui::navigation::screenAs<encoders::FiveBandEncoder>(ui::ScreenId::FiveBandEncoder);
    fiveEncoder->stopTimers();
    for (auto [list, item] : {std::pair{"number1", "4"},
                              {"number2", "7"},
                              {"digit3", "0"},
                              {"multiplier", " Kohm"},
                              {"tolerance", "1%"}})
        choose(fiveEncoder, list, item);
    row("five-band encoder Timer1_Timer (value text)", 2000, [&] { fiveEncoder->Timer1_Timer(); });
    row("five-band encoder Timer2_Timer (band 4)", 2000, [&] { fiveEncoder->Timer2_Timer(); });
    row("five-band encoder Timer3_Timer (range)", 2000, [&] { fiveEncoder->Timer3_Timer(); });
    return 0;
}
