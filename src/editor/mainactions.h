#pragma once

#include "console/engine.h"

#include <QHash>
#include <QList>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QToolBar;
class QUndoStack;

// The main window's commands: one action each, shared by its menu item and its toolbar
// button, so the two can never disagree (the side-window toggles are checkable, and the
// menu's check mark is the button's pressed state). Actions are named as the menu items.
class MainActions
{
public:
    MainActions(QObject* owner, QUndoStack& history);

    QAction* operator[](const char* name) const;
    // The recent-file items and their divider, which the recent-files list shows and hides.
    const QList<QAction*>& recentFileItems() const { return m_recentFiles; }
    QAction* recentFilesDivider() const { return m_recentFilesDivider; }

    // Options → Engine: "Guess from the file", and each engine, one checked at a time.
    QAction* guessEngine() const { return m_guessEngine; }
    const std::vector<std::pair<console::Engine, QAction*>>& engines() const { return m_engines; }

    void fillMenuBar(QMenuBar& bar) const;
    // The Edit menu, also shown over the list.
    QMenu* editMenu() const { return m_editMenu; }
    // Toolbar entries, separators included, in order.
    QList<QAction*> fillToolbar(QToolBar& toolbar) const;

private:
    QAction* add(QObject* owner, const char* name, const QString& text);
    void addEngines(QObject* owner);
    QMenu* engineMenu(QMenu& into) const;

    QHash<QString, QAction*> m_actions;
    QList<QAction*> m_recentFiles;
    QAction* m_recentFilesDivider = nullptr;
    QAction* m_guessEngine = nullptr;
    std::vector<std::pair<console::Engine, QAction*>> m_engines;
    mutable QMenu* m_editMenu = nullptr;
};
