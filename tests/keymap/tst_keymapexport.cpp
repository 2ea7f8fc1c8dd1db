#include "keymap/keymapexport.h"
#include "keymap/keymapmodel.h"
#include "keymap/keymapscene.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The space bar is wide enough for the whole binding to be written out.
const QByteArray Script = "bind space \"echo quicksave_marker\"\nbind mouse1 +attack\n";

keymap::KeymapScene sceneOf(const QByteArray& script)
{
    const QList<QByteArray> rows = script.split('\n');
    keymap::KeymapModel model;
    model.reset(rows.size(), [&rows](qsizetype row, QByteArray&) { return QByteArrayView(rows[row]); });
    keymap::KeymapScene scene(*keymap::keymapEngine(u"quake"), keymap::KeyboardLayout(QStringLiteral("us")));
    scene.update(model, {});
    return scene;
}

} // namespace

class TestKeymapExport : public QObject
{
    Q_OBJECT

private slots:
    void writesPicture_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("svg") << "map.svg";
        QTest::newRow("png") << "map.png";
    }

    void writesPicture()
    {
        QFETCH(QString, fileName);
        QTemporaryDir folder;
        const QString path = folder.filePath(fileName);
        QString error;
        QVERIFY2(keymap::exportImage(sceneOf(Script), path, QSize(1200, 480), &error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.isEmpty());
        if (fileName.endsWith(u".svg")) {
            QVERIFY(bytes.contains("width=\"1200\""));
            QVERIFY(bytes.contains("height=\"480\""));
            QVERIFY(bytes.contains("echo quicksave_marker"));
        } else {
            const QImage image = QImage::fromData(bytes, "png");
            QCOMPARE(image.size(), QSize(1200, 480));
        }
    }

    // A folder where the file should be: the write fails and says why.
    void reportsFailure_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("svg") << "taken.svg";
        QTest::newRow("png") << "taken.png";
    }

    void reportsFailure()
    {
        QFETCH(QString, fileName);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(fileName));
        QString error;
        QVERIFY(!keymap::exportImage(sceneOf(Script), folder.filePath(fileName), QSize(600, 240), &error));
        QVERIFY(!error.isEmpty());
    }

    void commandLine_data()
    {
        QTest::addColumn<QList<QByteArray>>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("written");
        QTest::newRow("nominal") << QList<QByteArray>{"--keymap", "IN", "-o", "OUT.png"} << 0 << true;
        QTest::newRow("engine and layout")
            << QList<QByteArray>{"--keymap", "--engine", "ezquake", "--layout", "fr", "IN", "-o", "OUT.svg"} << 0
            << true;
        QTest::newRow("robustness: unknown layout draws US")
            << QList<QByteArray>{"--keymap", "--layout", "nowhere", "IN", "-o", "OUT.png"} << 0 << true;
        QTest::newRow("robustness: unknown engine")
            << QList<QByteArray>{"--keymap", "--engine", "doom", "IN", "-o", "OUT.png"} << 2 << false;
        QTest::newRow("robustness: no output") << QList<QByteArray>{"--keymap", "IN"} << 2 << false;
        QTest::newRow("robustness: missing input")
            << QList<QByteArray>{"--keymap", "MISSING", "-o", "OUT.png"} << 1 << false;
    }

    void commandLine()
    {
        QFETCH(QList<QByteArray>, arguments);
        QTemporaryDir folder;
        QFile input(folder.filePath(QStringLiteral("in.cfg")));
        QVERIFY(input.open(QIODevice::WriteOnly));
        input.write(Script);
        input.close();
        QString output;
        QList<QByteArray> argv{"corvale"};
        for (const QByteArray& argument : arguments) {
            if (argument == "IN")
                argv.append(QFile::encodeName(input.fileName()));
            else if (argument == "MISSING")
                argv.append(QFile::encodeName(folder.filePath(QStringLiteral("missing.cfg"))));
            else if (argument.startsWith("OUT"))
                argv.append(QFile::encodeName(output = folder.filePath(QString::fromLatin1(argument))));
            else
                argv.append(argument);
        }
        std::vector<char*> pointers;
        for (QByteArray& argument : argv)
            pointers.push_back(argument.data());
        QVERIFY(keymapRequested(int(pointers.size()), pointers.data()));
        QTEST(keymapMain(int(pointers.size()), pointers.data()), "status");
        QTEST(!output.isEmpty() && QFileInfo(output).size() > 0, "written");
    }
};

QTEST_MAIN(TestKeymapExport)
#include "tst_keymapexport.moc"
