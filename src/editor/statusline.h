#pragma once

#include <QObject>
#include <QString>

class QLabel;

// The status line beside the progress bar. The list's problem count always stands first, next
// to the progress bar; what the user is doing (a key that cannot be bound, the command under
// the cursor) follows it until it is taken back. Text too long for the line is cut short and
// shown whole as its tooltip. It lives as long as its label, so that widgets going away with
// the window can still speak to it.
class StatusLine final : public QObject
{
public:
    explicit StatusLine(QLabel& label);

    void setCount(const QString& count);
    // An empty text leaves the count alone on the line.
    void say(const QString& text);

    QString text() const;

private:
    void show();

    QLabel& m_label;
    QString m_count;
    QString m_said;
};
