#include "funname/glyphs.h"

#include <QColor>
#include <QHash>
#include <QTest>

namespace {

// Pixels that are not background.
QList<QPoint> inkPixels(const QImage& picture)
{
    QList<QPoint> ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != qRgb(0, 0, 0))
                ink << QPoint(x, y);
    return ink;
}

QByteArray shapeKey(int code)
{
    const glyphs::Cell& cell = glyphs::cell(code);
    return QByteArray(reinterpret_cast<const char*>(cell.data()), int(cell.size()));
}

} // namespace

class TestGlyphs : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureIsSixteenSquare();
    void lowerHalfIsGreyUpperHalfBrown();
    void upperHalfRepeatsShapesExceptSlider();
    void printableAsciiGlyphsAreDistinct();
    void specialSymbolsAreDrawn();
};

void TestGlyphs::everyPictureIsSixteenSquare()
{
    for (int code = 0; code < glyphs::Count; ++code) {
        const QImage& picture = glyphs::picture(code);
        QCOMPARE(picture.size(), QSize(16, 16));
        QVERIFY(!picture.hasAlphaChannel());
    }
}

void TestGlyphs::lowerHalfIsGreyUpperHalfBrown()
{
    for (int code = 0; code < glyphs::Count; ++code) {
        const QImage& picture = glyphs::picture(code);
        for (const QPoint& point : inkPixels(picture)) {
            const QColor ink = picture.pixelColor(point);
            if (code < 128) {
                QVERIFY(ink.red() == ink.green() && ink.green() == ink.blue());
                QVERIFY2(ink.red() >= 160, "greys and white, no dark greys");
            } else {
                QVERIFY2(ink.red() > ink.green() && ink.green() > ink.blue(),
                         qPrintable(QStringLiteral("code %1 is not reddish brown").arg(code)));
            }
        }
    }
}

void TestGlyphs::upperHalfRepeatsShapesExceptSlider()
{
    for (int code = 0; code < 128; ++code) {
        const bool slider = code < 4;
        QCOMPARE(shapeKey(code + 128) != shapeKey(code), slider);
    }
}

void TestGlyphs::printableAsciiGlyphsAreDistinct()
{
    QHash<QByteArray, int> seen;
    for (int code = 32; code < 127; ++code) {
        const QImage& picture = glyphs::picture(code);
        const QByteArray pixels(reinterpret_cast<const char*>(picture.constBits()), int(picture.sizeInBytes()));
        QVERIFY2(!seen.contains(pixels), qPrintable(QStringLiteral("'%1' looks like '%2'")
                                                        .arg(QChar(code)).arg(QChar(seen.value(pixels)))));
        seen.insert(pixels, code);
    }
    QVERIFY(inkPixels(glyphs::picture(' ')).isEmpty());
}

void TestGlyphs::specialSymbolsAreDrawn()
{
    // Everything but the space has ink, the control codes included: a glyph that is
    // placed must show.
    for (int code = 0; code < glyphs::Count; ++code) {
        if (code % 128 != ' ')
            QVERIFY2(!inkPixels(glyphs::picture(code)).isEmpty(), qPrintable(QString::number(code)));
    }
}

QTEST_GUILESS_MAIN(TestGlyphs)
#include "tst_glyphs.moc"
