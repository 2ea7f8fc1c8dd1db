#include "editor/bindingline.h"

namespace bindingline {

const QStringList& keyNames()
{
    static const QStringList names = [] {
        QStringList keys;
        for (char letter = 'a'; letter <= 'z'; ++letter)
            keys << QString(QLatin1Char(letter));
        for (char digit = '0'; digit <= '9'; ++digit)
            keys << QString(QLatin1Char(digit));
        for (const char symbol : {'\\', ',', '.', '/', ';', '\'', '#', '[', ']', '-', '=', '`', '*'})
            keys << QString(QLatin1Char(symbol));
        for (int f = 1; f <= 12; ++f)
            keys << QStringLiteral("f%1").arg(f);
        for (const char* name : {"enter", "space", "alt", "ctrl", "shift", "uparrow", "downarrow", "leftarrow",
                                 "rightarrow", "mouse1", "mouse2", "mouse3", "mwheelup", "mwheeldown", "pgup",
                                 "pgdn", "end", "home", "ins", "del", "pause", "backspace", "escape", "tab"})
            keys << QLatin1String(name);
        return keys;
    }();
    return names;
}

QString keyForFile(const QString& key)
{
    return key == QLatin1String(";") ? QStringLiteral("SEMICOLON") : key;
}

QString compose(const QString& type, const QString& key, const QString& binding, const QString& quote)
{
    return type + QLatin1Char(' ') + keyForFile(key) + QLatin1Char(' ') + quote + binding + quote;
}

} // namespace bindingline
