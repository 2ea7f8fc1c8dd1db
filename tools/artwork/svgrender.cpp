// Renders an SVG file to a bitmap with Qt's own SVG renderer, the one the
// program itself uses for its icons, so what we preview is what users see.
//
//   svgrender <in.svg> <out.png|out.jpg> [--size WxH] [--quality Q]
//             [--background COLOR] [--grain AMOUNT] [--seed N]
//             [--layer ID]... [--grain-after ID]
//
// --grain adds a fixed-seed monochrome noise: Qt's SVG renderer has no
// filters, and a flat vector plate looks like plastic rather than metal.
// The seed keeps the output byte-for-byte reproducible.
//
// With --layer the named top-level groups are drawn one by one, in order,
// instead of the whole document, and --grain-after puts the noise on top of
// the named layer (by default the last), so lettering drawn later stays clean.

#include <QColor>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QSvgRenderer>
#include <QTextStream>
#include <QTransform>

#include <algorithm>
#include <optional>

namespace {

struct Options
{
    QString input;
    QString output;
    QSize size;
    double grain = 0.0;
    quint32 seed = 1;
    int quality = 92;
    QColor background = Qt::transparent;
    QStringList layers;
    QString grainAfter;
};

int fail(const QString &message)
{
    QTextStream(stderr) << "svgrender: " << message << '\n';
    return 1;
}

std::optional<QSize> parseSize(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return std::nullopt;
    bool widthOk = false;
    bool heightOk = false;
    const QSize size(parts[0].toInt(&widthOk), parts[1].toInt(&heightOk));
    if (!widthOk || !heightOk || size.isEmpty())
        return std::nullopt;
    return size;
}

// Each pixel moves towards black or white by up to `amount` of full scale;
// alpha is left alone so transparent previews stay transparent.
void addGrain(QImage &image, double amount, quint32 seed)
{
    QRandomGenerator random(seed);
    const int spread = qRound(amount * 255.0);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const int alpha = qAlpha(pixel);
            const int shift = random.bounded(2 * spread + 1) - spread;
            const int scaled = shift * alpha / 255; // premultiplied channels
            const auto channel = [&](int value) { return std::clamp(value + scaled, 0, alpha); };
            line[x] = qRgba(channel(qRed(pixel)), channel(qGreen(pixel)), channel(qBlue(pixel)), alpha);
        }
    }
}

std::optional<Options> parseArguments(const QCoreApplication &app, QString &error)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("input"), QStringLiteral("SVG file"));
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("PNG or JPEG file"));
    const QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("Pixel size WxH"), QStringLiteral("WxH"));
    const QCommandLineOption grainOption(QStringLiteral("grain"), QStringLiteral("Noise amount 0..1"), QStringLiteral("amount"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Noise seed"), QStringLiteral("n"));
    const QCommandLineOption qualityOption(QStringLiteral("quality"), QStringLiteral("JPEG quality"), QStringLiteral("q"));
    const QCommandLineOption backgroundOption(QStringLiteral("background"), QStringLiteral("Fill colour"), QStringLiteral("color"));
    const QCommandLineOption layerOption(QStringLiteral("layer"), QStringLiteral("Group to draw, in order"), QStringLiteral("id"));
    const QCommandLineOption grainAfterOption(QStringLiteral("grain-after"), QStringLiteral("Layer the grain goes on"), QStringLiteral("id"));
    parser.addOptions({sizeOption, grainOption, seedOption, qualityOption, backgroundOption, layerOption, grainAfterOption});
    parser.process(app);

    const QStringList files = parser.positionalArguments();
    if (files.size() != 2) {
        error = QStringLiteral("expected an input and an output file");
        return std::nullopt;
    }
    Options options;
    options.input = files[0];
    options.output = files[1];
    if (parser.isSet(sizeOption)) {
        const auto size = parseSize(parser.value(sizeOption));
        if (!size) {
            error = QStringLiteral("bad --size, expected WxH");
            return std::nullopt;
        }
        options.size = *size;
    }
    if (parser.isSet(grainOption))
        options.grain = std::clamp(parser.value(grainOption).toDouble(), 0.0, 1.0);
    if (parser.isSet(seedOption))
        options.seed = parser.value(seedOption).toUInt();
    if (parser.isSet(qualityOption))
        options.quality = std::clamp(parser.value(qualityOption).toInt(), 0, 100);
    if (parser.isSet(backgroundOption))
        options.background = QColor(parser.value(backgroundOption));
    options.layers = parser.values(layerOption);
    options.grainAfter = parser.value(grainAfterOption);
    if (!options.grainAfter.isEmpty() && !options.layers.contains(options.grainAfter)) {
        error = QStringLiteral("--grain-after names a layer that is not drawn");
        return std::nullopt;
    }
    return options;
}

// Draws one element, or the whole document for an empty id, onto the image
// at full size. Qt fits an element's bounds to the rectangle it is given, so
// the element's own bounds are carried from document to image coordinates to
// keep it exactly where the whole document would put it.
void drawLayer(QSvgRenderer &renderer, QImage &image, const QString &layer)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (layer.isEmpty()) {
        renderer.render(&painter);
        return;
    }
    const QRectF viewBox = renderer.viewBoxF();
    QTransform documentToImage = QTransform::fromScale(image.width() / viewBox.width(),
                                                       image.height() / viewBox.height());
    documentToImage.translate(-viewBox.x(), -viewBox.y());
    renderer.render(&painter, layer, documentToImage.mapRect(renderer.boundsOnElement(layer)));
}

QImage renderPicture(QSvgRenderer &renderer, const Options &options)
{
    const QSize size = options.size.isEmpty() ? renderer.defaultSize() : options.size;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(options.background);

    const QStringList layers = options.layers.isEmpty() ? QStringList{QString()} : options.layers;
    const QString grainAfter = options.grainAfter.isEmpty() ? layers.last() : options.grainAfter;
    for (const QString &layer : layers) {
        drawLayer(renderer, image, layer);
        if (layer == grainAfter && options.grain > 0.0)
            addGrain(image, options.grain, options.seed);
    }
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString error;
    const auto options = parseArguments(app, error);
    if (!options)
        return fail(error);

    QSvgRenderer renderer(options->input);
    if (!renderer.isValid())
        return fail(QStringLiteral("cannot read ") + options->input);

    for (const QString &layer : options->layers) {
        if (!renderer.elementExists(layer))
            return fail(QStringLiteral("no element with id ") + layer);
    }

    const QImage image = renderPicture(renderer, *options);
    if (!image.save(options->output, nullptr, options->quality))
        return fail(QStringLiteral("cannot write ") + options->output);
    return 0;
}
