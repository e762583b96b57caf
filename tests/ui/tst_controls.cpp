// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// The control model: every screen built as its table says, and the rules every control kind
// keeps, tried on a small screen of its own.

#include "support/screentest.h"
#include "ui/scheme.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QThread>

#include <set>

using namespace screentest;

namespace {

const core::ListItem kItems[] = {{"brown"}, {"red"}, {"green"}, {"grey"}, {"no band"}};

// Opaque labels in red and green overlap; the first in the list must lie on top.
// clang-format off
const ControlDef kControls[] = {
        {.name = "top", .kind = Kind::Label, .left = 0, .top = 0, .width = 600, .height = 600, .backColour = core::rgb(255, 0, 0)},
        {.name = "under", .kind = Kind::Label, .left = 300, .top = 0, .width = 600, .height = 600, .backColour = core::rgb(0, 255, 0)},
        {.name = "glass", .kind = Kind::Label, .left = 0, .top = 900, .width = 600, .height = 300, .caption = "  ", .flags = Flag::Transparent},
        {.name = "floor", .kind = Kind::Label, .left = 0, .top = 900, .width = 900, .height = 300, .backColour = core::rgb(0, 0, 255)},
        {.name = "boxed", .kind = Kind::Label, .left = 1500, .top = 900, .width = 600, .height = 300, .backColour = core::kWhite, .flags = Flag::Border},
        {.name = "plain", .kind = Kind::Label, .left = 3000, .top = 2400, .width = 900, .height = 300, .caption = "plain"},
        {.name = "button", .kind = Kind::CommandButton, .left = 600, .top = 300, .width = 900, .height = 300, .caption = "go", .tabIndex = 2},
        {.name = "list", .kind = Kind::DropDownList, .left = 2400, .top = 0, .width = 1200, .height = 315, .tabIndex = 1, .items = kItems},
};
// clang-format on

const WindowDef kWindow{.caption = "Test", .width = 4500, .height = 3000};

int colourCount(const QImage &image)
{
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

QImage rgb(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

QColor pixel(QWidget *w, int x, int y)
{
    return w->grab().toImage().pixelColor(QPoint(x, y) * w->devicePixelRatio());
}

// Run with OHMARA_TEST_SCHEME=dark: a desktop with light text on dark buttons.
const bool kDark = qgetenv("OHMARA_TEST_SCHEME") == "dark";

} // namespace

class TestControls : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (kDark)
            QApplication::setPalette(QPalette(QColor(53, 53, 53)));
        startAtMenu();
    }
    void init()
    {
        m_screen = new Screen(kWindow, kControls);
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen));
    }
    void cleanup()
    {
        delete m_screen;
        unloadAll(); // each check meets its screen as it opens
    }

    // Every screen as its design says, at the desktop's pixel density (run at one and two
    // device pixels to a logical one); one behaviour a slot.
    void window_data() { screens(); }
    void window()
    {
        Screen *s = shownScreen();
        QFETCH(QSize, client);
        // No control box, a title bar only with a caption, fixed unless sizable.
        QTEST(s->windowTitle(), "caption");
        QCOMPARE(s->grab().size(), client * s->devicePixelRatio());
        QTEST(s->minimumSize() != s->maximumSize(), "sizable");
        QVERIFY(!(s->windowFlags()
                  & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                     | Qt::WindowMinMaxButtonsHint)));
        QCOMPARE(bool(s->windowFlags() & Qt::FramelessWindowHint), s->windowTitle().isEmpty());
        const QPoint off = s->frameGeometry().center() - s->screen()->availableGeometry().center();
        QTEST(off.manhattanLength() <= 1, "centred");
    }

    void placesAndTexts_data() { screens(); }
    void placesAndTexts()
    {
        Screen *s = shownScreen();
        const qreal dpr = s->devicePixelRatio();
        for (const ControlDef &def : s->design()) {
            QWidget *w = s->control<QWidget>(def.name);
            QCOMPARE(w->isHidden(), bool(def.flags & Flag::Hidden));
            if (auto *image = qobject_cast<Image *>(w); image && !(def.flags & Flag::Stretch)) {
                // a bitmap of the screen's density at its natural size, nothing smoothed
                QCOMPARE(image->pixmap().devicePixelRatio(), dpr);
                QCOMPARE(image->size() * dpr, image->pixmap().size());
                QCOMPARE(colourCount(image->grab().toImage()),
                         colourCount(image->pixmap().toImage()));
            } else if (def.kind != Kind::Line) {
                QVERIFY2(w->geometry() == designed(def), def.name);
            }
            const QString text = QLatin1String(def.caption);
            // A result shows at once, where the design leaves its box empty.
            if (auto *label = qobject_cast<Label *>(w);
                label && (!text.isEmpty() || def.role == Role::None)) {
                QCOMPARE(label->caption(), text);
            } else if (auto *button = qobject_cast<CommandButton *>(w)) {
                QCOMPARE(button->text(), text);
            } else if (auto *box = qobject_cast<TextBox *>(w)) {
                QCOMPARE(box->text(), text);
            } else if (auto *list = qobject_cast<DropDownList *>(w)) {
                QStringList items, listed;
                for (const core::ListItem &item : def.items)
                    items << QLatin1String(item.text);
                for (int i = 0; i < list->count(); ++i)
                    listed << list->itemText(i);
                QCOMPARE(list->text(), QString());
                QCOMPARE(listed, items);
            }
            // Liberation Sans sized in pixels: the same on every desktop
            QCOMPARE(QFontInfo(w->font()).family(), QStringLiteral("Liberation Sans"));
            QVERIFY2(w->font().pixelSize() > 0, def.name);
            QCOMPARE(w->font().bold(), def.font == Font::Bold);
        }
    }

    // Lines, frames and boxes drawn; a caption on one line where the toolkit's own button draws
    // it; no caption cut at the bottom.
    void drawing_data() { screens(); }
    void drawing()
    {
        Screen *s = shownScreen();
        const qreal dpr = s->devicePixelRatio();
        const QImage shot = s->grab().toImage();
        const QColor ink = QApplication::palette().color(QPalette::WindowText);
        // Without a title bar the window draws its own border: a line at its edge, then its face.
        const QColor face = s->palette().color(QPalette::Button);
        for (int x = 0; x < 8 && s->windowTitle().isEmpty(); ++x)
            QVERIFY((shot.pixelColor(QPoint(x, s->height() / 2) * dpr) == face) == (x > 0));
        for (const ControlDef &def : s->design()) {
            QWidget *w = s->control<QWidget>(def.name);
            const QString text = QLatin1String(def.caption);
            if (def.kind == Kind::Line) { // both ends drawn, or under another control; drawn
                const QRect r = designed(def);
                const QPoint ends[] = {r.topLeft(), {r.width(), r.height()}};
                int drawn = 0;
                for (QPoint end : ends) {
                    const QColor c = shot.pixelColor(end * dpr);
                    drawn += c == ink;
                    QVERIFY2(drawn || c != QApplication::palette().color(QPalette::Button),
                             def.name);
                }
                for (int i = -1; i <= 1 && !drawn; ++i) // at its middle, a step either side
                    drawn += shot.pixelColor((ends[0] + ends[1]) / 2 * dpr + QPoint(i, i)) == ink;
                QVERIFY2(drawn, def.name);
            }
            auto *button = qobject_cast<CommandButton *>(w);
            if (button && button->fontMetrics().horizontalAdvance(text) < button->width() - 6) {
                QPushButton plain(text);
                plain.setFont(button->font());
                plain.resize(button->size());
                plain.setAttribute(Qt::WA_DontShowOnScreen);
                plain.show();
                QVERIFY2(rgb(button->grab()) == rgb(plain.grab()), def.name);
            }
            // the middle of each edge unlike what it holds, or covered
            if (def.kind == Kind::Frame || def.flags & Flag::Border) {
                const QRect r(w->mapTo(s, QPoint()), w->size());
                const QColor fill = def.kind == Kind::Frame ? s->palette().color(QPalette::Button)
                                                            : w->palette().color(QPalette::Window);
                for (QPoint edge :
                     {QPoint(r.center().x(), r.top()), QPoint(r.center().x(), r.bottom()),
                      QPoint(r.left(), r.center().y()), QPoint(r.right(), r.center().y())})
                    QVERIFY2(s->childAt(edge) != w || shot.pixelColor(edge * dpr) != fill,
                             def.name);
            }
            const int line = w->fontMetrics().lineSpacing();
            const int margin = button ? 3 : 0;
            const QRect inside = w->contentsRect().adjusted(margin, 0, -margin, 0);
            if (!w->isHidden() && (def.kind == Kind::Label || button) && !text.trimmed().isEmpty())
                QVERIFY2(w->fontMetrics().boundingRect(inside, Qt::TextWordWrap, text).height()
                                         / line
                                 <= std::max(1, inside.height() / line),
                         def.name);
        }
    }

    // Tab goes through the controls that take the focus in the order of their tab index.
    void tabOrder_data() { screens(); }
    void tabOrder()
    {
        Screen *s = shownScreen();
        std::vector<const ControlDef *> stops;
        for (const ControlDef &def : s->design()) {
            if (s->control<QWidget>(def.name)->focusPolicy() != Qt::NoFocus)
                stops.push_back(&def);
        }
        std::stable_sort(stops.begin(), stops.end(),
                         [](auto *a, auto *b) { return a->tabIndex < b->tabIndex; });
        QWidget *w = stops.empty() ? nullptr : s->control<QWidget>(stops.front()->name);
        for (const ControlDef *def : stops) {
            QCOMPARE(w->objectName(), QLatin1String(def->name));
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || w->window() != s);
        }
    }

    void stacking()
    {
        QCOMPARE(pixel(m_screen, 30, 20), QColor(255, 0, 0)); // "top" over "under"
        QCOMPARE(pixel(m_screen, 50, 10), QColor(0, 255, 0));
        QVERIFY(pixel(m_screen, 50, 30) != QColor(0, 255, 0)); // the button over the labels
        QCOMPARE(pixel(m_screen, 20, 65), QColor(0, 0, 255)); // through the transparent label
        QCOMPARE(pixel(m_screen, 100, 60), QApplication::palette().color(QPalette::WindowText));
        QCOMPARE(pixel(m_screen, 101, 61), QColor(255, 255, 255)); // a border of one line
        m_screen->control<Label>("top")->setBackColour(core::rgb(255, 255, 1));
        QCOMPARE(pixel(m_screen, 10, 10), QColor(255, 255, 1));
    }

    // The desktop switched between light and dark while a screen is open: text and boxes in the
    // scheme's colours follow it; the design's fixed colours stay, with text that reads on them.
    void followsALiveSchemeSwitch_data()
    {
        QTest::addColumn<QColor>("face");
        QTest::addColumn<QString>("shown");
        // clang-format off
        row("to dark", QColor(53, 53, 53), "255,255,255 on 53,53,53 | 255,255,255 on 53,53,53 | 0,0,0 on 255,255,255");
        row("to light", QColor(239, 239, 239), "0,0,0 on 239,239,239 | 0,0,0 on 239,239,239 | 0,0,0 on 255,255,255");
        // clang-format on
    }
    void followsALiveSchemeSwitch()
    {
        QFETCH(QColor, face);
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        QApplication::setPalette(QPalette(face));
        QCoreApplication::processEvents();
        const auto rgb = [](const QColor &c) {
            return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue());
        };
        QStringList shown;
        for (const char *name : {"glass", "plain", "boxed"}) {
            const QPalette p = m_screen->control<Label>(name)->palette();
            shown << rgb(p.color(QPalette::WindowText)) + QLatin1String(" on ")
                            + rgb(p.color(QPalette::Window));
        }
        QTEST(shown.join(QLatin1String(" | ")), "shown");
    }

    void listsChooseAsUsersDo()
    {
        auto *list = m_screen->control<DropDownList>("list");
        QStringList seen;
        connect(list, &DropDownList::chosen, this, [&] { seen << list->text(); });
        list->setFocus();
        // initial letters: the same letter again steps on, more letters narrow, arrows start anew
        for (const char *keys : {"Down", "Down", "g", "g", "Up", "n", "Up", "grey"}) {
            if (qstrcmp(keys, "Down") == 0 || qstrcmp(keys, "Up") == 0)
                QTest::keyClick(list, keys[0] == 'D' ? Qt::Key_Down : Qt::Key_Up);
            else
                QTest::keyClicks(list, QLatin1String(keys));
        }
        QCOMPARE(seen.join(u','),
                 QStringLiteral("brown,red,green,grey,green,no band,grey,green,grey"));
        list->setText(QStringLiteral("brown")); // written by a handler: no click
        list->setEnabled(false);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->text() + QString::number(seen.size()), QStringLiteral("brown9"));
        list->setEnabled(true);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->text() + QString::number(seen.size()), QStringLiteral("red10"));
        // An assistive tool reads the choice as text, one run of attributes from end to end.
        QAccessibleTextInterface *text
                = QAccessible::queryAccessibleInterface(list)->textInterface();
        int start = -1, end = -1;
        text->attributes(1, &start, &end);
        QCOMPARE(QStringLiteral("%1 %2-%3")
                         .arg(text->text(0, text->characterCount()))
                         .arg(start)
                         .arg(end),
                 QStringLiteral("red 0-3"));
    }

