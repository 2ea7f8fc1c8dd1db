#include "catalogue/cataloguelocation.h"

#include "catalogue/catalogueparser.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QVersionNumber>

namespace {

const QString FileName = QStringLiteral("/commands.dat");

} // namespace

CatalogueLocation CatalogueLocation::standard()
{
    return {QCoreApplication::applicationDirPath() + FileName,
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + FileName};
}

QString CatalogueLocation::readPath() const
{
    if (user.isEmpty() || !QFileInfo(user).isFile())
        return shipped;
    const auto userVersion = QVersionNumber::fromString(catalogueVersion(user));
    const auto shippedVersion = QVersionNumber::fromString(catalogueVersion(shipped));
    return userVersion > shippedVersion ? user : shipped;
}

QString CatalogueLocation::writePath() const
{
    const QFileInfo folder(QFileInfo(shipped).absolutePath());
    return (folder.isDir() && folder.isWritable()) || user.isEmpty() ? shipped : user;
}

QString catalogueVersion(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    CatalogueParser parser([](const CatalogueNode&) {});
    parser.read(file);
    return parser.version();
}
