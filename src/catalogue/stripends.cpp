#include "catalogue/stripends.h"

QString StripEnds(QString& text)
{
    text.remove(0, 1);
    text.chop(1);
    return text;
}
