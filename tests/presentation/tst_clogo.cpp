#include "presentation/clogo.h"
#include "presentation/logofont.h"
#include "presentation/picturebox.h"
#include "shared/colorvalue.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

// The classic button face, so every component of the default end colour differs.
const QColor ButtonFace(212, 208, 200);
const QString Caption = QStringLiteral("Vantor's Bind Utility");
const QSize Strip(16, 348);

// The closed form: band n (from 0 at the bottom) has start + (n - 1) x s x difference / H.
QImage expectedGradient(QSize size, QColor start, QColor end)
{
    const int height = size.height();
    const int step = qMax(1, height / 255);
    const auto component = [&](int from, int to, int band) {
        return band <= 1 ? from : int(std::nearbyint(from + double(band - 1) * step * (to - from) / height));
    };
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const int band = (height - 1 - y) / step;
        const QColor colour(component(start.red(), end.red(), band), component(start.green(), end.green(), band),
                            component(start.blue(), end.blue(), band));
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, colour);
    }
    return image;
}

QImage magenta(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    return image;
}

// A box whose caption colour, red, stands out from the nearly grey gradients used here.
std::unique_ptr<PictureBox> surface(QSize size)
{
    auto box = std::make_unique<PictureBox>();
    box->resize(size);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9.75);
    box->setFont(font);
    QPalette colours = box->palette();
    colours.setColor(QPalette::WindowText, Qt::red);
    box->setPalette(colours);
    return box;
}

// The part of the image that differs from the plain default gradient.
QRect writtenArea(const QImage& image)
{
    const QImage gradient = expectedGradient(image.size(), Qt::black, ButtonFace);
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != gradient.pixel(x, y))
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

} // namespace

class TestCLogo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void defaultColoursOnTheStrip();
    void sixHundredRowsMakeTwoRowBands();
    void colourSetters_data();
    void colourSetters();
    void systemColourIsTranslatedWhenSet();
    void captionAndSurfaceNeverDraw();
    void captionRisesFromAboveTheBottom();
    void drawingEndsEarly_data();
    void drawingEndsEarly();
};

void TestCLogo::init()
{
    QPalette system = QApplication::palette();
    system.setColor(QPalette::Button, ButtonFace);
    QApplication::setPalette(system);
}

void TestCLogo::defaultColoursOnTheStrip()
{
    const auto box = surface(Strip);
    cLogo logo;
    QCOMPARE(logo.StartColor(), 0u);
    QCOMPARE(logo.EndColor(), 0x8000000Fu);
    logo.setDrawingObject(box.get());
    QSignalSpy refreshed(box.get(), &PictureBox::refreshed);
    logo.Draw();
    const QImage& image = box->image();
    QCOMPARE(image.pixelColor(0, 347), QColor(Qt::black));
    QCOMPARE(image.pixelColor(0, 346), QColor(Qt::black));
    const auto share = [](int n, int face) { return int(std::nearbyint((n - 1) * face / 348.0)); };
    for (int n = 1; n <= 347; ++n) {
        const QColor expected(share(n, ButtonFace.red()), share(n, ButtonFace.green()), share(n, ButtonFace.blue()));
        QCOMPARE(image.pixelColor(15, 347 - n), expected);
    }
    QCOMPARE(refreshed.count(), 1);
}

void TestCLogo::sixHundredRowsMakeTwoRowBands()
{
    const auto box = surface({16, 600});
    cLogo logo;
    logo.setStartColor(colorvalue::fromRgb(10, 200, 30));
    logo.setEndColor(colorvalue::fromRgb(250, 0, 128));
    logo.setDrawingObject(box.get());
    logo.Draw();
    QCOMPARE(box->image(), expectedGradient({16, 600}, QColor(10, 200, 30), QColor(250, 0, 128)));
    for (int y = 0; y < 600; y += 2)
        QCOMPARE(box->image().pixel(0, y), box->image().pixel(0, y + 1));
}

void TestCLogo::colourSetters_data()
{
    QTest::addColumn<bool>("start");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QImage>("expected");
    QTest::addColumn<int>("refreshes");
    const quint32 blue = colorvalue::fromRgb(0, 0, 255);
    QTest::newRow("nominal: new start colour") << true << blue << expectedGradient(Strip, Qt::blue, ButtonFace) << 1;
    QTest::newRow("nominal: new end colour") << false << blue << expectedGradient(Strip, Qt::black, Qt::blue) << 1;
    QTest::newRow("nominal: start unchanged") << true << 0u << magenta(Strip) << 0;
    QTest::newRow("nominal: end unchanged") << false << colorvalue::ButtonFace << magenta(Strip) << 0;
    QTest::newRow("robustness: unknown system colour is black")
        << false << 0x80000063u << expectedGradient(Strip, Qt::black, Qt::black) << 1;
    QTest::newRow("robustness: neither direct nor system is black")
        << false << 0x01000000u << expectedGradient(Strip, Qt::black, Qt::black) << 1;
}

