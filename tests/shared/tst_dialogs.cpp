#include "shared/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QTest>
#include <QTimer>

// The real dialogs, answered by a timer as a user would answer them.
class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void inputKeepsLongTextWhole();
};

void TestDialogs::inputKeepsLongTextWhole()
{
    const QString row(100'000, u'w');
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->accept();
    });
    QtDialogs dialogs;
    QCOMPARE(dialogs.input(nullptr, QStringLiteral("Enter the updated text."), QStringLiteral("Edit Command"), row),
             row);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
