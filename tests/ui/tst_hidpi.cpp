// The screens at the desktop's pixel density (run at QT_SCALE_FACTOR 1 and 2): same layout,
// bands where they belong, bitmaps drawn from images of the right density, not blurred.

#include "app/screens.h"
#include "support/screentest.h"

#include <QImage>

#include <set>

using namespace ui;
using screentest::choose;
namespace nav = ui::navigation;

class TestHiDpi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        nav::setEndAction([] {});
        m_ratio = qApp->devicePixelRatio();
        qInfo("device pixel ratio %g", m_ratio);
    }
    void cleanup() { screentest::unloadAll(); }

    void decoderAtScale()
    {
        nav::open(ScreenId::FourBandDecoder);
        Screen *s = nav::screen(ScreenId::FourBandDecoder);
        QVERIFY(QTest::qWaitForWindowExposed(s));
        QCOMPARE(s->size(), QSize(546, 318)); // the layout is in logical pixels
        for (auto [list, item] :
             {std::pair{"band1", "red"}, {"band2", "green"}, {"band3", "blue"}, {"band4", "gold"}})
            choose(s->control<DropDownList>(list), QLatin1String(item));

        const QImage shot = s->grab().toImage();
        QCOMPARE(shot.size(), QSize(546, 318) * m_ratio);
        // the middle of each band, in logical pixels, scaled to device pixels
        const struct
        {
            QPoint at;
            QColor colour;
        } bands[] = {{{157, 137}, QColor(255, 0, 1)},
                     {{189, 137}, QColor(0, 255, 1)},
                     {{220, 137}, QColor(0, 0, 255)},
                     {{268, 137}, QColor(192, 192, 1)}};
        for (const auto &band : bands)
            QCOMPARE(shot.pixelColor(band.at * m_ratio), band.colour);
    }

    void bitmapsAreSharp_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("colours");
        QTest::newRow("four-band end") << int(ScreenId::FourBandDecoder) << "Image1" << 3;
        QTest::newRow("five-band end") << int(ScreenId::FiveBandDecoder) << "Image2" << 3;
        QTest::newRow("encoder end") << int(ScreenId::FourBandEncoder) << "Image1" << 3;
        QTest::newRow("photograph") << int(ScreenId::Splash) << "Image1" << 0;
    }
    void bitmapsAreSharp()
    {
        QFETCH(int, screen);
        QFETCH(QString, image);
        QFETCH(int, colours);
        nav::show(ScreenId(screen));
        Screen *s = nav::screen(ScreenId(screen));
        auto *w = s->findChild<Image *>(image);
        QVERIFY(w);
        // drawn from an image of the screen's density, at the same logical size
        QCOMPARE(w->pixmap().devicePixelRatio(), m_ratio);
        QCOMPARE(w->size() * m_ratio, w->pixmap().size());
        if (colours == 0)
            return;
        // a three-colour drawing stays three colours: nothing smoothed in between
        const QImage shot = w->grab().toImage();
        std::set<QRgb> seen;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                seen.insert(shot.pixel(x, y));
        QCOMPARE(int(seen.size()), colours);
    }

    void chartExamplesAtScale()
    {
        nav::open(ScreenId::Chart);
        auto *p = nav::screen(ScreenId::Chart)->control<PictureBox>("Picture1");
        QCOMPARE(p->pixmap().devicePixelRatio(), m_ratio);
        QCOMPARE(p->pixmap().deviceIndependentSize().toSize(), QSize(163, 58));
    }

private:
    qreal m_ratio = 1;
};

OHMARA_WIDGET_TEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
