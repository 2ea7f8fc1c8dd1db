#pragma once

#include <QFont>

// The windows ask for the classic faces by name; fontconfig maps Times New Roman to a
// metric-compatible face, and MS Sans Serif / Westminster get explicit stand-ins here.
namespace fonts {

void registerSubstitutes();

QFont timesNewRoman(qreal pointSize = 8.25);
QFont msSansSerif(qreal pointSize = 8.25);

} // namespace fonts