private:
    static void screens()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("sizable");
        QTest::addColumn<bool>("centred");
        // clang-format off
        row("splash", int(ScreenId::Splash), QString(), QSize(492, 283), false, true);
        row("menu", int(ScreenId::Menu), QStringLiteral("Ohmara V3.1"), QSize(339, 266), false, true);
        row("chart", int(ScreenId::Chart), QStringLiteral("Colour Codes list"), QSize(356, 450), true, true);
        row("four-band decoder", int(ScreenId::FourBandDecoder), QStringLiteral("Colour Code to Value"), QSize(546, 318), false, true);
        row("four-band encoder", int(ScreenId::FourBandEncoder), QStringLiteral("Value to Colours"), QSize(456, 269), false, true);
        row("calculator", int(ScreenId::Calculator), QStringLiteral("Resistor/Capacitor Calculator"), QSize(307, 260), false, true);
        row("five-band decoder", int(ScreenId::FiveBandDecoder), QStringLiteral("5 band colour code to value"), QSize(496, 316), false, false);
        row("five-band encoder", int(ScreenId::FiveBandEncoder), QStringLiteral("5 band value to colour code"), QSize(479, 240), false, false);
        // clang-format on
    }
    static Screen *shownScreen()
    {
        QFETCH(int, screen);
        nav::show(ScreenId(screen));
        return nav::screen(ScreenId(screen));
    }
    static QRect designed(const ControlDef &def)
    {
        const auto px = [](int twips) { return (twips + 7) / 15; };
        return {px(def.left), px(def.top), px(def.width), px(def.height)};
    }

    Screen *m_screen = nullptr;
};

OHMARA_WIDGET_TEST_MAIN(TestControls)
#include "tst_controls.moc"
