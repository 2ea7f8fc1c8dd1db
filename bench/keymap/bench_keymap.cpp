// Opens the keyboard map on a 1,000-line config and redraws it after one edit of the list,
// against the targets: opening under 100 ms, a redraw under 16 ms (one frame).
#include "benchutil.h"
#include "editor/bindinglist.h"
#include "keymap/keyboardmapview.h"
#include "keymap/keyboardmapwindow.h"
#include "keymap/keymaprows.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QWidget>

namespace {

constexpr int LineCount = 1000;

// Binds on every kind of key, aliases running aliases, comments and settings, as a long
// player config has them.
LineStore realisticConfig()
{
    static const char* const keys[] = {"w",        "a",    "s",        "d", "space", "mouse1", "mouse2",
                                       "MWHEELUP", "f5",   "KP_ENTER", "1", "2",     "3",      "SEMICOLON",
                                       "TAB",      "ctrl", "shift",    "e", "q"};
    static const char* const commands[] = {"+attack", "+forward",           "+moveleft",  "impulse 7",
                                           "rj",      "+mlook;wait;-mlook", "say \"gg\"", "toggleconsole",
                                           "zoom"};
    LineStore lines;
    lines.append("alias rj \"+jump; wait; +attack; wait; -jump; -attack\"");
    lines.append("alias zoom \"fov 30; sensitivity 2\"");
    for (int i = 2; i < LineCount; ++i) {
        if (i % 10 == 0)
            lines.append(QByteArray("// section " + QByteArray::number(i / 10)));
        else if (i % 10 == 5)
            lines.append(QByteArray("sensitivity " + QByteArray::number(i % 7)));
        else
            lines.append(QByteArray("bind ") + keys[i % 19] + " \"" + commands[i % 9] + '"');
    }
    return lines;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    bench::printHeader();
    QWidget mainWindow;
    BindingList list;
    list.assign(realisticConfig());
    const BindingListRows rows(list);
    const keymap::KeymapEngine engine = *keymap::keymapEngine(u"quake");
    QPixmap frame(1200, 480);

    const double open = bench::bestMilliseconds(5, [&] {
        auto* window = new KeyboardMapWindow(&mainWindow, rows, engine, QStringLiteral("us"));
        window->view()->resize(frame.size());
        window->view()->render(&frame);
        delete window;
    });
    bench::printRow(QStringLiteral("keymap: open the map on %1 lines and draw it (target 100)").arg(LineCount), open);

    KeyboardMapWindow window(&mainWindow, rows, engine, QStringLiteral("us"));
    window.view()->resize(frame.size());
    int edit = 0;
    const double redraw = bench::bestMilliseconds(20, [&] {
        list.setText(500, QStringLiteral("bind mouse1 \"impulse %1\"").arg(++edit % 8));
        window.refresh();
        window.view()->render(&frame);
    });
    bench::printRow(QStringLiteral("keymap: one edit, read again and redraw (target 16)"), redraw);

    window.txtSearch()->setText(QStringLiteral("+attack"));
    const double search = bench::bestMilliseconds(20, [&] {
        window.txtSearch()->setText(edit++ % 2 ? QStringLiteral("+attack") : QStringLiteral("+jump"));
        window.view()->render(&frame);
    });
    bench::printRow(QStringLiteral("keymap: search through aliases and redraw (target 16)"), search);
    return 0;
}
