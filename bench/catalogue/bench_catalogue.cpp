#include "benchutil.h"
#include "cataloguebench.h"
#include "catalogue/commandlist.h"
#include "catalogue/commandtree.h"
#include "catalogue/countthelines.h"
#include "catalogue/cataloguelocation.h"
#include "catalogue/frmcommands.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace {

constexpr int Runs = 5;
constexpr double TargetMs = 150;

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = bench::writeLargestCatalogue(dir);

    bench::StandInMainWindow mainWindow;

    bench::printHeader();
    bench::printRow(QStringLiteral("catalogue: count 32766 items"),
                    bench::bestMilliseconds(Runs, [&] { CountItems(path); }), TargetMs);

    std::vector<std::unique_ptr<CommandTree>> trees;
    bench::printRow(QStringLiteral("catalogue: LoadCommandList, 32766 items into the tree"),
                    bench::bestMilliseconds(Runs, [&] {
                        trees.push_back(std::make_unique<CommandTree>());
                        LoadCommandList(path, *trees.back(), *mainWindow.progress);
                    }),
                    TargetMs);
    trees.clear();

    std::vector<std::unique_ptr<frmCommands>> windows;
    bench::printRow(QStringLiteral("catalogue: open the window on 32766 items and show it"),
                    bench::bestMilliseconds(Runs, [&] {
                        windows.push_back(std::make_unique<frmCommands>(&mainWindow.window, mainWindow.progress, CatalogueLocation{path, {}}));
                        windows.back()->show();
                        QApplication::processEvents();
                    }),
                    TargetMs);
    return 0;
}
