#include "ui/look.h"

namespace gelvor::ui::look {

QFont sans(int pixels, bool bold) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QFont gothic(int pixels, bool italic) {
    QFont f(QStringLiteral("URW Gothic"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setItalic(italic);
    return f;
}

}  // namespace gelvor::ui::look
