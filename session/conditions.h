#pragma once

#include <array>

// The five settings at once, as "Fijar condiciones" sets them.
namespace gelvor::session {

// Within the controls' ranges: the flows in whole g/s, the others to a
// tenth, as the boxes may hold them.
struct Conditions {
    int condenser_flow = 0;   // g/s
    int evaporator_flow = 0;  // g/s
    double barometer = 0;     // mbar
    double water = 0;         // ºC
    double ambient = 0;       // ºC
    friend bool operator==(const Conditions&, const Conditions&) = default;
};

// The flows of the manual's exercise on the condensing and evaporating
// temperatures, in g/s.
struct ExerciseFlows {
    int condenser;
    int evaporator;
};
inline constexpr std::array<ExerciseFlows, 3> kExercisePoints = {{{20, 20}, {4, 20}, {40, 10}}};

}  // namespace gelvor::session
