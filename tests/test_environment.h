// What a run of the random tests takes from its environment: the seed
// (GELVOR_SEED) and a count that a variable of its own may change.
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace gelvor::testing {

inline unsigned seed_from_environment() {
    const QByteArray s = qgetenv("GELVOR_SEED");
    return s.isEmpty() ? 20261208u : s.toUInt();
}

inline int count_from_environment(const char* variable, int fallback) {
    const QByteArray s = qgetenv(variable);
    return s.isEmpty() ? fallback : s.toInt();
}

}  // namespace gelvor::testing
