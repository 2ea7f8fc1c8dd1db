#include "catalogue/countthelines.h"

#include "catalogue/itemreader.h"
#include "shared/dialogs.h"
#include "shared/fileexists.h"

#include <QFile>

namespace {

qint16 reportMissing(const QString& path)
{
    Dialogs::instance().message(nullptr, Dialogs::Icon::None, Dialogs::Buttons::Ok,
                                QStringLiteral("File Does Not Exist"),
                                QStringLiteral("File: ") + path
                                    + QStringLiteral(" hasn't been downloaded yet. Preprocessing is being aborted."));
    return -1;
}

} // namespace

qint16 CountItems(const QString& path)
{
    if (!FileExists(path))
        return reportMissing(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return reportMissing(path);
    return ItemReader::count(file);
}
