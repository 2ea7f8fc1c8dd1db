#include "selfcheck.h"

#include "catalogue/catalogueparser.h"
#include "catalogue/cataloguelocation.h"
#include "cmru.h"
#include "fileroutines.h"
#include "shared/identity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>

namespace {

// The shared object the recent-files library was loaded from, or empty when unknown.
QString tolvaneLocation()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&tolvane::FileExists), &info) == 0 || info.dli_fname == nullptr)
        return {};
    return QDir::cleanPath(QFile::decodeName(info.dli_fname));
}

// Reports the catalogue beside the executable; true when it reads and holds commands.
bool checkCatalogue()
{
    const QString path = CatalogueLocation::standard().readPath();
    QFile catalogue(path);
    if (!catalogue.open(QIODevice::ReadOnly)) {
        std::printf("catalogue: %s cannot be read\n", qPrintable(path));
        return false;
    }
    int commands = 0;
    CatalogueParser parser([&commands](const CatalogueNode& node) {
        if (node.kind == CatalogueNode::Kind::Command)
            ++commands;
    });
    parser.read(catalogue);
    const QString version = parser.version().isEmpty() ? QStringLiteral("none") : parser.version();
    std::printf("catalogue: %s, version %s, %d commands\n", qPrintable(path), qPrintable(version), commands);
    return commands > 0;
}

void reportLibrary()
{
    const tolvane::cMRU recentFiles;
    std::printf("library: %s, recent-file list of %d\n", qPrintable(tolvaneLocation()), recentFiles.ListSize());
}

} // namespace

bool selfCheckRequested(int argc, char* argv[])
{
    return argc == 2 && std::strcmp(argv[1], "--self-check") == 0;
}

int selfCheck(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    identity::nameTheApplication();
    std::printf("%s %s self-check\n", qPrintable(identity::ApplicationName), qPrintable(identity::versionText()));
    const bool catalogueFound = checkCatalogue();
    reportLibrary();
    return catalogueFound ? 0 : 1;
}

