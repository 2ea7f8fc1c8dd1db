#include "cmru.h"

#include "fileroutines.h"
#include "mrustore.h"

#include <limits>
#include <stdexcept>
#include <vector>

namespace tolvane {

namespace {

constexpr qint16 InitialListSize = 3;

[[noreturn]] void throwMruError(int number, QLatin1StringView member, const QString& description)
{
    throw MruError(number, QStringLiteral("Tolvane::") + member, description);
}

QString outOfRange(QLatin1StringView lead, qint16 position, qint16 size)
{
    return lead + QString::number(position) + QStringLiteral(" but the size of the list is only ")
           + QString::number(size);
}

// Positions 1 to 9 carry their digit as the keyboard accelerator; later ones show the bare
// path. The path goes out as it is: showing a "&" in it literally is the menu item's business.
QString captionFor(int position, const QString& path)
{
    if (position > 9)
        return path;
    return u'&' + QString::number(position) + QStringLiteral("  ") + path;
}

} // namespace

MenuObject::~MenuObject() = default;

MruError::MruError(int number, const QString& source, const QString& description)
    : m_number(number), m_source(source), m_description(description), m_what(description.toUtf8())
{
}

int MruError::number() const
{
    return m_number;
}

long MruError::hresult() const
{
    return static_cast<qint32>(0x80040000u + static_cast<quint32>(m_number));
}

QString MruError::source() const
{
    return m_source;
}

QString MruError::description() const
{
    return m_description;
}

const char* MruError::what() const noexcept
{
    return m_what.constData();
}

class cMRUPrivate
{
public:
    QString& entry(int position) { return entries[position - 1]; }
    const QString& entry(int position) const { return entries[position - 1]; }
    bool isListPosition(qint16 position) const { return position >= 1 && position <= size; }

    void ReadAllMRUs();
    void WriteAllMRUs() const;
    void CompactMRUs();
    void DoUpdateObjects();
    void WriteAndUpdate();
    void CompactWriteAndUpdate();

