#pragma once

#include "keymap/keymapengine.h"

#include <QString>

class KeymapRows;
class QWidget;

// File → Export Keyboard Map…: asks for an SVG or PNG file name through Dialogs and writes the
// map of the rows there, telling the user by name when it cannot be written. layout: an xkb
// layout name, empty for the desktop's. Returns the file written, or empty.
QString exportKeyboardMap(QWidget* parent, const KeymapRows& rows, const keymap::KeymapEngine& engine,
                          const QString& layout = {});
