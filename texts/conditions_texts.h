#pragma once

// "Fijar condiciones", the dialog that sets the five settings at once, in
// Spanish (UTF-8); "&" marks the letter that Alt goes to.
namespace gelvor::texts {

inline constexpr const char* kConditionsTitle = "Fijar condiciones";

// The settings' labels, and their names for a screen reader.
inline constexpr const char* kCondenserFlowLabel = "Gasto de agua condensador &mc:";
inline constexpr const char* kEvaporatorFlowLabel = "Gasto de agua evaporador m&e:";
inline constexpr const char* kBarometerLabel = "Presión &barométrica:";
inline constexpr const char* kWaterLabel = "Temperatura de entrada de &agua t1, t4:";
inline constexpr const char* kAmbientLabel = "&Temperatura ambiente:";
inline constexpr const char* kCondenserFlowName = "Gasto de agua condensador";
inline constexpr const char* kEvaporatorFlowName = "Gasto de agua evaporador";
inline constexpr const char* kBarometerName = "Presión barométrica";
inline constexpr const char* kWaterName = "Temperatura de entrada de agua";
inline constexpr const char* kAmbientName = "Temperatura ambiente";

// The manual's exercise points, each a button that sets its flows and accepts.
inline constexpr const char* kExercisePointsTitle = "Puntos del ejercicio (mc, me)";
// %1: the point's number, its key with Alt; %2 and %3: its flows mc and me.
inline constexpr const char* kExercisePointCaption = "&%1) %2 y %3 g/s";
inline constexpr const char* kExercisePointName = "Punto %1 del ejercicio";
// A group's own points, handed out by the teacher, each a button that sets
// all five settings and accepts. %1: the group.
inline constexpr const char* kAssignedPointsTitle = "Puntos de la práctica del grupo «%1»";
// %1: the point's number; %2, %3: mc and me; %4: the barometer; %5, %6:
// the water inlet and the room.
inline constexpr const char* kAssignedPointCaption = "&%1) %2 y %3 g/s, %4 mbar, %5 y %6 ºC";

}  // namespace gelvor::texts
