#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

// Every modal question the program asks goes through Dialogs::instance(), so tests can
// install a scripted stand-in that answers and records exactly what was asked.
class Dialogs
{
public:
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    // One file chooser request; the filter is "description|pattern|description|pattern…".
    struct FileRequest
    {
        QString title;
        QString filter;
        QString defaultSuffix;
        QString initialPath; // the name last picked, or a folder to start in
    };

    virtual ~Dialogs() = default;

    virtual Answer message(QWidget* parent, Icon icon, Buttons buttons, const QString& title,
                           const QString& text) = 0;
    // The typed text, or an empty string when cancelled.
    virtual QString input(QWidget* parent, const QString& prompt, const QString& title,
                          const QString& defaultText) = 0;
    // A full path, or an empty string when cancelled.
    virtual QString openFileName(QWidget* parent, const FileRequest& request) = 0;
    virtual QString saveFileName(QWidget* parent, const FileRequest& request) = 0;
    // The colour chosen, or nothing when cancelled.
    virtual std::optional<QColor> color(QWidget* parent, const QColor& initial) = 0;

    static Dialogs& instance();
    // Replaces the real dialogs (not owned); nullptr puts them back.
    static void install(Dialogs* dialogs);
};

// The real thing: QMessageBox, QInputDialog, QFileDialog, QColorDialog.
class QtDialogs final : public Dialogs
{
public:
    Answer message(QWidget* parent, Icon icon, Buttons buttons, const QString& title,
                   const QString& text) override;
    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText) override;
    QString openFileName(QWidget* parent, const FileRequest& request) override;
    QString saveFileName(QWidget* parent, const FileRequest& request) override;
    std::optional<QColor> color(QWidget* parent, const QColor& initial) override;
};
