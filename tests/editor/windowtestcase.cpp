#include "windowtestcase.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTest>

const QString WindowTestCase::Product = QStringLiteral("Vantor's Bind Utility");

QStringList WindowTestCase::strings(std::initializer_list<const char*> texts)
{
    QStringList result;
    for (const char* text : texts)
        result << QString::fromLatin1(text);
    return result;
}

void WindowTestCase::init()
{
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("TolvaneLists")).clear();
    QSettings().clear();
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_window = std::make_unique<frmMain>();
}

void WindowTestCase::cleanup()
{
    m_window.reset();
    m_dialogs.reset();
    m_dir.reset();
}

void WindowTestCase::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray WindowTestCase::readFile(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList WindowTestCase::rows() const
{
    QStringList result;
    for (int position = 1; position <= m_window->lstBind().count(); ++position)
        result << m_window->lstBind().text(position);
    return result;
}

void WindowTestCase::openFile(const QString& file)
{
    m_dialogs->answerFile(file);
    m_window->menuItem(QStringLiteral("mnuOpen"))->trigger();
}

QString WindowTestCase::menuText(int index) const
{
    return m_window->menuItem(QStringLiteral("mnuFileMRU%1").arg(index))->text();
}

bool WindowTestCase::menuVisible(int index) const
{
    return m_window->menuItem(QStringLiteral("mnuFileMRU%1").arg(index))->isVisible();
}

QString WindowTestCase::status() const
{
    const QLabel* line = m_window->lblProblems();
    return line->toolTip().isEmpty() ? line->text() : line->toolTip();
}