    QString appName;
    std::shared_ptr<MenuObject> divider;
    std::vector<std::shared_ptr<MenuObject>> objects = std::vector<std::shared_ptr<MenuObject>>(InitialListSize);
    // Positions 1 to size, then the overflow slot that ListAdd shifts the last entry into.
    QStringList entries = QStringList(InitialListSize + 1);
    bool controlVisibility = false;
    qint16 size = InitialListSize;
    bool update = true;
};

namespace {

// A menu item that is missing or refuses a property must not stop the others from updating.
void SetObjectCaption(const std::shared_ptr<MenuObject>& object, const QString& caption)
{
    if (!object)
        return;
    try {
        object->setCaption(caption);
    } catch (...) {
    }
}

void SetObjectVisible(const std::shared_ptr<MenuObject>& object, bool visible)
{
    if (!object)
        return;
    try {
        object->setVisible(visible);
    } catch (...) {
    }
}

} // namespace

void cMRUPrivate::ReadAllMRUs()
{
    if (appName.isEmpty())
        throwMruError(3, QLatin1StringView("ReadAllMRUs"), QStringLiteral("Tried to read MRUs when AppName not set."));
    const QStringList stored = mrustore::ReadEntries(appName, size);
    for (int position = 1; position <= size; ++position)
        entry(position) = stored.at(position - 1);
}

void cMRUPrivate::WriteAllMRUs() const
{
    mrustore::WriteEntries(appName, entries.first(size));
}

// A single pass: each entry moves up by at most one position, so a run of several empty
// positions only shrinks by one. Later insertions close what is left.
void cMRUPrivate::CompactMRUs()
{
    const qint16 count = size;
    for (int position = 1; position <= count; ++position) {
        if (entry(position).isEmpty()) {
            entry(position) = entry(position + 1);
            entry(position + 1).clear();
        }
    }
    entry(count + 1).clear();
}

void cMRUPrivate::DoUpdateObjects()
{
    if (!update)
        return;
    if (appName.isEmpty())
        throwMruError(2, QLatin1StringView("DoUpdateObjects"),
              QStringLiteral("Tried to update objects when AppName not specified."));
    int filled = 0;
    for (int position = 1; position <= size; ++position) {
        const auto& object = objects[position - 1];
        const bool isFilled = !entry(position).isEmpty();
        if (isFilled) {
            ++filled;
            SetObjectCaption(object, captionFor(position, entry(position)));
        }
        // An emptied position keeps its old caption: it is hidden, when hiding is ours to do.
        if (controlVisibility)
            SetObjectVisible(object, isFilled);
    }
    if (controlVisibility)
        SetObjectVisible(divider, filled > 0);
}

void cMRUPrivate::WriteAndUpdate()
{
    WriteAllMRUs();
    DoUpdateObjects();
}

void cMRUPrivate::CompactWriteAndUpdate()
{
    CompactMRUs();
    WriteAndUpdate();
}

cMRU::cMRU()
    : d(std::make_unique<cMRUPrivate>())
{
}

cMRU::~cMRU() = default;

QString cMRU::AppName() const
{
    return d->appName;
}

void cMRU::setAppName(const QString& name)
{
    d->appName = name;
    d->ReadAllMRUs();
    d->DoUpdateObjects();
}

void cMRU::ListRemoveAll()
{
    for (int position = 1; position <= d->size; ++position)
        d->entry(position).clear();
    d->WriteAndUpdate();
}

void cMRU::ListRemoveString(const QString& Index)
{
    const QString wanted = Index.toUpper();
    bool matched = false;
    for (int position = 1; position <= d->size; ++position) {
        if (d->entry(position).toUpper() == wanted) {
            d->entry(position).clear();
            matched = true;
        }
    }
    if (matched)
        d->CompactWriteAndUpdate();
}

void cMRU::ListRemoveIndex(qint16 Index)
{
    if (!d->isListPosition(Index))
        throwMruError(5, QLatin1StringView("ListClearOne"),
              outOfRange(QLatin1StringView("Tried to clear the MRU at index "), Index, d->size));
    d->entry(Index).clear();
    d->CompactWriteAndUpdate();
}

QString cMRU::List(qint16 Index) const
{
    if (!d->isListPosition(Index))
        throwMruError(6, QLatin1StringView("List"),
              outOfRange(QLatin1StringView("Tried to retrieve the MRU at index "), Index, d->size));
    return d->entry(Index);
}

qint16 cMRU::ListFilledCount() const
{
    qint16 filled = 0;
    for (int position = 1; position <= d->size; ++position) {
        if (!d->entry(position).isEmpty())
            ++filled;
    }
    return filled;
}

qint16 cMRU::ListSize() const
{
    return d->size;
}

void cMRU::setListSize(qint16 size)
{
    if (size < 1)
        return;
    // The overflow slot needs position size + 1, which a 16-bit size cannot reach.
    if (size == std::numeric_limits<qint16>::max())
        throw std::overflow_error("Tolvane: a list of 32767 positions has no room for its overflow slot");
    d->objects.resize(size);
    d->entries.resize(size + 1);
    d->entry(size + 1).clear();
    d->size = size;
    d->ReadAllMRUs();
    d->DoUpdateObjects();
}

void cMRU::ListVerify()
{
    for (int position = 1; position <= d->size; ++position) {
        if (!FileExists(d->entry(position)))
            d->entry(position).clear();
    }
    d->CompactWriteAndUpdate();
}

bool cMRU::ListAdd(const QString& WhatFile)
{
    if (d->appName.isEmpty())
        throwMruError(4, QLatin1StringView("ListAdd"), QStringLiteral("Tried to add to MRU list when AppName not set."));
    // Shift everything down by one; an earlier copy of the path is not carried along but
    // leaves an empty position, which the compaction then closes.
    for (int position = d->size; position >= 1; --position) {
        if (d->entry(position) != WhatFile)
            d->entry(position + 1) = d->entry(position);
        else
            d->entry(position + 1).clear();
    }
    d->entry(1) = WhatFile;
    d->CompactWriteAndUpdate();
    return true;
}

void cMRU::setObjectDivider(std::shared_ptr<MenuObject> divider)
{
    d->divider = std::move(divider);
    d->DoUpdateObjects();
}

void cMRU::setObjectsList(qint16 Index, std::shared_ptr<MenuObject> item)
{
    if (!d->isListPosition(Index))
        throwMruError(1, QLatin1StringView("ObjectsList"),
              outOfRange(QLatin1StringView("Tried to add at index "), Index, d->size));
    d->objects[Index - 1] = std::move(item);
    d->DoUpdateObjects();
}

bool cMRU::ObjectsControlVisibility() const
{
    return d->controlVisibility;
}

void cMRU::setObjectsControlVisibility(bool control)
{
    d->controlVisibility = control;
    d->DoUpdateObjects();
}

bool cMRU::ObjectsUpdate() const
{
    return d->update;
}

void cMRU::setObjectsUpdate(bool update)
{
    d->update = update;
    if (update)
        d->DoUpdateObjects();
}

} // namespace tolvane