void TestCLogo::colourSetters()
{
    QFETCH(bool, start);
    QFETCH(quint32, value);
    QFETCH(QImage, expected);
    QFETCH(int, refreshes);
    const auto box = surface(Strip);
    cLogo logo;
    logo.setDrawingObject(box.get());
    box->image().fill(Qt::magenta);
    QSignalSpy refreshed(box.get(), &PictureBox::refreshed);
    if (start)
        logo.setStartColor(value);
    else
        logo.setEndColor(value);
    QCOMPARE(start ? logo.StartColor() : logo.EndColor(), value);
    QCOMPARE(box->image(), expected);
    QCOMPARE(refreshed.count(), refreshes);
}

void TestCLogo::systemColourIsTranslatedWhenSet()
{
    const auto box = surface(Strip);
    cLogo logo;
    logo.setDrawingObject(box.get());
    QPalette changed = QApplication::palette();
    changed.setColor(QPalette::Button, QColor(10, 20, 30));
    QApplication::setPalette(changed);

    logo.Draw();
    QCOMPARE(box->image(), expectedGradient(Strip, Qt::black, ButtonFace));
    logo.setEndColor(0);
    logo.setEndColor(colorvalue::ButtonFace);
    QCOMPARE(box->image(), expectedGradient(Strip, Qt::black, QColor(10, 20, 30)));
}

void TestCLogo::captionAndSurfaceNeverDraw()
{
    auto box = surface(Strip);
    box->image().fill(Qt::magenta);
    QSignalSpy refreshed(box.get(), &PictureBox::refreshed);
    cLogo logo;
    logo.setDrawingObject(box.get());
    logo.setCaption(Caption);
    QCOMPARE(logo.Caption(), Caption);
    QCOMPARE(box->image(), magenta(Strip));
    QCOMPARE(refreshed.count(), 0);
    // A surface that is gone is let go of, not drawn on.
    box.reset();
    logo.Draw();
    logo.setStartColor(colorvalue::fromRgb(255, 0, 0));
}

void TestCLogo::captionRisesFromAboveTheBottom()
{
    const auto box = surface(Strip);
    cLogo logo;
    logo.setDrawingObject(box.get());
    logo.setCaption(Caption);
    logo.Draw();

    const QRect written = writtenArea(box->image());
    const QFont font = logofont::createFont(*logofont::buildLogFont(box->font(), box->logicalDpiY()));
    const QFontMetricsF metrics(font, &box->image());
    // One line high along the left edge, rising from 16 pixels above the bottom.
    QVERIFY(written.right() < qCeil(metrics.height()));
    QVERIFY(written.bottom() < 348 - 16 && written.bottom() >= 348 - 16 - 3);
    QVERIFY(qAbs(written.top() - (348 - 16 - metrics.horizontalAdvance(Caption))) < 4);
    // In the surface's foreground colour: red, where the gradient is grey.
    int redPixels = 0;
    for (int y = written.top(); y <= written.bottom(); ++y) {
        for (int x = written.left(); x <= written.right(); ++x) {
            const QColor pixel = box->image().pixelColor(x, y);
            redPixels += pixel.red() > 200 && pixel.green() < 60 ? 1 : 0;
        }
    }
    QVERIFY(redPixels > 0);
}

void TestCLogo::drawingEndsEarly_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("refreshes");
    const QString dejaVu = QStringLiteral("DejaVu Sans");
    QTest::newRow("nominal: empty caption") << Strip << dejaVu << QString() << false << 1;
    QTest::newRow("robustness: 33-character face name") << Strip << QString(33, QLatin1Char('F')) << Caption << true << 1;
    QTest::newRow("robustness: 34-character face name") << Strip << QString(34, QLatin1Char('F')) << Caption << false << 0;
    QTest::newRow("robustness: no height") << QSize(16, 0) << dejaVu << Caption << false << 0;
    QTest::newRow("robustness: no width") << QSize(0, 348) << dejaVu << Caption << false << 1;
}

void TestCLogo::drawingEndsEarly()
{
    QFETCH(QSize, size);
    QFETCH(QString, face);
    QFETCH(QString, caption);
    QFETCH(bool, written);
    QFETCH(int, refreshes);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    const auto box = surface(size);
    box->setFont(QFont(face));
    cLogo logo;
    logo.setDrawingObject(box.get());
    logo.setCaption(caption);
    QSignalSpy refreshed(box.get(), &PictureBox::refreshed);
    logo.Draw();
    QCOMPARE(!writtenArea(box->image()).isEmpty(), written);
    QCOMPARE(refreshed.count(), refreshes);
}

QTEST_MAIN(TestCLogo)
#include "tst_clogo.moc"
