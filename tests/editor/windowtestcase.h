#pragma once

#include "editor/frmmain.h"
#include "support/scripteddialogs.h"

#include <QObject>
#include <QTemporaryDir>
#include <memory>

// Files and commands driven through the main window as a player drives them, with the file
// dialogs and questions answered from a script. Each case starts with an empty recent-files
// store, a fresh folder and a fresh window.
class WindowTestCase : public QObject
{
    Q_OBJECT

protected:
    static const QString Product;
    static QStringList strings(std::initializer_list<const char*> texts);

    QString path(const QString& name) const { return m_dir->filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    QStringList rows() const;
    void openFile(const QString& file);
    QString menuText(int index) const;
    bool menuVisible(int index) const;
    // The whole of what the status line says: a text too long for it is in its tooltip.
    QString status() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmMain> m_window;

private slots:
    void init();
    void cleanup();
};
