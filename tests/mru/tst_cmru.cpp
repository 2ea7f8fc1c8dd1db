#include "cmru.h"

#include <QDir>
#include <QFile>
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

namespace {

const QString App = QStringLiteral("Vantor's Bind Utility");
const QString NoAppName = QStringLiteral("Tried to update objects when AppName not specified.");

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
QStringList entries(const char* commaSeparated)
{
    return QString::fromLatin1(commaSeparated).split(u',');
}

QStringList shown(const cMRU& mru)
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

void verifyError(const std::optional<MruError>& error, int number, const QString& source, const QString& description)
{
    QVERIFY2(error, "no MruError was thrown");
    QCOMPARE(error->number(), number);
    QCOMPARE(error->hresult(), -2147221504L + number);
    QCOMPARE(error->source(), source);
    QCOMPARE(error->description(), description);
    QCOMPARE(QByteArray(error->what()), description.toUtf8());
}

} // namespace

class TestCMru : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void freshInstance();
    void listAdd_data();
    void listAdd();
    void listRemoveString_data();
    void listRemoveString();
    void listRemoveStringWithoutMatch_data();
    void listRemoveStringWithoutMatch();
    void listRemoveIndex();
    void compactionIsSinglePass();
    void positionErrors_data();
    void positionErrors();

    void listAddWithoutAppName();
    void emptyAppNameKeepsEntries();
    void listSizeWithoutAppName();
    void changesWithoutAppName_data();
    void changesWithoutAppName();
    void refreshesWithoutAppName();

    void sizeBelowOneIsIgnored_data();
    void sizeBelowOneIsIgnored();
    void shrinkKeepsStoredEntries();
    void sameSizeReloads();
    void sizeLimit();

    void listVerify_data();
    void listVerify();

    void captions();
    void visibilityControl();
    void updateFlagDefersRefresh();
    void absentAndThrowingObjects();

    void storeRoundTrip_data();
    void storeRoundTrip();

private:
    QString iniPath() const { return m_config->filePath(QStringLiteral("TolvaneLists.ini")); }
    QStringList stored(const QString& section, int count) const;
    void seed(const QString& section, const QStringList& entries) const;
    std::unique_ptr<cMRU> listOf(const QStringList& entries) const;
    static Menu attach(cMRU& mru);

    std::unique_ptr<QTemporaryDir> m_config;
};

// Every test gets its own empty store: QSettings takes the user folder from here.
void TestCMru::init()
{
    m_config = std::make_unique<QTemporaryDir>();
    QVERIFY(m_config->isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_config->path());
}

QStringList TestCMru::stored(const QString& section, int count) const
{
    QSettings store(iniPath(), QSettings::IniFormat);
    store.beginGroup(section);
    QStringList entries;
    for (int position = 1; position <= count; ++position)
        entries.append(store.value(QStringLiteral("MRU%1").arg(position), QStringLiteral("(missing)")).toString());
    return entries;
}

void TestCMru::seed(const QString& section, const QStringList& entries) const
{
    QSettings store(iniPath(), QSettings::IniFormat);
    store.beginGroup(section);
    for (int position = 1; position <= entries.size(); ++position)
        store.setValue(QStringLiteral("MRU%1").arg(position), entries.at(position - 1));
}

// A list under App holding exactly these entries, read from the store as the program does it.
std::unique_ptr<cMRU> TestCMru::listOf(const QStringList& entries) const
{
    seed(App, entries);
    auto mru = std::make_unique<cMRU>();
    mru->setAppName(App);
    mru->setListSize(static_cast<qint16>(entries.size()));
    return mru;
}

Menu TestCMru::attach(cMRU& mru)
{
    Menu menu;
    mru.setObjectDivider(menu.divider);
    for (qint16 position = 1; position <= mru.ListSize(); ++position) {
        menu.items.push_back(std::make_shared<RecordingItem>());
        mru.setObjectsList(position, menu.items.back());
    }
    return menu;
}

void TestCMru::freshInstance()
{
    {
        const cMRU mru;
        QCOMPARE(mru.ListSize(), 3);
        QCOMPARE(mru.ListFilledCount(), 0);
        QCOMPARE(mru.ObjectsUpdate(), true);
        QCOMPARE(mru.ObjectsControlVisibility(), false);
        QCOMPARE(mru.AppName(), QString());
        QCOMPARE(mru.List(1), QString());
    }
    QVERIFY2(!QFile::exists(iniPath()), "creating or destroying an instance must not touch the store");
}

