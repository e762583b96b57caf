// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// A random user on every tool screen: picks items in enabled lists, presses buttons, types,
// goes back and reopens; after each action it checks that what the screen
// shows hangs together. OHMARA_RANDOM_ACTIONS and OHMARA_SEED replay a run (bench/run.sh random);
// soak.cpp reuses the user with OHMARA_RANDOM_USER_ONLY defined.

#include "core/bandcolour.h"
#include "core/numbertext.h"
#include "support/screentest.h"

#include <QRandomGenerator>

#include <set>

namespace randomuser {

using namespace screentest;

struct Layout
{
    ScreenId id;
    core::Colour body;
    std::set<core::Colour> ownPaints; // colours the screen paints beyond the colour code's
};

// clang-format off
inline const Layout kLayouts[] = {
        {ScreenId::Chart, {}, {}},
        {ScreenId::FourBandDecoder, core::kFourBandBody, {}},
        {ScreenId::FourBandEncoder, core::kFourBandBody, {core::rgb(0, 255, 0)}},
        {ScreenId::Calculator, {}, {}},
        {ScreenId::FiveBandDecoder, core::kFiveBandBody, {}},
        {ScreenId::FiveBandEncoder, core::kFiveBandBody, {core::rgb(255, 255, 0), core::rgb(0, 255, 0)}},
};
inline const char *const kTyped[] = {"0", "1", "4.7", "10", ".5", "-5", "1e3", "1E15", " 22 ", "", "abc", "inf", "nan", "1e400", "4,7", ".", "-", "0.1", "1e-309", "+3", "99999999999999999999"};
// clang-format on

class RandomUser
{
public:
    RandomUser(const Layout &layout, quint32 seed)
        : m_layout(layout)
        , m_rng(seed)
        , m_paints(layout.ownPaints)
    {
        m_paints.insert({layout.body, kStandardColour, core::kWhite});
        for (const core::BandColour &c : core::table()) {
            for (auto paint : {c.digitPaint, c.multiplierPaint, c.tolerancePaint})
                m_paints.insert(paint.value_or(layout.body));
        }
        m_s = open(layout.id);
    }

    void act()
    {
        const int roll = int(m_rng.bounded(100));
        QList<DropDownList *> lists = m_s->findChildren<DropDownList *>();
        lists.removeIf([](DropDownList *l) { return !l->isEnabled(); });
        if (auto *l = roll < 55 ? pick(lists) : nullptr) {
            pickItem(l, int(m_rng.bounded(quint32(l->count()))));
        } else if (auto *b = roll >= 55 && roll < 65 ? pick(buttons(false)) : nullptr) {
            b->click();
        } else if (auto *box
                   = roll >= 65 && roll < 75 ? pick(m_s->findChildren<TextBox *>()) : nullptr) {
            box->setText(QLatin1String(kTyped[m_rng.bounded(quint32(std::size(kTyped)))]));
        } else if (roll >= 75 && roll < 77) {
            buttons(true).front()->click();
            settle();
            m_s = open(m_layout.id);
        }
    }

    // What is wrong, or nothing.
    QString check() const
    {
        for (Label *l : m_s->findChildren<Label *>()) {
            if (m_layout.body != kStandardColour && !m_paints.count(l->backColour()))
                return l->objectName() + QStringLiteral(" painted in no colour of the code");
        }
        if (m_s->binds(Role::Minimum)) {
            const QStringList range
                    = shown(m_s,
                            {Role::Minimum, Role::MinimumUnit, Role::Maximum, Role::MaximumUnit})
                              .split(u' ');
            const auto lo = core::toNumber(range[0]);
            const auto hi = core::toNumber(range[2]);
            const QString units = (range[1] + u' ' + range[3]).toLower();
            if ((lo && hi && *lo > *hi)
                || !QStringList{"- -", "ohm ohm", "kohm kohm", "mohm mohm"}.contains(units))
                return QStringLiteral("range ") + range.join(u' ');
        }
        const QString result = m_s->binds(Role::Result) ? caption(m_s, Role::Result) : QString();
        if (!result.isEmpty() && !core::toNumber(result))
            return QStringLiteral("result %1 is no number").arg(result);
        return {};
    }

    QString describe() const
    {
        QStringList lists;
        for (auto *l : m_s->findChildren<DropDownList *>())
            lists << l->objectName() + QStringLiteral("=\"") + l->text() + u'"';
        return lists.join(u' ') + QStringLiteral(", locked: ") + locked(m_s);
    }

private:
    template<class T>
    T *pick(const QList<T *> &from)
    {
        return from.isEmpty() ? nullptr : from[int(m_rng.bounded(quint32(from.size())))];
    }

    QList<CommandButton *> buttons(bool back) const
    {
        QList<CommandButton *> found = m_s->findChildren<CommandButton *>();
        found.removeIf([back](CommandButton *b) { return b->text().startsWith(u"back") != back; });
        return found;
    }

    const Layout &m_layout;
    QRandomGenerator m_rng;
    std::set<core::Colour> m_paints;
    Screen *m_s = nullptr;
};

} // namespace randomuser

#ifndef OHMARA_RANDOM_USER_ONLY

class TestRandomUser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { screentest::startAtMenu(); }
    void screen_data()
    {
        QTest::addColumn<int>("layout");
        for (int i = 0; i < int(std::size(randomuser::kLayouts)); ++i)
            QTest::newRow(qPrintable(QString::number(i))) << i;
    }
    void screen()
    {
        QFETCH(int, layout);
        bool ok = false;
        const int actions = qEnvironmentVariableIsSet("OHMARA_RANDOM_ACTIONS")
                ? qEnvironmentVariableIntValue("OHMARA_RANDOM_ACTIONS")
                : 20000;
        const quint32 seed = qEnvironmentVariable("OHMARA_SEED").toUInt(&ok) + (ok ? 0 : 20261206u)
                + quint32(layout);
        qInfo("seed %u, %d actions", seed, actions);
        randomuser::RandomUser user(randomuser::kLayouts[layout], seed);
        for (int i = 0; i < actions; ++i) {
            user.act();
            const QString wrong = user.check();
            QVERIFY2(wrong.isEmpty(),
                     qPrintable(QStringLiteral("seed %1, action %2: %3 [%4]")
                                        .arg(seed)
                                        .arg(i)
                                        .arg(wrong, user.describe())));
            if (i % 1000 == 0)
                screentest::settle();
        }
        screentest::unloadAll();
    }
};

OHMARA_WIDGET_TEST_MAIN(TestRandomUser)
#include "randomuser.moc"

#endif
