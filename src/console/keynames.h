#pragma once

#include "engine.h"

#include <QByteArrayView>
#include <span>

namespace console {

// One named key of the engines' key tables.
struct KeyName
{
    const char* name;
    quint16 engines; // the engines that accept it, as bits of Engine::bit()
};

// Generated from resources/engines/engine-key-names.tsv (tools/make-engine-tables).
std::span<const KeyName> keyNames();

// What the key argument of a bind or unbind does under one engine.
struct KeyLookup
{
    enum class Verdict {
        Known,      // the engine has the key
        PortOnly,   // the engine is a family's stock one, and ports of the family have it
        DeadLetter, // an upper-case letter, a key never pressed
        Semicolon,  // ";" left bare, which ends the command instead
        SavedBare,  // a quoted ";", which the engine's config writer saves bare
        Unknown,    // engines lists those that have it, if any
    };

    Verdict verdict;
    // Identifies the key for telling bindings of the same key apart: the same for every
    // spelling of one key, -1 when the word names no key.
    int keyId = -1;
    quint16 engines = 0; // for PortOnly and Unknown
};

// quoted: the word was written in double quotes, which only matters for ";".
KeyLookup lookUpKey(QByteArrayView word, Engine engine, bool quoted = false);

// Key identities run from 0 to keyIdCount() - 1.
int keyIdCount();

} // namespace console
