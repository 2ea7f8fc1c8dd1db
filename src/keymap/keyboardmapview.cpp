#include "keymap/keyboardmapview.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

KeyboardMapView::KeyboardMapView(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

KeyboardMapView::~KeyboardMapView() = default;

void KeyboardMapView::setScene(std::unique_ptr<keymap::KeymapScene> scene)
{
    m_scene = std::move(scene);
    update();
}

const keymap::SceneKey* KeyboardMapView::keyAt(QPoint position) const
{
    if (!m_scene)
        return nullptr;
    const QTransform transform = keymap::KeymapScene::fitting(m_scene->bounds(), rect());
    bool invertible = false;
    const QTransform back = transform.inverted(&invertible);
    return invertible ? m_scene->keyAt(back.map(QPointF(position))) : nullptr;
}

QSize KeyboardMapView::sizeHint() const
{
    return QSize(900, 340);
}

QSize KeyboardMapView::minimumSizeHint() const
{
    return QSize(300, 120);
}

void KeyboardMapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_scene)
        m_scene->paint(painter, rect());
    else
        painter.fillRect(rect(), palette().window());
}

void KeyboardMapView::mousePressEvent(QMouseEvent* event)
{
    const keymap::SceneKey* key = event->button() == Qt::LeftButton ? keyAt(event->position().toPoint()) : nullptr;
    if (!key) {
        QWidget::mousePressEvent(event);
        return;
    }
    // Copied first: a receiver may change the list, and the scene with it.
    const QString name = QString::fromLatin1(key->name);
    const int row = key->row;
    if (!name.isEmpty())
        emit keyClicked(name);
    if (row >= 0)
        emit rowChosen(row);
}

void KeyboardMapView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const keymap::SceneKey* key = event->button() == Qt::LeftButton ? keyAt(event->position().toPoint()) : nullptr;
    if (key && key->row >= 0)
        emit rowActivated(key->row);
    else
        QWidget::mouseDoubleClickEvent(event);
}

bool KeyboardMapView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (const keymap::SceneKey* key = keyAt(help->pos()))
            QToolTip::showText(help->globalPos(), key->toolTip, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
