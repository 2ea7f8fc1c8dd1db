#include "editor/mainactions.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QMenuBar>
#include <QToolBar>
#include <QUndoStack>

namespace {

struct Command
{
    const char* name;
    const char* text;
    const char* shortcut; // empty: none
    const char* icon;     // empty: none; also the toolbar's
    const char* tooltip;  // the toolbar button's; empty: the text
    bool checkable = false;
};

constexpr Command Commands[] = {
    {"mnuNew", "&New", "Ctrl+N", "new", "New"},
    {"mnuOpen", "&Open...", "Ctrl+O", "open", "Open"},
    {"mnuClose", "C&lose", "Ctrl+L", "", ""},
    {"mnuSave", "&Save", "Ctrl+S", "save", "Save"},
    {"mnuSaveAs", "&Save As...", "", "", ""},
    {"mnuExit", "E&xit", "Ctrl+X", "exit", ""},
    {"mnuCut", "Cu&t", "Ctrl+T", "cut", "Cut"},
    {"mnuCopy", "&Copy", "Ctrl+C", "copy", "Copy"},
    {"mnuPaste", "&Paste", "Ctrl+P", "paste", "Paste"},
    {"mnuDelete", "&Delete Selected", "Ctrl+D", "delete", "Delete"},
    {"mnuClearAll", "Clear &All", "Ctrl+A", "", ""},
    {"mnuInsertC", "&Insert Comment Line", "Ctrl+I", "insert", "Insert Comment"},
    {"mnuNextProblem", "&Next Problem", "F8", "", ""},
    {"mnuPreviousProblem", "P&revious Problem", "Shift+F8", "", ""},
    {"mnuCommandList", "Show Commands List", "", "cmdlist", "Commands List", true},
    {"mnuFindCommand", "&Find Command", "Ctrl+F", "", ""},
    {"mnuFunName", "Fun Name Editor", "", "funname", "Fun Name Editor", true},
    {"mnuEditColors", "&Edit Colors", "", "", ""},
    {"mnuAbout", "&About...", "F1", "about", ""},
    {"mnuKeyboardMap", "&Keyboard Map", "Ctrl+K", "keyboard", "Keyboard Map", true},
    {"mnuExportKeyboardMap", "Export &Keyboard Map...", "", "", ""},
};

// A null name is a separator.
constexpr const char* ToolbarEntries[] = {"mnuNew", "mnuOpen",        "mnuSave",    nullptr,     "mnuCopy",
                                          "mnuCut", "mnuPaste",       nullptr,      "mnuDelete", "mnuInsertC",
                                          nullptr,  "mnuCommandList", "mnuFunName", nullptr,     "mnuAbout",
                                          nullptr,  "mnuExit"};

} // namespace

MainActions::MainActions(QObject* owner, QUndoStack& history)
{
    for (const Command& command : Commands) {
        QAction* action = add(owner, command.name, QString::fromLatin1(command.text));
        action->setShortcut(QKeySequence(QString::fromLatin1(command.shortcut)));
        if (*command.icon) {
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(command.icon))));
            action->setIconVisibleInMenu(false); // the icon is the toolbar button's; menus stay plain
        }
        if (*command.tooltip)
            action->setToolTip(QString::fromLatin1(command.tooltip));
        action->setCheckable(command.checkable);
    }
    addEngines(owner);

    QAction* undo = history.createUndoAction(owner, QStringLiteral("&Undo"));
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = history.createRedoAction(owner, QStringLiteral("&Redo"));
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    m_actions.insert(undo->objectName(), undo);
    m_actions.insert(redo->objectName(), redo);

    for (int index = 1; index <= 4; ++index)
        m_recentFiles << add(owner, QStringLiteral("mnuFileMRU%1").arg(index).toLatin1().constData(),
                             QStringLiteral("MRU%1").arg(index));
    m_recentFilesDivider = add(owner, "mnuMRUDiv", {});
    m_recentFilesDivider->setSeparator(true);
}

