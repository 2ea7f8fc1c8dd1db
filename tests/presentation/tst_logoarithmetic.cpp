#include "presentation/gdimath.h"
#include "presentation/logofont.h"
#include "presentation/logogradient.h"

#include <QTest>

Q_DECLARE_METATYPE(logofont::Request)

class TestLogoArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void mulDivRoundsLikeThePlatform_data();
    void mulDivRoundsLikeThePlatform();
    void pixelsFromTwips_data();
    void pixelsFromTwips();
    void bandsTileUpwards_data();
    void bandsTileUpwards();
    void noBandsWithoutHeight();
    void bandColoursRoundOnceHalfToEven_data();
    void bandColoursRoundOnceHalfToEven();
    void fontRequest_data();
    void fontRequest();
};

void TestLogoArithmetic::mulDivRoundsLikeThePlatform_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<int>("expected");
    QTest::newRow("nominal: 14 points at 96 dpi") << 14 << 96 << 72 << 19;
    QTest::newRow("robustness: half rounds away from zero") << 3 << 1 << 2 << 2;
    QTest::newRow("robustness: negative half rounds away from zero") << 3 << 1 << -2 << -2;
    QTest::newRow("robustness: zero denominator") << 5 << 1 << 0 << -1;
    QTest::newRow("robustness: overflow") << 2000000000 << 4 << 2 << -1;
}

void TestLogoArithmetic::mulDivRoundsLikeThePlatform()
{
    QFETCH(int, number);
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    QFETCH(int, expected);
    QCOMPARE(gdimath::mulDiv(number, numerator, denominator), expected);
}

void TestLogoArithmetic::pixelsFromTwips_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<double>("twipsPerPixel");
    QTest::addColumn<int>("expected");
    QTest::newRow("nominal: remainder dropped") << 5234.0 << 15.0 << 348;
    QTest::newRow("robustness: twips half rounds to even") << 4.5 << 1.0 << 4;
    QTest::newRow("robustness: twips per pixel half rounds to even") << 12.0 << 2.5 << 6;
}

void TestLogoArithmetic::pixelsFromTwips()
{
    QFETCH(double, twips);
    QFETCH(double, twipsPerPixel);
    QFETCH(int, expected);
    QCOMPARE(logogradient::pixelsFromTwips(twips, twipsPerPixel), expected);
}

void TestLogoArithmetic::bandsTileUpwards_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("count");
    QTest::newRow("robustness: one pixel") << 1 << 1 << 2;
    QTest::newRow("nominal: the main window's strip") << 348 << 1 << 349;
    QTest::newRow("robustness: most fills at 509") << 509 << 1 << 510;
    QTest::newRow("robustness: two-pixel bands from 510") << 510 << 2 << 256;
    QTest::newRow("nominal: 600 pixels") << 600 << 2 << 301;
    QTest::newRow("robustness: three-pixel bands from 765") << 765 << 3 << 256;
}

void TestLogoArithmetic::bandsTileUpwards()
{
    QFETCH(int, height);
    QFETCH(int, step);
    QFETCH(int, count);
    const auto bands = logogradient::bands(height, {}, {255, 255, 255});
    QVERIFY(bands);
    QCOMPARE(bands->size(), count);
    int bottom = height;
    for (const logogradient::Band& band : *bands) {
        QCOMPARE(band.bottom, bottom);
        QCOMPARE(band.top, bottom - step);
        bottom = band.top;
    }
    QVERIFY(bands->last().bottom <= 0);
}

void TestLogoArithmetic::noBandsWithoutHeight()
{
    QVERIFY(!logogradient::bands(0, {}, {255, 255, 255}));
}

void TestLogoArithmetic::bandColoursRoundOnceHalfToEven_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QList<int>>("expected");
    // Height 4: band n carries start + (n - 1) x difference / 4, the whole rounded once.
    QTest::newRow("nominal: rising, the two lowest bands alike") << 1 << 3 << QList<int>{1, 1, 2, 2, 2};
    QTest::newRow("nominal: falling") << 3 << 1 << QList<int>{3, 3, 2, 2, 2};
    QTest::newRow("robustness: halves go to the even side") << 0 << 255 << QList<int>{0, 0, 64, 128, 191};
}

void TestLogoArithmetic::bandColoursRoundOnceHalfToEven()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QList<int>, expected);
    const auto bands = logogradient::bands(4, {start, 0, 0}, {end, 0, 0});
    QVERIFY(bands);
    QList<int> reds;
    for (const logogradient::Band& band : *bands)
        reds << band.colour.red;
    QCOMPARE(reds, expected);
}

void TestLogoArithmetic::fontRequest_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<logofont::Request>("expected");
    const QString face = QStringLiteral("Times New Roman");
    QFont regular(face);
    regular.setPointSizeF(8.25);
    QTest::newRow("nominal: regular 8.25 points") << regular << 96 << logofont::Request{face, -11, 400, false, false, false, 900};
    QFont styled(face);
    styled.setPointSizeF(14.25);
    styled.setBold(true);
    styled.setItalic(true);
    styled.setUnderline(true);
    styled.setStrikeOut(true);
    QTest::newRow("nominal: every style at 120 dpi") << styled << 120 << logofont::Request{face, -23, 700, true, true, true, 900};
    QFont half(face);
    half.setPointSizeF(9.5);
    QTest::newRow("robustness: 9.5 points round to even") << half << 96 << logofont::Request{face, -13, 400, false, false, false, 900};
    QFont inPixels(face);
    inPixels.setPixelSize(16);
    QTest::newRow("robustness: a font sized in pixels") << inPixels << 96 << logofont::Request{face, -16, 400, false, false, false, 900};
}

void TestLogoArithmetic::fontRequest()
{
    QFETCH(QFont, font);
    QFETCH(int, dpi);
    QFETCH(logofont::Request, expected);
    const std::optional<logofont::Request> request = logofont::buildLogFont(font, dpi);
    QVERIFY(request);
    QCOMPARE(*request, expected);
}

QTEST_MAIN(TestLogoArithmetic)
#include "tst_logoarithmetic.moc"
