#pragma once

#include <QString>

#include "assets/pictures.h"

// The program's pictures and its laboratory manual, as compiled-in resources.
namespace gelvor::assets {

inline constexpr char kManual[] = ":/manual/practicas.txt";  // tab "Prácticas"

// The laboratory manual of the tab "Prácticas", decoded from UTF-8. Lines end
// with '\n'; the text is hard-wrapped and must not be reflowed.
QString manual_text();

}  // namespace gelvor::assets
