#pragma once

#include <QSize>
#include <QString>

namespace keymap {

class KeymapScene;

// The size a map is written at when none is asked for, in pixels.
inline constexpr QSize DefaultExportSize(1600, 640);

// Writes the scene as an SVG picture or a PNG image of size pixels. On failure, returns false
// and says why in error.
bool exportSvg(const KeymapScene& scene, const QString& path, QSize size, QString* error);
bool exportPng(const KeymapScene& scene, const QString& path, QSize size, QString* error);
// By the file's suffix: .svg, otherwise PNG.
bool exportImage(const KeymapScene& scene, const QString& path, QSize size, QString* error);

} // namespace keymap

// corvale --keymap [--engine ID] [--layout NAME] FILE -o OUT.svg|OUT.png
// Draws FILE's bindings on a keyboard without a display. Exit status 0 when written, 1 when
// the file could not be read or the picture written, 2 for a wrong command line.
bool keymapRequested(int argc, char* argv[]);
int keymapMain(int argc, char* argv[]);
