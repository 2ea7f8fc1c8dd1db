#include "presentation/logofont.h"

#include "presentation/gdimath.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>

namespace logofont {
namespace {

constexpr int PointsPerInch = 72;
constexpr int BoldWeight = 700;
constexpr int RegularWeight = 400;

// A font given in pixels has no point size of its own; its points follow from the dpi.
double pointSize(const QFont& font, int dpiY)
{
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    return font.pixelSize() * double(PointsPerInch) / dpiY;
}

} // namespace

std::optional<Request> buildLogFont(const QFont& font, int dpiY)
{
    const QString face = font.family();
    if (face.size() > MaxFaceNameLength)
        return std::nullopt;
    Request request;
    request.faceName = face;
    request.height = -gdimath::mulDiv(gdimath::roundHalfEven(pointSize(font, dpiY)), dpiY, PointsPerInch);
    request.weight = font.bold() ? BoldWeight : RegularWeight;
    request.italic = font.italic();
    request.underline = font.underline();
    request.strikeOut = font.strikeOut();
    request.escapement = UpwardEscapement;
    return request;
}

QFont createFont(const Request& request)
{
    QFont font(request.faceName.left(FaceNameSize));
    // A height of 0 asks for the face's default size.
    if (request.height != 0)
        font.setPixelSize(qAbs(request.height));
    font.setWeight(QFont::Weight(request.weight));
    font.setItalic(request.italic);
    font.setUnderline(request.underline);
    font.setStrikeOut(request.strikeOut);
    return font;
}

void paintCaption(QPainter& painter, int top, const QString& caption, const Request& request,
                  const QColor& colour)
{
    if (caption.isEmpty())
        return;
    const QFont font = createFont(request);
    painter.save();
    painter.translate(0, top);
    painter.rotate(-request.escapement / 10.0);
    painter.setFont(font);
    painter.setPen(colour);
    // drawText places the baseline; the reference point is the text's top-left corner.
    painter.drawText(QPointF(0, QFontMetricsF(font, painter.device()).ascent()), caption);
    painter.restore();
}

} // namespace logofont