void TestCMru::listAdd_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("after");

    const QStringList full = entries("A,B,C,D");
    QTest::newRow("nominal: new path drops the last") << full << QStringLiteral("E") << entries("E,A,B,C");
    QTest::newRow("nominal: path from the middle") << full << QStringLiteral("C") << entries("C,A,B,D");
    QTest::newRow("nominal: path from the end") << full << QStringLiteral("D") << entries("D,A,B,C");
    QTest::newRow("nominal: path already on top") << full << QStringLiteral("A") << full;
    QTest::newRow("nominal: onto a half-filled list") << entries("A,B,,") << QStringLiteral("C")
                                                        << entries("C,A,B,");
    QTest::newRow("robustness: two copies both go") << entries("A,B,C,B") << QStringLiteral("B")
                                                      << entries("B,A,C,");
    QTest::newRow("robustness: other letter case is another path") << full << QStringLiteral("a")
                                                                     << entries("a,A,B,C");
    QTest::newRow("robustness: empty string keeps a full list") << full << QString() << full;
    QTest::newRow("robustness: empty string keeps the gaps") << entries("A,,,D") << QString()
                                                               << entries("A,,,D");
    QTest::newRow("robustness: a run of gaps shrinks by one") << entries("A,,,D") << QStringLiteral("E")
                                                                << entries("E,A,,D");
}

void TestCMru::listAdd()
{
    QFETCH(QStringList, before);
    QFETCH(QString, path);
    QFETCH(QStringList, after);

    const auto mru = listOf(before);
    QVERIFY(mru->ListAdd(path));
    QCOMPARE(shown(*mru), after);
    QCOMPARE(stored(App, 4), after);
}

void TestCMru::listRemoveString_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("after");

    const QStringList full = entries("A,B,C,D");
    const QStringList closed = entries("A,C,D,");
    QTest::newRow("nominal: removes the path") << full << QStringLiteral("B") << closed;
    QTest::newRow("nominal: ignores letter case") << full << QStringLiteral("b") << closed;
    QTest::newRow("nominal: every case form goes, one pass leaves a gap")
        << entries("/q/bind.cfg,/q/Bind.cfg,C,D") << QStringLiteral("/Q/BIND.CFG") << entries(",C,D,");
    QTest::newRow("robustness: empty string matches the empty positions")
        << entries("A,,C,") << QString() << entries("A,C,,");
}

void TestCMru::listRemoveString()
{
    QFETCH(QStringList, before);
    QFETCH(QString, path);
    QFETCH(QStringList, after);

    const auto mru = listOf(before);
    mru->ListRemoveString(path);
    QCOMPARE(shown(*mru), after);
    QCOMPARE(stored(App, 4), after);
}

void TestCMru::listRemoveStringWithoutMatch_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("robustness: path not in the list") << QStringLiteral("E");
    QTest::newRow("robustness: empty string on a full list") << QString();
}

// No match means no write and no refresh: what is changed behind the list's back stays.
void TestCMru::listRemoveStringWithoutMatch()
{
    QFETCH(QString, path);
    const QStringList full = entries("A,B,C,D");
    const QStringList elsewhere = entries("W,X,Y,Z");
    const auto mru = listOf(full);
    const Menu menu = attach(*mru);
    const int touchesBefore = menu.touches();
    seed(App, elsewhere);

    mru->ListRemoveString(path);
    QCOMPARE(shown(*mru), full);
    QCOMPARE(stored(App, 4), elsewhere);
    QCOMPARE(menu.touches(), touchesBefore);
}

// The entry that an insertion pushed off the end must not come back when a later
// removal pulls the last position up.
void TestCMru::listRemoveIndex()
{
    const auto mru = listOf(entries("A,B,C,D"));
    mru->ListAdd(QStringLiteral("E"));
    mru->ListRemoveIndex(2);
    const QStringList after = entries("E,B,C,");
    QCOMPARE(shown(*mru), after);
    QCOMPARE(stored(App, 4), after);
}

