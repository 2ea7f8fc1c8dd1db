#include "presentation/clogo.h"

#include "presentation/logofont.h"
#include "presentation/picturebox.h"
#include "shared/colorvalue.h"

#include <QPainter>

namespace {

// The caption's reference point sits this many pixels above the bottom edge.
constexpr int CaptionLift = 16;

} // namespace

cLogo::cLogo()
{
    setStartColor(0);
    setEndColor(colorvalue::ButtonFace);
}

void cLogo::setStartColor(quint32 oColor)
{
    changeColour(m_start, oColor);
}

void cLogo::setEndColor(quint32 oColor)
{
    changeColour(m_end, oColor);
}

void cLogo::changeColour(StoredColour& stored, quint32 value)
{
    if (value == stored.value)
        return;
    stored.value = value;
    // A system colour is looked up now; a later change of the scheme is not followed.
    stored.components = logogradient::fromDirect(colorvalue::translate(value).value_or(0));
    if (m_surface)
        Draw();
}

void cLogo::Draw()
{
    if (!m_surface)
        return;
    const int height = logogradient::pixelsFromTwips(m_surface->heightTwips(), twips::PerPixel);
    const int width = logogradient::pixelsFromTwips(m_surface->widthTwips(), twips::PerPixel);
    const std::optional<QList<logogradient::Band>> bands =
        logogradient::bands(height, m_start.components, m_end.components);
    if (!bands)
        return;
    QImage& image = m_surface->image();
    if (!image.isNull()) {
        QPainter painter(&image);
        logogradient::paint(painter, width, *bands);
        if (!drawCaption(painter, height))
            return;
    }
    m_surface->refresh();
}

bool cLogo::drawCaption(QPainter& painter, int height) const
{
    const std::optional<logofont::Request> request =
        logofont::buildLogFont(m_surface->font(), m_surface->logicalDpiY());
    if (!request)
        return false;
    logofont::paintCaption(painter, height - CaptionLift, m_caption, *request,
                           m_surface->palette().color(m_surface->foregroundRole()));
    return true;
}
