#pragma once

// A random user: picks items in enabled lists, presses buttons, types into text boxes, lets
// the timers tick, goes back and reopens; and checks that what the screen shows hangs together.

#include "colourcode/bandcolour.h"
#include "colourcode/decodedvalue.h"
#include "colourcode/numbertext.h"
#include "support/screentest.h"

#include <QRandomGenerator>

#include <set>

namespace randomuser {

using namespace ui;
using screentest::caption;
namespace nav = ui::navigation;

// Every colour a band may show, from the colour code, plus the screens' own.
inline const std::set<quint32> kBandPaints{0x000000, 0x404080, 0x0100FF, 0x0000FF, 0x0180FF,
                                           0x01FFFF, 0x01FF00, 0xFF0000, 0xFF00FF, 0x808080,
                                           0xFFFFFF, 0x01C0C0, 0xB0B0B0};

struct Layout
{
    ScreenId id;
    quint32 body;
    std::vector<const char *> bands; // band labels, left to right
    std::vector<const char *> names; // their colour names (encoders)
    std::vector<const char *> pieces; // body pieces that never change
    std::vector<quint32> extraPaints; // colours only this screen paints
};

inline const Layout kLayouts[] = {
        {ScreenId::Chart, 0, {}, {}, {}, {}},
        {ScreenId::FourBandDecoder,
         0xC0FFFF,
         {"Label17", "Label16", "Label15", "Label14"},
         {},
         {"Label2", "Label3", "Label4", "Label13"},
         {}},
        {ScreenId::FourBandEncoder,
         0xC0FFFF,
         {"Label1", "Label2", "Label3", "Label4"},
         {"Label11", "Label12", "Label13", "Label14"},
         {"Label5", "Label6", "Label7", "Label8"},
         {0x00FF00}},
        {ScreenId::Calculator, 0, {}, {}, {}, {}},
        {ScreenId::FiveBandDecoder,
         0xFF8080,
         {"Label17", "Label16", "Label32", "Label15", "Label14"},
         {},
         {"Label2", "Label3", "Label4", "Label13", "Label31"},
         {}},
        {ScreenId::FiveBandEncoder,
         0xFF8080,
         {"Label1", "Label2", "Label24", "Label3", "Label4"},
         {"Label11", "Label12", "Label25", "Label13", "Label14"},
         {"Label6", "Label7", "Label8", "Label22", "Label23", "Label26"},
         {0x00FFFF, 0x00FF00}},
};

inline const char *const kTyped[] = {"0",     "1",
                                     "4.7",   "10",
                                     ".5",    "-5",
                                     "5",     "1e3",
                                     "1E15",  " 22 ",
                                     "",      "abc",
                                     "inf",   "nan",
                                     "1e400", "4,7",
                                     ".",     "-",
                                     "0.1",   "1e-309",
                                     "+3",    "99999999999999999999"};

inline bool pointOrLetter(const QString &text)
{
    return text == u"." || text == u"k" || text == u"M";
}

class RandomUser
{
public:
    // manualTicks: tick the timers as an action, instead of leaving them to the clock.
    RandomUser(const Layout &layout, quint32 seed, bool manualTicks = true)
        : m_layout(layout)
        , m_rng(seed)
        , m_manualTicks(manualTicks)
    {
        open();
    }

    void act()
    {
        const int roll = int(m_rng.bounded(100));
        if (roll < 55)
            chooseSomething();
        else if (roll < 65)
            pressSomething();
        else if (roll < 75)
            typeSomething();
        else if (roll < 77)
            goBackAndReopen();
        else if (m_manualTicks)
            tickAll();
    }

    // Returns what is wrong, or nothing.
    QString check() const
    {
        for (const char *band : m_layout.bands) {
            const quint32 c = screentest::back(m_s, band);
            const bool allowed = kBandPaints.count(c) || c == m_layout.body
                    || std::count(m_layout.extraPaints.begin(), m_layout.extraPaints.end(), c);
            if (!allowed)
                return QStringLiteral("%1 painted %2").arg(QLatin1String(band)).arg(c, 6, 16);
        }
        for (const char *piece : m_layout.pieces) {
            if (screentest::back(m_s, piece) != m_layout.body)
                return QStringLiteral("body piece %1 changed").arg(QLatin1String(piece));
        }
        if (m_s->findChild<Label *>(QStringLiteral("minvalue"))) {
            const auto lo = colourcode::toNumber(caption(m_s, "minvalue"));
            const auto hi = colourcode::toNumber(caption(m_s, "maxvalue"));
            if (lo && hi && *lo > *hi)
                return QStringLiteral("minimum above maximum");
            for (const char *unit : {"multimin", "multimax"}) {
                const QString u = caption(m_s, unit).toLower();
                if (!u.isEmpty() && u != u"ohm" && u != u"kohm" && u != u"mohm")
                    return QStringLiteral("unit %1").arg(u);
            }
        }
        if (m_layout.id == ScreenId::Calculator) {
            const QString r = caption(m_s, "Label1");
            if (!r.isEmpty() && !colourcode::toNumber(r))
                return QStringLiteral("result %1 is no number").arg(r);
        }
        if (m_ticked && !m_layout.names.empty())
            return crossCheck();
        return {};
    }