// Two adjacent gaps close by one only, and the remaining gap is stored and shown as such.
void TestCMru::compactionIsSinglePass()
{
    const auto mru = listOf(entries("A,,,D"));
    const Menu menu = attach(*mru);
    mru->setObjectsControlVisibility(true);
    mru->ListRemoveIndex(2);

    const QStringList after = entries("A,,D,");
    QCOMPARE(shown(*mru), after);
    QCOMPARE(stored(App, 4), after);
    QCOMPARE(menu.items[2]->caption, QStringLiteral("&3  D"));
    QCOMPARE(menu.items[1]->visible, false);
    QCOMPARE(menu.items[3]->visible, false);
}

void TestCMru::positionErrors_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("description");

    const auto row = [](const char* name, const char* member, int position, int number, const char* source,
                        const char* lead) {
        QTest::newRow(name) << QString::fromLatin1(member) << position << number
                            << QStringLiteral("Tolvane::") + QLatin1String(source)
                            << QLatin1String(lead) + QString::number(position)
                                   + QStringLiteral(" but the size of the list is only 4");
    };
    const char* clear = "Tried to clear the MRU at index ";
    const char* retrieve = "Tried to retrieve the MRU at index ";
    const char* add = "Tried to add at index ";
    row("robustness: ListRemoveIndex 0", "ListRemoveIndex", 0, 5, "ListClearOne", clear);
    row("robustness: ListRemoveIndex n+1", "ListRemoveIndex", 5, 5, "ListClearOne", clear);
    row("robustness: ListRemoveIndex negative", "ListRemoveIndex", -1, 5, "ListClearOne", clear);
    row("robustness: List 0", "List", 0, 6, "List", retrieve);
    row("robustness: List n+1", "List", 5, 6, "List", retrieve);
    row("robustness: ObjectsList 0", "ObjectsList", 0, 1, "ObjectsList", add);
    row("robustness: ObjectsList n+1", "ObjectsList", 5, 1, "ObjectsList", add);
}

// A position outside 1..n changes nothing: not the list, not the store, and no object is kept.
void TestCMru::positionErrors()
{
    QFETCH(QString, member);
    QFETCH(int, position);
    QFETCH(int, number);
    QFETCH(QString, source);
    QFETCH(QString, description);

    const QStringList full = entries("A,B,C,D");
    const auto mru = listOf(full);
    const auto item = std::make_shared<RecordingItem>();
    const auto index = static_cast<qint16>(position);
    const auto error = errorFrom([&] {
        if (member == QLatin1String("ListRemoveIndex"))
            mru->ListRemoveIndex(index);
        else if (member == QLatin1String("List"))
            mru->List(index);
        else
            mru->setObjectsList(index, item);
    });
    verifyError(error, number, source, description);
    QCOMPARE(shown(*mru), full);
    QCOMPARE(stored(App, 4), full);
    mru->setListSize(5);
    QCOMPARE(item->touches, 0);
}

void TestCMru::listAddWithoutAppName()
{
    cMRU mru;
    verifyError(errorFrom([&] { mru.ListAdd(QStringLiteral("A")); }), 4, QStringLiteral("Tolvane::ListAdd"),
                QStringLiteral("Tried to add to MRU list when AppName not set."));
    QCOMPARE(mru.ListFilledCount(), 0);
    QVERIFY(!QFile::exists(iniPath()));
}

// The empty name is kept, the reload fails, and the entries and menu stay as they were.
void TestCMru::emptyAppNameKeepsEntries()
{
    const QStringList full = entries("A,B,C,D");
    const auto mru = listOf(full);
    const Menu menu = attach(*mru);
    const int touchesBefore = menu.touches();

    verifyError(errorFrom([&] { mru->setAppName(QString()); }), 3, QStringLiteral("Tolvane::ReadAllMRUs"),
                QStringLiteral("Tried to read MRUs when AppName not set."));
    QCOMPARE(mru->AppName(), QString());
    QCOMPARE(shown(*mru), full);
    QCOMPARE(menu.touches(), touchesBefore);
}

void TestCMru::listSizeWithoutAppName()
{
    cMRU mru;
    verifyError(errorFrom([&] { mru.setListSize(5); }), 3, QStringLiteral("Tolvane::ReadAllMRUs"),
                QStringLiteral("Tried to read MRUs when AppName not set."));
    QCOMPARE(mru.ListSize(), 5);
    QCOMPARE(mru.List(5), QString());
}

