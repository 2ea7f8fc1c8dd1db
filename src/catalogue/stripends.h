#pragma once

#include <QString>

// Drops the first character of text, then the last character of what is left (a closing
// "}" or "]" is expected there but never checked). The result is stored back in text and
// returned. Texts too short to lose two characters come out empty.
QString StripEnds(QString& text);
