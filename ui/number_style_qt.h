#pragma once

#include <QLocale>

#include "present/number_style.h"

namespace gelvor::qt {

// How a QLocale writes and reads numbers, for present/: its symbols, its
// digit grouping and the exponent letters its toDouble takes. The last
// locale asked for is remembered, since the window asks on every pass.
NumberStyle number_style(const QLocale& locale);

}  // namespace gelvor::qt
