// What a run of the random tests takes from its environment: the seed
// (GELVOR_SEED) and a count that a variable of its own may change.
#pragma once

#include <cstdlib>
#include <string>

namespace gelvor::testing {

inline unsigned seed_from_environment() {
    const char* s = std::getenv("GELVOR_SEED");
    return s && *s ? static_cast<unsigned>(std::strtoul(s, nullptr, 10)) : 20261208u;
}

inline int count_from_environment(const char* variable, int fallback) {
    const char* s = std::getenv(variable);
    return s && *s ? std::atoi(s) : fallback;
}

}  // namespace gelvor::testing
