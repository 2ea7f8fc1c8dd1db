#include "editor/bindinglist.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList rowsOf(const BindingList& list)
{
    QStringList rows;
    for (int position = 1; position <= list.count(); ++position)
        rows << list.text(position);
    return rows;
}

QStringList strings(std::initializer_list<const char*> texts)
{
    QStringList result;
    for (const char* text : texts)
        result << QLatin1String(text);
    return result;
}

} // namespace

class TestBindingList : public QObject
{
    Q_OBJECT

private slots:
    void positionsCountFromOne();
    void signalsOnePerChange();
    void selectionIsPartOfTheList();
    void headerNamesTheColumn();
    void manyEditsKeepEveryRow();
    void replacingARowWithItsOwnText();
    void latin1TextStaysLatin1();
};

void TestBindingList::positionsCountFromOne()
{
    BindingList list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.append(QStringLiteral("b"));
    list.insert(1, QStringLiteral("a"));
    list.append(QStringLiteral("d"));
    list.insert(3, QStringLiteral("c"));
    QCOMPARE(rowsOf(list), strings({"a", "b", "c", "d"}));
    list.setText(2, QStringLiteral("B"));
    list.remove(4);
    list.remove(1);
    QCOMPARE(rowsOf(list), strings({"B", "c"}));
    list.removeAll();
    QCOMPARE(list.count(), 0);
}

void TestBindingList::signalsOnePerChange()
{
    BindingList list;
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&list, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&list, &QAbstractItemModel::modelReset);

    list.append(QStringLiteral("x"));
    list.insert(1, QStringLiteral("y"));
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(inserted.at(1).at(1).toInt(), 0);

    list.setText(2, QStringLiteral("z"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<QModelIndex>().row(), 1);

    list.remove(1);
    QCOMPARE(removed.count(), 1);

    LineStore lines;
    for (int i = 0; i < 1000; ++i)
        lines.append(QString::number(i));
    list.assign(std::move(lines));
    list.removeAll();
    QCOMPARE(reset.count(), 2);
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(removed.count(), 1);
}

void TestBindingList::selectionIsPartOfTheList()
{
    BindingList list;
    QCOMPARE(list.selectedRow(), 0);
    for (const char* row : {"a", "b", "c"})
        list.append(QLatin1String(row));
    list.select(2);
    QCOMPARE(list.selectedRow(), 2);
    list.insert(1, QStringLiteral("new"));
    QCOMPARE(list.selectedRow(), 3); // the selected row moved down with its text
    QCOMPARE(list.text(list.selectedRow()), QStringLiteral("b"));
    list.remove(3);
    QCOMPARE(list.selectedRow(), 0);
    list.select(4);
    QCOMPARE(list.selectedRow(), 0);
}

void TestBindingList::headerNamesTheColumn()
{
    BindingList list;
    QCOMPARE(list.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Bindings"));
    QCOMPARE(list.headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(),
             QStringLiteral("Preview of the Finished File"));
}

void TestBindingList::manyEditsKeepEveryRow()
{
    // Enough rewriting to make the store compact its garbage several times over.
    BindingList list;
    QStringList expected;
    for (int i = 0; i < 2000; ++i) {
        list.append(QStringLiteral("row %1").arg(i));
        expected << QStringLiteral("row %1").arg(i);
    }
    const QString filler(600, QLatin1Char('f'));
    for (int round = 0; round < 5; ++round)
        for (int position = 1; position <= list.count(); position += 2) {
            const QString text = filler + QString::number(round * 10000 + position);
            list.setText(position, text);
            expected[position - 1] = text;
        }
    for (int position = list.count(); position >= 1; position -= 3) {
        list.remove(position);
        expected.removeAt(position - 1);
    }
    QCOMPARE(rowsOf(list), expected);
}

void TestBindingList::replacingARowWithItsOwnText()
{
    LineStore lines;
    lines.append(QStringLiteral("alpha"));
    lines.append(QStringLiteral("beta \u263A")); // kept as UTF-16
    lines.append(QStringLiteral("gamma"));
    lines.replace(0, lines.at(1)); // views into the store itself
    lines.insert(0, lines.at(2));
    lines.append(lines.at(1));
    QCOMPARE(lines.text(0), QStringLiteral("gamma"));
    QCOMPARE(lines.text(1), QStringLiteral("beta \u263A"));
    QCOMPARE(lines.text(2), QStringLiteral("beta \u263A"));
    QCOMPARE(lines.text(4), QStringLiteral("beta \u263A"));
    QVERIFY(lines.isLatin1(0));
    QVERIFY(!lines.isLatin1(1));
}

void TestBindingList::latin1TextStaysLatin1()
{
    // Text typed in UTF-16 that fits the file's bytes is written like text read from it.
    LineStore lines;
    lines.append(QStringLiteral("caf\u00e9 \u00ff"));
    lines.append(QStringLiteral(""));
    lines.append(QStringLiteral("\u0100"));
    QVERIFY(lines.isLatin1(0));
    QVERIFY(lines.isLatin1(1));
    QVERIFY(!lines.isLatin1(2));
    QCOMPARE(lines.text(0), QStringLiteral("caf\u00e9 \u00ff"));
    lines.removeEmptyLines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.text(1), QStringLiteral("\u0100"));
}

QTEST_GUILESS_MAIN(TestBindingList)
#include "tst_bindinglist.moc"
