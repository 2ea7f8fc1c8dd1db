#pragma once

#include "console/game.h"

#include <QByteArrayView>
#include <array>
#include <span>

namespace console {

// One named key of the engines' key tables.
struct KeyName
{
    const char* name;
    std::array<bool, GameCount> stock;        // the stock engine of each game knows it
    std::array<const char*, GameCount> ports; // the source ports of each game that know it, or ""
};

// Generated from the engines' key-name table by tools/make-key-names (keynametable.cpp).
std::span<const KeyName> keyNames();

// What the key argument of a bind or unbind does under one game.
struct KeyLookup
{
    enum class Verdict { Stock, PortOnly, DeadLetter, Semicolon, Unknown };

    Verdict verdict;
    // Identifies the key for telling bindings of the same key apart: the same for every
    // spelling of one key, -1 when the word names no key.
    int keyId = -1;
    const char* ports = ""; // for PortOnly
};

KeyLookup lookUpKey(QByteArrayView word, Game game);

// Key identities run from 0 to keyIdCount() - 1.
int keyIdCount();

} // namespace console
