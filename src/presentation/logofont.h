#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QColor;
class QPainter;

// The caption of the logo: a font request built from the surface's font the way the
// platform's font record is filled, and the caption written upwards with it.
namespace logofont {

// Longest face name the request takes, and how much of it the font is made from.
inline constexpr int MaxFaceNameLength = 33;
inline constexpr int FaceNameSize = 32;
// Tenths of a degree: the text line runs 90 degrees counter-clockwise, upwards.
inline constexpr int UpwardEscapement = 900;

struct Request
{
    QString faceName;
    int height = 0; // negative: the character height in pixels
    int weight = 0; // 700 bold, 400 regular
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int escapement = 0;

    friend bool operator==(const Request&, const Request&) = default;
};

// The request for a font at the given vertical dots per inch: height
// -MulDiv(points rounded half to even, dpi, 72). Nothing when the face name is too long.
std::optional<Request> buildLogFont(const QFont& font, int dpiY);

// The font the request asks for.
QFont createFont(const Request& request);

// Writes the text rotated by the request's escapement, the top-left corner of the rotated
// text at (0, top), transparently in the given colour.
void paintCaption(QPainter& painter, int top, const QString& caption, const Request& request,
                  const QColor& colour);

} // namespace logofont