void MainActions::addEngines(QObject* owner)
{
    auto* choices = new QActionGroup(owner); // one at a time
    m_guessEngine = choices->addAction(add(owner, "mnuEngineGuess", QStringLiteral("&Guess from the file")));
    for (const console::Engine& engine : console::Engine::all()) {
        QAction* choice = add(owner, (QByteArrayLiteral("mnuEngine_") + engine.id().data()).constData(), engine.name());
        m_engines.emplace_back(engine, choices->addAction(choice));
    }
    for (QAction* choice : choices->actions())
        choice->setCheckable(true);
}

// The engines under their families, in the profiles' order.
QMenu* MainActions::engineMenu(QMenu& into) const
{
    QMenu* menu = into.addMenu(QStringLiteral("&Engine"));
    menu->setObjectName(QStringLiteral("mnuEngine"));
    menu->addAction(m_guessEngine);
    menu->addSeparator();
    QMenu* family = nullptr;
    for (const auto& [engine, choice] : m_engines) {
        if (engine.isFamily()) {
            family = menu->addMenu(console::gameTitle(engine.family()));
            family->setObjectName(QStringLiteral("mnuEngineFamily_") + engine.id());
        }
        family->addAction(choice);
    }
    return menu;
}

QAction* MainActions::add(QObject* owner, const char* name, const QString& text)
{
    auto* action = new QAction(text, owner);
    action->setObjectName(QLatin1String(name));
    m_actions.insert(action->objectName(), action);
    return action;
}

QAction* MainActions::operator[](const char* name) const
{
    return m_actions.value(QLatin1String(name));
}

void MainActions::fillMenuBar(QMenuBar& bar) const
{
    const auto menu = [&bar](const char* name, const QString& title) {
        QMenu* result = bar.addMenu(title);
        result->setObjectName(QLatin1String(name));
        return result;
    };
    const auto separator = [](QMenu* into, const char* name) {
        into->addSeparator()->setObjectName(QLatin1String(name));
    };

    QMenu* file = menu("mnuFile", QStringLiteral("&File"));
    file->addActions({(*this)["mnuNew"], (*this)["mnuOpen"], (*this)["mnuClose"]});
    separator(file, "mnuSep4");
    file->addActions({(*this)["mnuSave"], (*this)["mnuSaveAs"]});
    separator(file, "mnuSep3");
    file->addActions(m_recentFiles);
    file->addActions({m_recentFilesDivider, (*this)["mnuExit"]});
    separator(file, "mnuSepExport");
    file->addAction((*this)["mnuExportKeyboardMap"]);

    // What came after the first release stands after its items, behind a separator, so that
    // the original items keep their places for anyone walking the menus by keys.
    m_editMenu = menu("mnuEdit", QStringLiteral("&Edit"));
    m_editMenu->addActions({(*this)["mnuCut"], (*this)["mnuCopy"], (*this)["mnuPaste"]});
    separator(m_editMenu, "mnuSep0");
    m_editMenu->addActions({(*this)["mnuDelete"], (*this)["mnuClearAll"]});
    separator(m_editMenu, "mnuSep2");
    m_editMenu->addAction((*this)["mnuInsertC"]);
    separator(m_editMenu, "mnuSepUndo");
    m_editMenu->addActions({(*this)["mnuUndo"], (*this)["mnuRedo"]});
    separator(m_editMenu, "mnuSepProblems");
    m_editMenu->addActions({(*this)["mnuNextProblem"], (*this)["mnuPreviousProblem"]});

    QMenu* options = menu("mnuOptions", QStringLiteral("&Options"));
    options->addActions({(*this)["mnuCommandList"], (*this)["mnuFunName"]});
    separator(options, "mnuSep5");
    options->addAction((*this)["mnuEditColors"]);
    separator(options, "mnuSepFind");
    options->addAction((*this)["mnuFindCommand"]);
    engineMenu(*options);
    options->addAction((*this)["mnuKeyboardMap"]);

    menu("mnuHelp", QStringLiteral("&Help"))->addAction((*this)["mnuAbout"]);
}

QList<QAction*> MainActions::fillToolbar(QToolBar& toolbar) const
{
    QList<QAction*> entries;
    for (const char* name : ToolbarEntries) {
        if (name)
            toolbar.addAction((*this)[name]);
        else
            toolbar.addSeparator();
        entries << toolbar.actions().constLast();
    }
    return entries;
}
