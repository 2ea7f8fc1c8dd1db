#pragma once

#include <QByteArray>
#include <QString>

// Replaces the catalogue file at path with content followed by CR LF, all or nothing: the
// old file stays as it was unless the new one was written whole. Returns why it failed, or
// an empty text when the file was replaced.
QString ReplaceCatalogue(const QString& path, const QByteArray& content);
