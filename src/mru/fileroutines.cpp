#include "fileroutines.h"

#include <QDir>
#include <QFileInfo>

namespace tolvane {

namespace {

bool isHiddenName(const QString& fileName)
{
    return fileName.startsWith(u'.');
}

bool hasWildcard(const QString& fileName)
{
    return fileName.contains(u'*') || fileName.contains(u'?') || fileName.contains(u'[');
}

// QDir leaves out hidden names and special files (QDir::System) unless asked, which is
// exactly the set of files a wildcard may stand for.
bool anyOrdinaryFileMatches(const QFileInfo& pattern)
{
    const QDir folder = pattern.dir();
    return !folder.entryList({pattern.fileName()}, QDir::Files | QDir::CaseSensitive).isEmpty();
}

} // namespace

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.exists())
        return info.isFile() && !isHiddenName(info.fileName());
    return hasWildcard(info.fileName()) && anyOrdinaryFileMatches(info);
}

} // namespace tolvane