void TestCMru::changesWithoutAppName_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<bool>("updating");
    QTest::addColumn<QStringList>("after");

    const QStringList none(4);
    const QStringList closed = entries("B,C,D,");
    QTest::newRow("robustness: ListRemoveAll") << QStringLiteral("ListRemoveAll") << true << none;
    QTest::newRow("robustness: ListRemoveIndex") << QStringLiteral("ListRemoveIndex") << true << closed;
    QTest::newRow("robustness: ListRemoveString") << QStringLiteral("ListRemoveString") << true << closed;
    QTest::newRow("robustness: ListVerify") << QStringLiteral("ListVerify") << true << none;
    QTest::newRow("robustness: ListRemoveAll, updates off") << QStringLiteral("ListRemoveAll") << false << none;
}

// Members that do not check the name change the entries, the store refuses the nameless
// write, and the refresh fails unless updates are off.
void TestCMru::changesWithoutAppName()
{
    QFETCH(QString, member);
    QFETCH(bool, updating);
    QFETCH(QStringList, after);

    const QStringList full = entries("A,B,C,D");
    const auto mru = listOf(full);
    mru->setObjectsUpdate(updating);
    QVERIFY(errorFrom([&] { mru->setAppName(QString()); }));

    const auto error = errorFrom([&] {
        if (member == QLatin1String("ListRemoveAll"))
            mru->ListRemoveAll();
        else if (member == QLatin1String("ListRemoveIndex"))
            mru->ListRemoveIndex(1);
        else if (member == QLatin1String("ListRemoveString"))
            mru->ListRemoveString(QStringLiteral("a"));
        else
            mru->ListVerify();
    });
    if (updating)
        verifyError(error, 2, QStringLiteral("Tolvane::DoUpdateObjects"), NoAppName);
    else
        QVERIFY(!error);
    QCOMPARE(shown(*mru), after);
    QCOMPARE(stored(App, 4), full);
    QSettings store(iniPath(), QSettings::IniFormat);
    QCOMPARE(store.childKeys(), QStringList());
    QCOMPARE(store.childGroups(), QStringList{App});
}

// Each refreshing put keeps its value although the refresh fails: the objects given here are
// the ones hidden once a name arrives.
void TestCMru::refreshesWithoutAppName()
{
    cMRU mru;
    const auto divider = std::make_shared<RecordingItem>();
    const auto item = std::make_shared<RecordingItem>();
    const auto source = QStringLiteral("Tolvane::DoUpdateObjects");
    verifyError(errorFrom([&] { mru.setObjectsControlVisibility(true); }), 2, source, NoAppName);
    verifyError(errorFrom([&] { mru.setObjectDivider(divider); }), 2, source, NoAppName);
    verifyError(errorFrom([&] { mru.setObjectsList(1, item); }), 2, source, NoAppName);
    mru.setObjectsUpdate(false);
    verifyError(errorFrom([&] { mru.setObjectsUpdate(true); }), 2, source, NoAppName);
    QVERIFY(mru.ObjectsControlVisibility());
    QVERIFY(mru.ObjectsUpdate());
    QCOMPARE(item->touches + divider->touches, 0);

    mru.setAppName(App);
    QCOMPARE(item->visible, false);
    QCOMPARE(divider->visible, false);
}

void TestCMru::sizeBelowOneIsIgnored_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("robustness: zero") << 0;
    QTest::newRow("robustness: minus one") << -1;
    QTest::newRow("robustness: most negative") << -32768;
}

// Ignored entirely: no error, no reload from the store, no refresh.
void TestCMru::sizeBelowOneIsIgnored()
{
    QFETCH(int, size);
    const QStringList full = entries("A,B,C");
    const auto mru = listOf(full);
    const Menu menu = attach(*mru);
    const int touchesBefore = menu.touches();
    seed(App, entries("X,Y,Z"));

    mru->setListSize(static_cast<qint16>(size));
    QCOMPARE(mru->ListSize(), 3);
    QCOMPARE(shown(*mru), full);
    QCOMPARE(menu.touches(), touchesBefore);
}

// Keys above the size are never written, so entries beyond a shrink come back on growth.
// The entry just past the new size must not linger in the overflow slot either.
void TestCMru::shrinkKeepsStoredEntries()
{
    const QStringList six = entries("A,B,C,,E,F");
    const auto mru = listOf(six);
    const Menu menu = attach(*mru);

    mru->setListSize(4);
    QCOMPARE(shown(*mru), six.first(4));
    QCOMPARE(menu.items[5].use_count(), 1);
    mru->ListRemoveIndex(1);
    const QStringList written = entries("B,C,,,E,F");
    QCOMPARE(stored(App, 6), written);

    const int releasedTouches = menu.items[4]->touches;
    mru->setListSize(6);
    QCOMPARE(shown(*mru), written);
    QCOMPARE(menu.items[4]->touches, releasedTouches);
}

