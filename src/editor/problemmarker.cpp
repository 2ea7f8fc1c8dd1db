#include "editor/problemmarker.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace {

// Drawn on a 16-unit square, scaled to the size asked for.
constexpr qreal Side = 16;

QPainterPath outline(console::Severity severity)
{
    QPainterPath path;
    if (severity == console::Severity::Warning) {
        path.moveTo(8, 2.4);
        path.lineTo(14.2, 13.6);
        path.lineTo(1.8, 13.6);
        path.closeSubpath();
    } else {
        path.addEllipse(QRectF(2.5, 2.5, 11, 11));
    }
    return path;
}

void drawSymbol(QPainter& painter, console::Severity severity)
{
    using console::Severity;
    QPen pen(severity == Severity::Warning ? QColor(Qt::black) : QColor(Qt::white), 1.8);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    switch (severity) {
    case Severity::Error:
        painter.drawLine(QPointF(5.6, 5.6), QPointF(10.4, 10.4));
        painter.drawLine(QPointF(10.4, 5.6), QPointF(5.6, 10.4));
        break;
    case Severity::Warning:
        painter.drawLine(QPointF(8, 6), QPointF(8, 9.6));
        painter.drawPoint(QPointF(8, 12));
        break;
    case Severity::Note:
        painter.drawPoint(QPointF(8, 5));
        painter.drawLine(QPointF(8, 7.6), QPointF(8, 11));
        break;
    }
}

QPixmap draw(std::optional<console::Severity> severity, const QSize& pixels)
{
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    if (!severity)
        return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels.width() / Side, pixels.height() / Side);
    const QPainterPath shape = outline(*severity);
    const QColor colour = problemmarker::colour(*severity);
    // A light rim outside a dark edge: one or the other stands out on any background.
    painter.strokePath(shape, QPen(QColor(255, 255, 255, 230), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(shape, colour);
    painter.strokePath(shape, QPen(colour.darker(160), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    drawSymbol(painter, *severity);
    return pixmap;
}

class MarkerEngine final : public QIconEngine
{
public:
    explicit MarkerEngine(std::optional<console::Severity> severity) : m_severity(severity) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatio();
        QPixmap pixmap = this->pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        pixmap.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pixmap);
    }

    // The same picture in every mode: the outline, not a tint, keeps it apart from the selection.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        // Drawn once for each severity and size in device pixels, so once for each pixel ratio.
        static QHash<quint64, QPixmap> drawn;
        const quint64 key = (quint64(m_severity ? int(*m_severity) + 1 : 0) << 48) | (quint64(size.width()) << 24)
                          | quint64(size.height());
        auto found = drawn.constFind(key);
        if (found == drawn.constEnd())
            found = drawn.insert(key, draw(m_severity, size));
        return *found;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new MarkerEngine(m_severity); }
    QString key() const override { return QStringLiteral("problemmarker"); }

private:
    std::optional<console::Severity> m_severity;
};

} // namespace

namespace problemmarker {

QIcon icon(std::optional<console::Severity> severity)
{
    // One icon each, so that every row of a severity shares the pictures drawn for it.
    static const std::array<QIcon, console::SeverityCount + 1> icons = [] {
        std::array<QIcon, console::SeverityCount + 1> made;
        made[0] = QIcon(new MarkerEngine(std::nullopt));
        for (int each = 0; each < console::SeverityCount; ++each)
            made[size_t(each) + 1] = QIcon(new MarkerEngine(console::Severity(each)));
        return made;
    }();
    return icons[severity ? size_t(*severity) + 1 : 0];
}

QColor colour(console::Severity severity)
{
    switch (severity) {
    case console::Severity::Error:
        return QColor(0xd0, 0x20, 0x20);
    case console::Severity::Warning:
        return QColor(0xe8, 0x90, 0x10);
    case console::Severity::Note:
        return QColor(0x30, 0x70, 0xd0);
    }
    return {};
}

} // namespace problemmarker
