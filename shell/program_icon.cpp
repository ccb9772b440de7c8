#include "program_icon.h"

#include <QDir>

namespace nimbaro {

QIcon programIcon() {
    QIcon icon;
    for (const QString& file : QDir(QStringLiteral(":/icons")).entryList({"*.png"})) {
        icon.addFile(QStringLiteral(":/icons/") + file);
    }
    return icon;
}

}  // namespace nimbaro
