#include "presentation/etchedline.h"

#include <QPainter>

namespace {

constexpr int LineHeight = 2;

} // namespace

EtchedLine::EtchedLine(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(LineHeight);
}

QSize EtchedLine::sizeHint() const
{
    return {LineHeight, LineHeight};
}

void EtchedLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(0, 0, width(), 0);
    painter.setPen(Qt::white);
    painter.drawLine(0, 1, width(), 1);
}
