#include "benchutil.h"
#include "catalogue/commandlist.h"
#include "catalogue/commandtree.h"
#include "catalogue/countthelines.h"
#include "catalogue/cataloguelocation.h"
#include "catalogue/frmcommands.h"

#include <QApplication>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace {

constexpr int Items = 32766; // the largest catalogue the 16-bit count allows
constexpr int Runs = 5;
constexpr double TargetMs = 150;

// A version item, then categories of sections of commands, Items items in all.
QByteArray largestCatalogue()
{
    QByteArray bytes = "//1.0\r\n";
    int items = 1;
    for (int category = 0; items < Items; ++category) {
        bytes += "{Category " + QByteArray::number(category) + "}\r\n";
        ++items;
        for (int section = 0; section < 20 && items < Items; ++section) {
            bytes += "[Section " + QByteArray::number(category) + '.' + QByteArray::number(section) + "]\r\n";
            ++items;
            for (int command = 0; command < 60 && items < Items; ++command, ++items)
                bytes += "bind_command_" + QByteArray::number(items) + " 1\r\n";
        }
    }
    return bytes;
}

QString writeCatalogue(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("commands.dat"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the catalogue");
    file.write(largestCatalogue());
    return path;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = writeCatalogue(dir);

    // The main window's side of the load: a visible progress bar.
    QWidget mainWindow;
    mainWindow.resize(366, 375);
    auto* progress = new QProgressBar(&mainWindow);
    mainWindow.show();

    bench::printHeader();
    bench::printRow(QStringLiteral("catalogue: count 32766 items"),
                    bench::bestMilliseconds(Runs, [&] { CountItems(path); }), TargetMs);

    std::vector<std::unique_ptr<CommandTree>> trees;
    bench::printRow(QStringLiteral("catalogue: LoadCommandList, 32766 items into the tree"),
                    bench::bestMilliseconds(Runs, [&] {
                        trees.push_back(std::make_unique<CommandTree>());
                        LoadCommandList(path, *trees.back(), *progress);
                    }),
                    TargetMs);
    trees.clear();

    std::vector<std::unique_ptr<frmCommands>> windows;
    bench::printRow(QStringLiteral("catalogue: open the window on 32766 items and show it"),
                    bench::bestMilliseconds(Runs, [&] {
                        windows.push_back(std::make_unique<frmCommands>(&mainWindow, progress, CatalogueLocation{path, {}}));
                        windows.back()->show();
                        QApplication::processEvents();
                    }),
                    TargetMs);
    return 0;
}
