#include "catalogue/cataloguefile.h"

#include <QSaveFile>

QString ReplaceCatalogue(const QString& path, const QByteArray& content)
{
    const QByteArray bytes = content + "\r\n";
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return {};
    // An uncommitted save file leaves the old file alone and removes its temporary copy.
    return file.errorString();
}
