#include "catalogue/cataloguefile.h"

#include "catalogue/itemreader.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QByteArray fileBytes(const QByteArray& content)
{
    return content + "\r\n";
}

} // namespace

bool CatalogueFitsTheWindow(const QByteArray& content)
{
    QByteArray bytes = fileBytes(content);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ItemReader::count(buffer) <= MaximumCatalogueItems;
}

QString ReplaceCatalogue(const QString& path, const QByteArray& content)
{
    const QByteArray bytes = fileBytes(content);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return {};
    // An uncommitted save file leaves the old file alone and removes its temporary copy.
    return file.errorString();
}
