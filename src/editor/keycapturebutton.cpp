#include "editor/keycapturebutton.h"

#include "editor/statusline.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {

const QString Idle = QStringLiteral("Press a key");
const QString Waiting = QStringLiteral("Press a key… (Esc cancels)");
const QString Prompt = QStringLiteral("Press the key to bind (Esc cancels).");

} // namespace

KeyCaptureButton::KeyCaptureButton(QComboBox& keyField, StatusLine& status, std::function<console::Engine()> engine,
                                   QWidget* parent)
    : QToolButton(parent), m_keyField(keyField), m_status(status), m_engine(std::move(engine))
{
    setIcon(QIcon(QStringLiteral(":/icons/keyboard.svg")));
    setText(Idle);
    setToolTip(Idle);
    setCheckable(true);
    connect(this, &QToolButton::toggled, this, &KeyCaptureButton::wait);
}

KeyCaptureButton::~KeyCaptureButton()
{
    qApp->removeEventFilter(this);
}

// The whole program's events are watched while waiting: the key must not reach a shortcut,
// and a wheel step or a click may come anywhere.
void KeyCaptureButton::wait(bool waiting)
{
    setText(waiting ? Waiting : Idle);
    setToolTip(text());
    QPalette colours;
    if (waiting) {
        // Down alone is hard to tell from hovered; the selection colour says it waits.
        colours.setColor(QPalette::Button, colours.color(QPalette::Highlight).lighter(170));
        qApp->installEventFilter(this);
        setFocus(Qt::OtherFocusReason);
    } else {
        qApp->removeEventFilter(this);
    }
    setPalette(colours);
    m_status.say(waiting ? Prompt : QString());
}

void KeyCaptureButton::finish(const console::CapturedKey& key)
{
    setChecked(false);
    if (key.outcome == console::CapturedKey::Outcome::Named)
        m_keyField.setEditText(QString::fromLatin1(key.name));
    m_status.say(console::captureMessage(key, m_engine()));
}

bool KeyCaptureButton::eventFilter(QObject* watched, QEvent* event)
{
    // Each input event reaches the window before the widget; the widget's copy is the one.
    return watched->isWidgetType() && take(watched, event);
}

bool KeyCaptureButton::take(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        event->accept();
        return true;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        finish(console::captureKey(key->key(), key->modifiers() & Qt::KeypadModifier, m_engine(),
                                   console::keySideOfScanCode(key->nativeScanCode())));
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (watched != this) {
            setChecked(false);
            return false;
        }
        finish(console::captureMouseButton(static_cast<QMouseEvent*>(event)->button(), m_engine()));
        return true;
    case QEvent::Wheel: {
        const int step = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (step != 0)
            finish(console::captureWheel(step > 0, m_engine()));
        return true;
    }
    default:
        return false;
    }
}

void KeyCaptureButton::focusOutEvent(QFocusEvent* event)
{
    setChecked(false);
    QToolButton::focusOutEvent(event);
}
