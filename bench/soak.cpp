// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// All tool screens open on a real display and a random user busy on them for a while.
// Usage: soak [MINUTES]. Reports the growth of the resident set after a minute's warm-up,
// whether every running timer kept ticking, and anything inconsistent the user saw.

#include "app/screens.h"
#define OHMARA_RANDOM_USER_ONLY
#include "randomuser.cpp"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app::configureApplication();
    screentest::navigation().setEndAction([] {});
    screentest::nav::show(app::ScreenId::Menu);
    const double minutes = argc > 1 ? std::atof(argv[1]) : 30;
    const quint32 seed = argc > 2 ? quint32(std::atol(argv[2])) : 1;
    std::printf("soak: %.1f minutes, seed %u\n", minutes, seed);

    std::vector<std::unique_ptr<randomuser::RandomUser>> users;
    for (const auto &layout : randomuser::kLayouts)
        users.push_back(
                std::make_unique<randomuser::RandomUser>(layout, seed + quint32(users.size())));

    long inconsistencies = 0;
    long actions = 0;
    QRandomGenerator pick(seed);
    QTimer act;
    QObject::connect(&act, &QTimer::timeout, [&] {
        auto &user = users[pick.bounded(quint32(users.size()))];
        user->act();
        ++actions;
        const QString wrong = user->check();
        if (!wrong.isEmpty() && inconsistencies++ < 10)
            std::printf("inconsistent: %s\n", qPrintable(wrong));
    });
    act.start(2);

    long warmRss = 0;
    QTimer::singleShot(60 * 1000, [&] { warmRss = residentKb(); });
    QTimer::singleShot(int(minutes * 60 * 1000), [&] {
        const long endRss = residentKb();
        std::printf("actions: %ld\n", actions);
        std::printf("resident after warm-up: %ld kB, at the end: %ld kB, growth: %ld kB\n", warmRss,
                    endRss, endRss - warmRss);
        std::printf("inconsistencies: %ld\n", inconsistencies);
        QCoreApplication::exit(inconsistencies ? 1 : 0);
    });
    return QApplication::exec();
}
