// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// The cost of one timer tick, computation alone and through the screen's labels.
// Prints one row per tick with its target.

#include "core/decoding.h"
#include "support/screentest.h"

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

void measure(const char *name, double targetNs, const std::function<void()> &f)
{
    g_row = name;
    const double ns = nanosecondsPerCall(f);
    if (ns == 0)
        return;
    std::printf("%-44s %10.0f ns %10.0f ns  %s\n", name, ns, targetNs,
                ns <= targetNs ? "met" : "MISSED");
}

} // namespace

int main(int argc, char **argv)
{
    using namespace screentest;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app::configureApplication();
    nav::setEndAction([] {});

    std::printf("%-44s %13s %13s\n", "tick", "measured", "target");

    core::Decoding four;
    four.display.digits = {QStringLiteral("4"), QStringLiteral("7")};
    four.display.magnitude = QStringLiteral("kilo");
    four.display.percent = QStringLiteral("5");
    measure("decoder computation, four bands", 1000,
            [&] { core::decoderTick(four, u"orange", u"gold"); });

    core::Decoding five = four;
    five.digitCount = core::DigitCount::Three;
    five.display.digits[2] = QStringLiteral("0");
    measure("decoder computation, five bands", 1000,
            [&] { core::decoderTick(five, u"red", u"gold"); });

    // Each screen's timers stopped; a tick is the timer's signal, as its clock gives it.
    const auto opened = [](ScreenId id, const char *choices) {
        Screen *s = open(id);
        s->stopTimers();
        choose(s, QLatin1String(choices));
        return s;
    };
    const auto ticks = [](Screen *s, const char *role) {
        ui::Timer *timer = byRole<ui::Timer>(s, role);
        return [timer] { emit timer->ticked(); };
    };

    Screen *fourDecoder = opened(ScreenId::FourBandDecoder,
                                 "first=yellow;second=purple;multiplier=orange;tolerance=gold");
    measure("four-band decoder range, unchanged result", 2000, ticks(fourDecoder, "range timer"));
    Screen *fiveDecoder
            = opened(ScreenId::FiveBandDecoder,
                     "first=yellow;second=purple;third=black;multiplier=red;tolerance=gold");
    measure("five-band decoder range, unchanged result", 2000, ticks(fiveDecoder, "range timer"));

    Screen *fourEncoder
            = opened(ScreenId::FourBandEncoder, "first=4;second=7;unit= Kohm;tolerance=5%");
    measure("four-band encoder value text", 2000, ticks(fourEncoder, "value timer"));
    measure("four-band encoder unit band", 2000, ticks(fourEncoder, "unit band timer"));
    measure("four-band encoder range", 2000, ticks(fourEncoder, "range timer"));
    Screen *fiveEncoder
            = opened(ScreenId::FiveBandEncoder, "first=4;second=7;third=0;unit= Kohm;tolerance=1%");
    measure("five-band encoder value text", 2000, ticks(fiveEncoder, "value timer"));
    measure("five-band encoder unit band", 2000, ticks(fiveEncoder, "unit band timer"));
    measure("five-band encoder range", 2000, ticks(fiveEncoder, "range timer"));
    return 0;
}
