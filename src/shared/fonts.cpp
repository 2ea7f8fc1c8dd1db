#include "shared/fonts.h"

#include <QStringList>

namespace fonts {

void registerSubstitutes()
{
    const QString serif = QStringLiteral("Liberation Serif");
    const QString sans = QStringLiteral("Liberation Sans");
    const QString dejaVuSerif = QStringLiteral("DejaVu Serif");
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), QStringList{sans, QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), QStringList{serif, dejaVuSerif});
    QFont::insertSubstitutions(QStringLiteral("Westminster"), QStringList{serif, dejaVuSerif});
}

QFont timesNewRoman(qreal pointSize)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(pointSize);
    return font;
}

QFont msSansSerif(qreal pointSize)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace fonts
