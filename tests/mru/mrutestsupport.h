#pragma once

// What the tests of the recent-files list share: menu items that record or refuse what the list
// sets on them, shorthands for entries, the library's errors, and a private store per test.

#include "cmru.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

using tolvane::cMRU;
using tolvane::MenuObject;
using tolvane::MruError;

inline const QString App = QStringLiteral("Vantor's Bind Utility");
inline const QString NoAppName = QStringLiteral("Tried to update objects when AppName not specified.");

// A menu item that remembers what the list set on it.
class RecordingItem : public MenuObject
{
public:
    void setCaption(const QString& text) override
    {
        caption = text;
        ++touches;
    }
    void setVisible(bool shown) override
    {
        visible = shown;
        ++touches;
    }

    QString caption = QStringLiteral("untouched");
    std::optional<bool> visible;
    int touches = 0;
};

// A menu item that refuses everything, as a destroyed or foreign menu might.
class ThrowingItem : public MenuObject
{
public:
    void setCaption(const QString&) override { throw 42; }
    void setVisible(bool) override { throw std::runtime_error("visibility refused"); }
};

struct Menu
{
    std::shared_ptr<RecordingItem> divider = std::make_shared<RecordingItem>();
    std::vector<std::shared_ptr<RecordingItem>> items;

    int touches() const
    {
        int total = divider->touches;
        for (const auto& item : items)
            total += item->touches;
        return total;
    }
};

// "A,,C" stands for the entries A, (empty), C.
inline QStringList entries(const char* commaSeparated)
{
    return QString::fromLatin1(commaSeparated).split(u',');
}

inline QStringList shown(const cMRU& mru)
{
    QStringList entries;
    for (qint16 position = 1; position <= mru.ListSize(); ++position)
        entries.append(mru.List(position));
    return entries;
}

template <typename Call>
std::optional<MruError> errorFrom(Call&& call)
{
    try {
        call();
    } catch (const MruError& error) {
        return error;
    }
    return std::nullopt;
}

inline void verifyError(const std::optional<MruError>& error, int number, const QString& source,
                        const QString& description)
{
    QVERIFY2(error, "no MruError was thrown");
    QCOMPARE(error->number(), number);
    QCOMPARE(error->hresult(), -2147221504L + number);
    QCOMPARE(error->source(), source);
    QCOMPARE(error->description(), description);
    QCOMPARE(QByteArray(error->what()), description.toUtf8());
}

// The store every list of a test reads and writes, and ways to fill and read it.
class MruFixture
{
protected:
    void freshStore();
    QString iniPath() const { return m_config->filePath(QStringLiteral("TolvaneLists.ini")); }
    QStringList stored(const QString& section, int count) const;
    void seed(const QString& section, const QStringList& entries) const;
    std::unique_ptr<cMRU> listOf(const QStringList& entries) const;
    static Menu attach(cMRU& mru);

private:
    std::unique_ptr<QTemporaryDir> m_config;
};

// Every test gets its own empty store: QSettings takes the user folder from here.
inline void MruFixture::freshStore()
{
    m_config = std::make_unique<QTemporaryDir>();
    QVERIFY(m_config->isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_config->path());
}

inline QStringList MruFixture::stored(const QString& section, int count) const
{
    QSettings store(iniPath(), QSettings::IniFormat);
    store.beginGroup(section);
    QStringList entries;
    for (int position = 1; position <= count; ++position)
        entries.append(store.value(QStringLiteral("MRU%1").arg(position), QStringLiteral("(missing)")).toString());
    return entries;
}

inline void MruFixture::seed(const QString& section, const QStringList& entries) const
{
    QSettings store(iniPath(), QSettings::IniFormat);
    store.beginGroup(section);
    for (int position = 1; position <= entries.size(); ++position)
        store.setValue(QStringLiteral("MRU%1").arg(position), entries.at(position - 1));
}

// A list under App holding exactly these entries, read from the store as the program does it.
inline std::unique_ptr<cMRU> MruFixture::listOf(const QStringList& entries) const
{
    seed(App, entries);
    auto mru = std::make_unique<cMRU>();
    mru->setAppName(App);
    mru->setListSize(static_cast<qint16>(entries.size()));
    return mru;
}

inline Menu MruFixture::attach(cMRU& mru)
{
    Menu menu;
    mru.setObjectDivider(menu.divider);
    for (qint16 position = 1; position <= mru.ListSize(); ++position) {
        menu.items.push_back(std::make_shared<RecordingItem>());
        mru.setObjectsList(position, menu.items.back());
    }
    return menu;
}
