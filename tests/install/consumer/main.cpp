#include <cmru.h>
#include <fileroutines.h>

#include <cstdio>

// Keeps its own file in a recent-files list of its own and reads it back.
int main(int, char* argv[])
{
    const QString self = QString::fromLocal8Bit(argv[0]);
    tolvane::cMRU recentFiles;
    recentFiles.setAppName(QStringLiteral("Tolvane consumer"));
    recentFiles.ListAdd(self);
    const bool kept = tolvane::FileExists(self) && recentFiles.List(1) == self;
    std::printf("recent files: %d of %d, own file %s\n", recentFiles.ListFilledCount(), recentFiles.ListSize(),
                kept ? "kept" : "lost");
    return kept ? 0 : 1;
}
