// The recent-files list reading a corrupt or hostile TolvaneLists.ini, set up as the main window
// sets up its own: nothing crashes, the list stays within its size, verified entries exist, and
// what the list writes back a fresh list reads back the same.
#include "cmru.h"
#include "fileroutines.h"
#include "fuzzsupport.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <array>

using tolvane::cMRU;

namespace {

const QString App = QStringLiteral("Vantor's Bind Utility");
constexpr qint16 Size = 4;

QString storePath;
qint64 stampsGiven = 0;

// Qt's settings keep a parsed copy of each file in the process until the file's time stamp or
// size changes; a new time stamp makes the next list parse the file's text again.
void restamp(QFile& store)
{
    const QDateTime stamp = QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++stampsGiven);
    fuzz::require(store.setFileTime(stamp, QFileDevice::FileModificationTime), "the store's time stamp can be set");
}

void writeStore(QByteArrayView bytes)
{
    QFile store(storePath);
    fuzz::require(store.open(QIODevice::WriteOnly | QIODevice::Truncate), "the private store can be written");
    fuzz::require(store.write(bytes.data(), bytes.size()) == bytes.size(), "the private store takes the input");
    restamp(store);
}

std::unique_ptr<cMRU> openList()
{
    auto list = std::make_unique<cMRU>();
    list->setAppName(App);
    list->setListSize(Size);
    return list;
}

std::array<QString, Size> entries(const cMRU& list)
{
    std::array<QString, Size> result;
    for (qint16 position = 1; position <= Size; ++position)
        result[size_t(position - 1)] = list.List(position);
    return result;
}

// The entries that a list made now reads from the file's text.
std::array<QString, Size> entriesInTheFile()
{
    QFile store(storePath);
    fuzz::require(store.open(QIODevice::ReadOnly), "the private store can be read");
    restamp(store);
    return entries(*openList());
}

bool refusesPosition(const cMRU& list, qint16 position)
{
    try {
        list.List(position);
    } catch (const tolvane::MruError& error) {
        return error.number() == 6;
    }
    return false;
}

void checkVerified(const cMRU& list)
{
    qint16 filled = 0;
    for (const QString& entry : entries(list)) {
        fuzz::require(entry.isEmpty() || tolvane::FileExists(entry), "a verified entry names an existing file");
        filled += entry.isEmpty() ? 0 : 1;
    }
    fuzz::require(list.ListFilledCount() == filled, "the filled count counts the filled positions");
    fuzz::require(refusesPosition(list, 0) && refusesPosition(list, Size + 1),
                  "positions outside the list are refused");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A private configuration folder, so the fuzzer never touches the user's own recent files;
    // it goes when the run ends.
    static const QTemporaryDir folder;
    fuzz::require(folder.isValid(), "a private configuration folder can be made");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    storePath = folder.filePath(QStringLiteral("TolvaneLists.ini"));
    fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeStore(QByteArrayView(data, qsizetype(size)));

    // Entries as they stand in the file, before verification drops those that do not exist.
    const std::array<QString, Size> stored = entries(*openList());

    const std::unique_ptr<cMRU> list = openList();
    list->ListVerify();
    checkVerified(*list);
    list->ListAdd(storePath);
    fuzz::require(list->List(1) == storePath, "an added path comes first");
    fuzz::require(entriesInTheFile() == entries(*list), "a fresh list reads what the list wrote");

    // Whatever a hostile file held, the list stores it so that it reads back unchanged.
    for (auto entry = stored.rbegin(); entry != stored.rend(); ++entry)
        list->ListAdd(*entry);
    fuzz::require(entriesInTheFile() == entries(*list), "entries read from the file are written back unchanged");
    list->ListRemoveString(stored.front());
    fuzz::require(entriesInTheFile() == entries(*list), "a removal is written through");
    return 0;
}
