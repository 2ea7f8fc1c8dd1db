#include "shared/dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <limits>

namespace {

Dialogs* installed = nullptr;

QMessageBox::Icon toQt(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(Dialogs::Buttons buttons)
{
    switch (buttons) {
    case Dialogs::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Dialogs::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Dialogs::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

Dialogs::Answer fromQt(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return Dialogs::Answer::Yes;
    case QMessageBox::No:
        return Dialogs::Answer::No;
    case QMessageBox::Ok:
        return Dialogs::Answer::Ok;
    default:
        return Dialogs::Answer::Cancel;
    }
}

// "Desc (*.cfg)|*.cfg|All Files (*.*)|*.*" → Qt name filters. The pattern in the
// bar-separated list is the one that counts; "*.*" means every file here, dotted or not.
QStringList nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const qsizetype paren = description.lastIndexOf(QLatin1String(" ("));
        if (paren >= 0)
            description.truncate(paren);
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1String("*.*"), QLatin1String("*"));
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        result << QStringLiteral("%1 (%2)").arg(description, pattern);
    }
    return result;
}

QString runFileDialog(QWidget* parent, const Dialogs::FileRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QFileInfo initial(request.initialPath);
    if (initial.isDir()) {
        dialog.setDirectory(initial.absoluteFilePath());
    } else {
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

Dialogs& Dialogs::instance()
{
    static QtDialogs real;
    return installed ? *installed : real;
}

void Dialogs::install(Dialogs* dialogs)
{
    installed = dialogs;
}

Dialogs::Answer QtDialogs::message(QWidget* parent, Icon icon, Buttons buttons, const QString& title,
                                   const QString& text)
{
    QMessageBox box(toQt(icon), title, text, toQt(buttons), parent);
    return fromQt(box.exec());
}

QString QtDialogs::input(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    // Qt's field holds 32,767 characters by default: a longer row would be cut by merely
    // being looked at and accepted.
    if (auto* field = dialog.findChild<QLineEdit*>())
        field->setMaxLength(std::numeric_limits<int>::max());
    dialog.setTextValue(defaultText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtDialogs::openFileName(QWidget* parent, const FileRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString QtDialogs::saveFileName(QWidget* parent, const FileRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

std::optional<QColor> QtDialogs::color(QWidget* parent, const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}
