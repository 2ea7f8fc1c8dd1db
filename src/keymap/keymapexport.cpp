#include "keymap/keymapexport.h"

#include "keymap/keyboardlayout.h"
#include "keymap/keymapengine.h"
#include "keymap/keymapmodel.h"
#include "keymap/keymapscene.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace keymap {
namespace {

QString title(const KeymapScene& scene)
{
    return QStringLiteral("Keyboard map (%1, %2 layout)").arg(scene.engine().engine.id(), scene.layoutName());
}

} // namespace

bool exportSvg(const KeymapScene& scene, const QString& path, QSize size, QString* error)
{
    // QSvgGenerator writes through a device it does not check; a QSaveFile lets a failed
    // write be told apart and leaves no half file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(title(scene));
        QPainter painter;
        if (!painter.begin(&generator)) {
            file.cancelWriting();
            *error = QStringLiteral("the SVG picture could not be started");
            return false;
        }
        scene.paint(painter, QRectF(QPointF(0, 0), size));
        painter.end();
    }
    if (file.error() != QFileDevice::NoError || !file.commit()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

bool exportPng(const KeymapScene& scene, const QString& path, QSize size, QString* error)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        *error = QStringLiteral("an image of %1 × %2 pixels is too large").arg(size.width()).arg(size.height());
        return false;
    }
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        scene.paint(painter, QRectF(QPointF(0, 0), size));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        *error = writer.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool exportImage(const KeymapScene& scene, const QString& path, QSize size, QString* error)
{
    if (path.endsWith(QLatin1StringView(".svg"), Qt::CaseInsensitive))
        return exportSvg(scene, path, size, error);
    return exportPng(scene, path, size, error);
}

} // namespace keymap

namespace {

struct KeymapArguments
{
    QString engine = QStringLiteral("quake");
    QString layout = QStringLiteral("us");
    QString input;
    QString output;
};

void printUsage()
{
    std::fputs("usage: corvale --keymap [--engine ID] [--layout NAME] FILE -o OUT.svg|OUT.png\n", stderr);
}

// Nothing when the command line is wrong; the reason is printed.
std::optional<KeymapArguments> parseArguments(int argc, char* argv[])
{
    KeymapArguments arguments;
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        const bool takesValue = argument == "--engine" || argument == "--layout" || argument == "-o";
        if (takesValue && i + 1 >= argc) {
            std::fprintf(stderr, "corvale: %s needs a value\n", argv[i]);
            return std::nullopt;
        }
        if (argument == "--keymap")
            continue;
        if (argument == "--engine")
            arguments.engine = QString::fromLocal8Bit(argv[++i]);
        else if (argument == "--layout")
            arguments.layout = QString::fromLocal8Bit(argv[++i]);
        else if (argument == "-o")
            arguments.output = QString::fromLocal8Bit(argv[++i]);
        else if (argument == "-platform") // Qt's own, kept for QGuiApplication
            ++i;
        else if (argument.startsWith("-") && argument.size() > 1) {
            std::fprintf(stderr, "corvale: unknown option %s\n", argv[i]);
            return std::nullopt;
        } else if (arguments.input.isEmpty())
            arguments.input = QString::fromLocal8Bit(argv[i]);
        else {
            std::fputs("corvale: --keymap reads one file\n", stderr);
            return std::nullopt;
        }
    }
    if (arguments.input.isEmpty() || arguments.output.isEmpty()) {
        std::fputs("corvale: --keymap needs a file and -o OUT\n", stderr);
        return std::nullopt;
    }
    return arguments;
}

} // namespace

bool keymapRequested(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--keymap") == 0)
            return true;
    return false;
}

int keymapMain(int argc, char* argv[])
{
    const std::optional<KeymapArguments> arguments = parseArguments(argc, argv);
    if (!arguments) {
        printUsage();
        return 2;
    }
    const std::optional<keymap::KeymapEngine> engine = keymap::keymapEngine(arguments->engine);
    if (!engine) {
        std::fprintf(stderr, "corvale: unknown engine %s\n", qPrintable(arguments->engine));
        return 2;
    }
    // Drawing needs fonts but no display.
    if (!QGuiApplication::instance())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QGuiApplication> application;
    int applicationArgc = 1;
    if (!QGuiApplication::instance())
        application = std::make_unique<QGuiApplication>(applicationArgc, argv);

    QFile file(arguments->input);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "corvale: %s: %s\n", qPrintable(arguments->input), qPrintable(file.errorString()));
        return 1;
    }
    const QList<QByteArray> rows = file.readAll().split('\n');
    keymap::KeymapModel model;
    model.reset(
        rows.size(),
        [&rows](qsizetype row, QByteArray&) {
            QByteArrayView text = rows[row];
            return text.endsWith('\r') ? text.chopped(1) : text;
        },
        engine->physicalCharacters);
    const keymap::KeyboardLayout layout(arguments->layout);
    if (!layout.isLoaded())
        std::fprintf(stderr, "corvale: layout %s not found, drawing US\n", qPrintable(arguments->layout));
    keymap::KeymapScene scene(*engine, layout);
    scene.update(model, {});
    QString error;
    if (!keymap::exportImage(scene, arguments->output, keymap::DefaultExportSize, &error)) {
        std::fprintf(stderr, "corvale: %s: %s\n", qPrintable(arguments->output), qPrintable(error));
        return 1;
    }
    return 0;
}