void TestCMru::sameSizeReloads()
{
    const auto mru = listOf(entries("A,B,C"));
    const QStringList elsewhere = entries("X,,Z");
    seed(App, elsewhere);
    mru->setListSize(3);
    QCOMPARE(shown(*mru), elsewhere);
}

// The list needs one position past its size, so 32766 is the largest size there is.
void TestCMru::sizeLimit()
{
    const QStringList full = entries("A,B,C");
    const auto mru = listOf(full);
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, mru->setListSize(32767));
    QCOMPARE(mru->ListSize(), 3);
    QCOMPARE(shown(*mru), full);

    mru->setListSize(32766);
    QCOMPARE(mru->ListSize(), 32766);
    QVERIFY(mru->ListAdd(QStringLiteral("D")));
    QCOMPARE(mru->List(4), QStringLiteral("C"));
    QCOMPARE(mru->List(32766), QString());
}

void TestCMru::listVerify_data()
{
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("third");
    QTest::newRow("nominal: two files gone") << QStringLiteral("gone-b.cfg") << QStringLiteral("gone-c.cfg");
    QTest::newRow("robustness: hidden file and directory") << QStringLiteral(".hidden.cfg") << QStringLiteral("folder.cfg");
}

// A, B, C, D with B and C failing the test become A, -, D, - : one gap closed per pass,
// and the numbering keeps its hole.
void TestCMru::listVerify()
{
    QFETCH(QString, second);
    QFETCH(QString, third);
    QTemporaryDir files;
    const QDir folder(files.path());
    for (const auto& name : {QStringLiteral("a.cfg"), QStringLiteral("d.cfg"), QStringLiteral(".hidden.cfg")}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(folder.mkdir(QStringLiteral("folder.cfg")));
    const QString a = folder.filePath(QStringLiteral("a.cfg"));
    const QString d = folder.filePath(QStringLiteral("d.cfg"));

    const auto mru = listOf({a, folder.filePath(second), folder.filePath(third), d});
    const Menu menu = attach(*mru);
    mru->setObjectsControlVisibility(true);
    mru->ListVerify();

    const QStringList after{a, QString(), d, QString()};
    QCOMPARE(shown(*mru), after);
    QCOMPARE(stored(App, 4), after);
    QCOMPARE(mru->ListFilledCount(), 2);
    QCOMPARE(menu.items[0]->caption, QStringLiteral("&1  ") + a);
    QCOMPARE(menu.items[2]->caption, QStringLiteral("&3  ") + d);
    QCOMPARE(menu.items[0]->visible, true);
    QCOMPARE(menu.items[1]->visible, false);
    QCOMPARE(menu.items[2]->visible, true);
    QCOMPARE(menu.items[3]->visible, false);
}

// Positions 1 to 9 carry their digit as accelerator, later ones the bare path; the path is
// passed on untouched. Without visibility control nothing is shown or hidden.
void TestCMru::captions()
{
    QStringList entries;
    for (int position = 1; position <= 11; ++position)
        entries.append(QStringLiteral("/q/id1/p%1.cfg").arg(position));
    entries[1] = QStringLiteral("/q/R&D/p2.cfg");
    const auto mru = listOf(entries);
    const Menu menu = attach(*mru);

    QCOMPARE(menu.items[0]->caption, QStringLiteral("&1  /q/id1/p1.cfg"));
    QCOMPARE(menu.items[1]->caption, QStringLiteral("&2  /q/R&D/p2.cfg"));
    QCOMPARE(menu.items[8]->caption, QStringLiteral("&9  /q/id1/p9.cfg"));
    QCOMPARE(menu.items[9]->caption, QStringLiteral("/q/id1/p10.cfg"));
    QCOMPARE(menu.items[10]->caption, QStringLiteral("/q/id1/p11.cfg"));
    for (const auto& item : menu.items)
        QCOMPARE(item->visible, std::nullopt);
    QCOMPARE(menu.divider->touches, 0);
}

// With visibility control, empty positions hide (keeping their caption) and the divider
// shows only while something is listed.
void TestCMru::visibilityControl()
{
    const auto mru = listOf(QStringList(4));
    const Menu menu = attach(*mru);
    mru->setObjectsControlVisibility(true);
    for (const auto& item : menu.items)
        QCOMPARE(item->visible, false);
    QCOMPARE(menu.divider->visible, false);

    mru->ListAdd(QStringLiteral("A"));
    QCOMPARE(menu.items[0]->visible, true);
    QCOMPARE(menu.items[1]->visible, false);
    QCOMPARE(menu.divider->visible, true);

    mru->ListRemoveAll();
    QCOMPARE(menu.items[0]->visible, false);
    QCOMPARE(menu.items[0]->caption, QStringLiteral("&1  A"));
    QCOMPARE(menu.divider->visible, false);
    QCOMPARE(stored(App, 4), QStringList(4));
}

void TestCMru::updateFlagDefersRefresh()
{
    const auto mru = listOf(entries("A,B,C,D"));
    const Menu menu = attach(*mru);
    mru->setObjectsControlVisibility(true);
    const int touchesBefore = menu.touches();

    mru->setObjectsUpdate(false);
    mru->ListAdd(QStringLiteral("E"));
    const QStringList after = entries("E,A,B,C");
    QCOMPARE(stored(App, 4), after);
    QCOMPARE(menu.touches(), touchesBefore);

    mru->setObjectsUpdate(true);
    QCOMPARE(menu.items[0]->caption, QStringLiteral("&1  E"));
    QCOMPARE(menu.items[3]->caption, QStringLiteral("&4  C"));
}

// A slot never given an object and objects that throw do not stop the other items.
void TestCMru::absentAndThrowingObjects()
{
    const auto mru = listOf(entries("A,B,C,D"));
    const auto thrower = std::make_shared<ThrowingItem>();
    const auto third = std::make_shared<RecordingItem>();
    mru->setObjectsControlVisibility(true);
    QVERIFY_THROWS_NO_EXCEPTION(mru->setObjectDivider(thrower));
    QVERIFY_THROWS_NO_EXCEPTION(mru->setObjectsList(1, thrower));
    QVERIFY_THROWS_NO_EXCEPTION(mru->setObjectsList(3, third));
    QVERIFY_THROWS_NO_EXCEPTION(mru->setObjectsList(4, thrower));

    QVERIFY_THROWS_NO_EXCEPTION(mru->ListAdd(QStringLiteral("E")));
    QCOMPARE(third->caption, QStringLiteral("&3  B"));
    QCOMPARE(third->visible, true);
}

void TestCMru::storeRoundTrip_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("path");
    QTest::newRow("nominal: the program's name with its apostrophe") << App << QStringLiteral("/home/p/quake/id1/autoexec.cfg");
    QTest::newRow("robustness: section with a slash") << QStringLiteral("Tools/Editor") << QStringLiteral("/q/a.cfg");
    QTest::newRow("robustness: comma and semicolon") << App << QStringLiteral("/q/a, b; c.cfg");
    QTest::newRow("robustness: leading @") << App << QStringLiteral("@Variant(x).cfg");
    QTest::newRow("robustness: backslashes and quotes") << App << QStringLiteral("C:\\Quake\\\"id1\"\\bind.cfg");
    QTest::newRow("robustness: non-ASCII") << App << QStringLiteral("/home/j\u00fcrgen/\u015dkripto.cfg");
    QTest::newRow("robustness: equals sign and brackets") << App << QStringLiteral("/q/[a]=b.cfg");
}

// Written through and flushed: a second instance sees the path at once, under the same
// section only.
void TestCMru::storeRoundTrip()
{
    QFETCH(QString, section);
    QFETCH(QString, path);

    cMRU writer;
    writer.setAppName(section);
    writer.ListAdd(path);
    QFile ini(iniPath());
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(ini.readAll().contains("MRU1="));

    cMRU reader;
    reader.setAppName(section);
    QCOMPARE(reader.List(1), path);
    QCOMPARE(reader.ListFilledCount(), 1);

    cMRU other;
    other.setAppName(QStringLiteral("Another Program"));
    QCOMPARE(other.ListFilledCount(), 0);
}

QTEST_GUILESS_MAIN(TestCMru)
#include "tst_cmru.moc"
