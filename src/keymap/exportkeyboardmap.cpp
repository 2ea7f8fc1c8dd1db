#include "keymap/exportkeyboardmap.h"

#include "keymap/desktoplayout.h"
#include "keymap/keyboardlayout.h"
#include "keymap/keymapexport.h"
#include "keymap/keymapmodel.h"
#include "keymap/keymaprows.h"
#include "keymap/keymapscene.h"
#include "shared/dialogs.h"

#include <QDir>

QString exportKeyboardMap(QWidget* parent, const KeymapRows& rows, const keymap::KeymapEngine& engine,
                          const QString& layout)
{
    const Dialogs::FileRequest request{QStringLiteral("Export Keyboard Map"),
                                       QStringLiteral("SVG Picture (*.svg)|*.svg|PNG Image (*.png)|*.png"),
                                       QStringLiteral("svg"), QDir::homePath()};
    const QString path = Dialogs::instance().saveFileName(parent, request);
    if (path.isEmpty())
        return {};
    keymap::KeymapModel model;
    model.reset(
        rows.count(), [&rows](qsizetype row, QByteArray& scratch) { return rows.row(row, scratch); },
        engine.physicalCharacters);
    keymap::KeymapScene scene(engine,
                              keymap::KeyboardLayout(layout.isEmpty() ? keymap::desktopKeyboardLayout() : layout));
    scene.update(model, [&rows](int row) { return rows.problem(row); });
    QString error;
    if (!keymap::exportImage(scene, path, keymap::DefaultExportSize, &error)) {
        Dialogs::instance().message(parent, Dialogs::Icon::Critical, Dialogs::Buttons::Ok,
                                    QStringLiteral("Error Saving File"),
                                    QStringLiteral("File '%1' could not be saved.\r\n%2").arg(path, error));
        return {};
    }
    return path;
}
