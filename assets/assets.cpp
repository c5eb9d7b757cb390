#include "assets/assets.h"

#include <QFile>

namespace gelvor::assets {

QString manual_text() {
    QFile file(QString::fromLatin1(kManual));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

}  // namespace gelvor::assets
