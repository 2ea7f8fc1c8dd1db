#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <functional>
#include <vector>

// Which key each bind of a script gives which command, read with the console layer's
// tokenizer, and which keys run a command directly or through the script's aliases.
namespace keymap {

struct Binding
{
    int row;               // from 0
    QByteArray key;        // as written
    QByteArray command;    // the command text: a quoted word's text, or the words as written
    bool dead = false;     // a later bind, unbind or unbindall of the key replaces it
    bool physical = false; // made while con_bindphysical was 1: ezQuake then reads a character
                           // as the key where a US keyboard has it
};

// How the engines tell keys apart: a one-character name is its own key and keeps its case,
// longer names match without regard to case.
QByteArray keyIdentity(QByteArrayView name);

// Reads row i (from 0) as Latin-1 bytes; scratch may hold the bytes.
using RowSource = std::function<QByteArrayView(qsizetype row, QByteArray& scratch)>;

class KeymapModel
{
public:
    // Reads every row again: a thousand rows take well under a millisecond. physicalAtStart:
    // con_bindphysical is 1 when the script starts, as ezQuake runs every exec'd file.
    void reset(qsizetype rowCount, const RowSource& rows, bool physicalAtStart = false);

    // Every bind of the key written at the level of the script itself, in row order.
    const std::vector<Binding>& bindingsOf(QByteArrayView key) const;
    // The last of them, unless it is dead; null for a free key.
    const Binding* liveBinding(QByteArrayView key) const;
    // The identities of the keys whose live binding runs the command (its name, or its
    // first words) directly or through aliases defined in the script.
    QList<QByteArray> keysRunning(QByteArrayView command) const;
    bool runs(QByteArrayView commandText, QByteArrayView command) const;
    // The identities of the keys with a live binding, sorted.
    QList<QByteArray> boundKeys() const;

private:
    bool runs(QByteArrayView commandText, const QList<QByteArray>& words, QList<QByteArray>& aliasesSeen) const;

    QHash<QByteArray, std::vector<Binding>> m_bindings;
    QHash<QByteArray, QList<QByteArray>> m_aliases; // lower-case name → every body defined
};

} // namespace keymap
