// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// The design's colours under a desktop scheme: what each design value means, and the text that
// stays readable on a fixed colour (WCAG 2 contrast, at least 4.5:1).

#include "ui/scheme.h"

#include <QTest>

Q_DECLARE_METATYPE(QPalette::ColorRole)
Q_DECLARE_METATYPE(core::Colour)

namespace {

QPalette scheme(const QColor &windowText, const QColor &light)
{
    QPalette p;
    p.setColor(QPalette::WindowText, windowText);
    p.setColor(QPalette::Light, light);
    p.setColor(QPalette::ButtonText, QColor(1, 2, 3));
    p.setColor(QPalette::Button, QColor(4, 5, 6));
    return p;
}

} // namespace

class TestScheme : public QObject
{
    Q_OBJECT
private slots:
    void colourOfAValue_data()
    {
        QTest::addColumn<core::Colour>("value");
        QTest::addColumn<QColor>("colour");
        // A scheme with window text 10,20,30 and 3D highlight 40,50,60; the control's standard
        // colour is its button text, 1,2,3.
        // clang-format off
        QTest::newRow("fixed pale yellow") << core::rgb(255, 255, 192) << QColor(255, 255, 192);
        QTest::newRow("fixed red") << core::rgb(255, 0, 0) << QColor(255, 0, 0);
        QTest::newRow("standard") << core::Colour() << QColor(1, 2, 3);
        QTest::newRow("scheme window text") << core::Colour::scheme(0x08) << QColor(10, 20, 30);
        QTest::newRow("scheme 3D highlight") << core::Colour::scheme(0x14) << QColor(40, 50, 60);
        QTest::newRow("scheme window frame, unused: standard") << core::Colour::scheme(0x09) << QColor(1, 2, 3);
        QTest::newRow("scheme 3D dark shadow, unused: standard") << core::Colour::scheme(0x15) << QColor(1, 2, 3);
        // clang-format on
    }
    void colourOfAValue()
    {
        QFETCH(core::Colour, value);
        const QPalette p = scheme(QColor(10, 20, 30), QColor(40, 50, 60));
        QTEST(ui::colourOf(value, p, QPalette::ButtonText), "colour");
    }

    void readableText_data()
    {
        QTest::addColumn<QColor>("schemeText");
        QTest::addColumn<core::Colour>("background");
        QTest::addColumn<QColor>("text");
        // Window text of the scheme on a fixed colour. Grey 118 on white reads at 4.54:1,
        // grey 119 at 4.48:1; white on white not at all, on black at 21:1.
        // clang-format off
        QTest::newRow("black as drawn") << QColor(0, 0, 0) << core::kWhite << QColor(0, 0, 0);
        QTest::newRow("black as drawn, even on blue") << QColor(0, 0, 0) << core::rgb(0, 0, 255) << QColor(0, 0, 0);
        QTest::newRow("grey 118 reads on white") << QColor(118, 118, 118) << core::kWhite << QColor(118, 118, 118);
        QTest::newRow("grey 119 does not: black") << QColor(119, 119, 119) << core::kWhite << QColor(0, 0, 0);
        QTest::newRow("white on white: black") << QColor(255, 255, 255) << core::kWhite << QColor(0, 0, 0);
        QTest::newRow("white on black reads") << QColor(255, 255, 255) << core::rgb(0, 0, 0) << QColor(255, 255, 255);
        QTest::newRow("white on pale gold: black") << QColor(255, 255, 255) << core::rgb(255, 215, 0) << QColor(0, 0, 0);
        // clang-format on
    }
    void readableText()
    {
        QFETCH(QColor, schemeText);
        QFETCH(core::Colour, background);
        const QPalette p = scheme(schemeText, QColor(255, 255, 255));
        QTEST(ui::readableText(core::Colour::scheme(0x08), background, p), "text");
    }
};

QTEST_GUILESS_MAIN(TestScheme)
#include "tst_scheme.moc"
