#pragma once

#include <QStringList>

// How the entry row turns into a binding line.
namespace bindingline {

// The keys offered in the key field, in the order players expect them.
const QStringList& keyNames();

// The key as it must stand in the file. The console splits commands at an unquoted
// ";", so that key is written by its name; every other key is written as typed.
QString keyForFile(const QString& key);

// type, space, key, space, quote, binding, quote: nothing trimmed, checked or escaped.
QString compose(const QString& type, const QString& key, const QString& binding, const QString& quote);

} // namespace bindingline