    QString describe() const
    {
        QStringList lists;
        for (auto *l : m_s->findChildren<DropDownList *>())
            lists << QStringLiteral("%1=\"%2\"%3")
                             .arg(l->objectName(), l->text(),
                                  l->isEnabled() ? QString() : QStringLiteral("(locked)"));
        return lists.join(u' ');
    }

private:
    void open()
    {
        nav::open(m_layout.id);
        m_s = nav::screen(m_layout.id);
        m_ticked = false;
    }

    template<class T>
    T *pick(const QList<T *> &from)
    {
        return from.isEmpty() ? nullptr : from[int(m_rng.bounded(quint32(from.size())))];
    }

    void chooseSomething()
    {
        QList<DropDownList *> enabled;
        for (auto *l : m_s->findChildren<DropDownList *>()) {
            if (l->isEnabled())
                enabled << l;
        }
        if (auto *l = pick(enabled)) {
            screentest::choose(l, l->itemText(int(m_rng.bounded(quint32(l->count())))));
            m_ticked = false;
        }
    }

    void pressSomething()
    {
        QList<CommandButton *> buttons;
        for (auto *b : m_s->findChildren<CommandButton *>()) {
            if (!b->text().startsWith(u"back"))
                buttons << b;
        }
        if (auto *b = pick(buttons))
            b->click();
    }

    void typeSomething()
    {
        if (auto *box = pick(m_s->findChildren<TextBox *>()))
            box->setText(QLatin1String(kTyped[m_rng.bounded(quint32(std::size(kTyped)))]));
    }

    void goBackAndReopen()
    {
        for (auto *b : m_s->findChildren<CommandButton *>()) {
            if (b->text().startsWith(u"back"))
                b->click();
        }
        screentest::settle();
        open();
    }

    void tickAll()
    {
        for (Timer *t : m_s->findChildren<Timer *>()) {
            if (t->isEnabled())
                emit t->ticked();
        }
        m_ticked = true;
    }

    // The encoder's bands, read back through the decoder's computation, give its range.
    QString crossCheck() const
    {
        const bool five = m_layout.id == ScreenId::FiveBandEncoder;
        auto text = [this](const char *list) { return m_s->control<DropDownList>(list)->text(); };
        const bool chooser = pointOrLetter(text("combo1")) || pointOrLetter(text("Combo2"));
        const QString unit = text(five ? "multiplier" : "number3");
        const bool unitDecides = !unit.trimmed().isEmpty() && !chooser;
        for (const char *l : {"number1", "number2", "tolerance"}) {
            if (text(l).isEmpty())
                return {};
        }
        if ((five && text("digit3").isEmpty()) || !(chooser || unitDecides))
            return {};

        QStringList bands;
        for (const char *name : m_layout.names)
            bands << caption(m_s, name).toLower();
        const QString &m = bands[five ? 3 : 2];
        const QStringList kilo = five ? QStringList{"brown", "red", "orange"}
                                      : QStringList{"red", "orange", "yellow"};
        const QStringList mega
                = five ? QStringList{"yellow", "green", "blue"} : QStringList{"green", "blue"};
        colourcode::DecoderTexts d;
        auto digit = [](const QString &name) {
            const auto *c = colourcode::findByListName(name);
            return c && c->digit ? QString::number(*c->digit) : QStringLiteral("?");
        };
        d.d1 = digit(bands[0]);
        d.d2 = digit(bands[1]);
        if (five)
            d.d3 = digit(bands[2]);
        d.multiplier = m;
        d.tolerance = bands.last();
        d.magnitude = kilo.contains(m) ? QStringLiteral("kilo")
                : mega.contains(m)     ? QStringLiteral("mega")
                                       : QString();
        colourcode::decoderTick(d, five ? 3 : 2);
        const QString decoded = QStringLiteral("%1 %2 %3 %4")
                                        .arg(d.minimum, d.minimumUnit, d.maximum, d.maximumUnit);
        const QString shown = QStringLiteral("%1 %2 %3 %4")
                                      .arg(caption(m_s, "minvalue"), caption(m_s, "multimin"),
                                           caption(m_s, "maxvalue"), caption(m_s, "multimax"));
        ++m_crossChecks;
        if (decoded.toLower() != shown.toLower())
            return QStringLiteral("bands %1 read back as %2, screen shows %3")
                    .arg(bands.join(u','), decoded, shown);
        return {};
    }

    const Layout &m_layout;
    QRandomGenerator m_rng;
    Screen *m_s = nullptr;
    bool m_manualTicks = true;
    bool m_ticked = false;
    mutable int m_crossChecks = 0;

public:
    int crossChecks() const { return m_crossChecks; }
};

} // namespace randomuser
