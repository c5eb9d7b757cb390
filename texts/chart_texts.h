#pragma once

// The notebook's chart and its true-scale p-h diagram, in Spanish (UTF-8):
// the chart's presets, axes and curves, the diagram's title, axes, labels
// and caption, and the titles they take into a file. Qt fills "%1".
namespace gelvor::texts {

// The chart. Its presets are the manual's exercises.
inline constexpr const char* kExercisesLabel = "Ejercicios:";
inline constexpr const char* kHeatFlowsPreset = "Qc y Qe frente a mc";
inline constexpr const char* kTePePreset = "te frente a Pe";
inline constexpr const char* kCopTcPreset = "COP frente a tc";

inline constexpr const char* kAcrossLabel = "Horizontal:";
inline constexpr const char* kUpLabel = "Vertical:";
inline constexpr const char* kSecondUpLabel = "y:";
inline constexpr const char* kAcrossName = "Magnitud horizontal";
inline constexpr const char* kUpName = "Magnitud vertical";
inline constexpr const char* kSecondUpName = "Segunda magnitud vertical";
// The second quantity up's first choice.
inline constexpr const char* kNoSecondUp = "(ninguna)";

// The legend's names of the saturation curves.
inline constexpr const char* kBenchSaturation = "Saturación: correlación del banco";
inline constexpr const char* kReferenceSaturation = "Saturación: ecuación de referencia";

inline constexpr const char* kChartName = "Gráfica de las lecturas anotadas";
// An exported chart's title.
inline constexpr const char* kChartTitle = "Gráfica del registro";
// In the middle of the plot, with no point at all or none with both quantities.
inline constexpr const char* kNoPoints =
    "Sin puntos: encienda la máquina y anote lecturas con Registro ▸ Anotar lecturas (Ctrl+L)";
inline constexpr const char* kNoValues = "Ningún punto anotado tiene valores de estas magnitudes.";
// What the chart shows, for a screen reader: %1 the quantities up (two
// joined by kSummaryBoth), %2 the one across; then each line, %1 its name
// and %2 its points.
inline constexpr const char* kSummaryAxes = "%1 frente a %2.";
inline constexpr const char* kSummaryBoth = "%1 y %2";
inline constexpr const char* kSummaryLine = "%1: %2 puntos.";
inline constexpr const char* kSummaryLineOne = "%1: 1 punto.";

// The p-h diagram, for a screen reader.
inline constexpr const char* kDiagramName = "Diagrama presión-entalpía del R-11 a escala";
inline constexpr const char* kDiagramDescription =
    "El ciclo de la fila seleccionada en color; los demás puntos anotados en gris: pulse uno "
    "para seleccionar su fila.";

// Its title, alone (an exported diagram's too) or with the cycle it draws.
inline constexpr const char* kDiagramTitle = "Diagrama p-h del R-11";
inline constexpr const char* kDiagramTitleOf = "Diagrama p-h del R-11: %1";
// What kDiagramTitleOf names: a recorded point's cycle (%1 its number), the
// live one, or none.
inline constexpr const char* kRecordedCycle = "punto %1";
inline constexpr const char* kLiveCycle = "estado actual de la máquina";
inline constexpr const char* kNoCycle = "sin ciclo; encienda la máquina";
inline constexpr const char* kChooseCycle = "seleccione un punto o encienda la máquina";
// Beside a grey cycle under the pointer; %1 its point's number.
inline constexpr const char* kHoveredCycle = "Punto %1";

inline constexpr const char* kEnthalpyAxis = "h (kJ/kg)";
inline constexpr const char* kPressureAxis = "P abs (kPa)";
inline constexpr const char* kCriticalPoint = "punto crítico";
// The end of the isentropic compression from A'.
inline constexpr const char* kIdealEndLabel = "2s";

// The caption under the diagram, one sentence a note; the last three only
// where they apply.
inline constexpr const char* kSaturatedANote = "A: vapor saturado, sin recalentamiento.";
inline constexpr const char* kDomeNote =
    "Campana del R-11 por su ecuación de referencia (Jacobsen, Penoncello y Lemmon, 1992).";
inline constexpr const char* kLinesNote =
    "Isotermas en ºC, isentrópicas en kJ/kgK, títulos de vapor x.";
inline constexpr const char* kIdealEndNote =
    "2s: fin de la compresión isentrópica desde A', vapor saturado a la presión de evaporación.";
inline constexpr const char* kRedCircleNote =
    "Círculo rojo: B en la campana o rendimiento isentrópico de 100 % o más.";
inline constexpr const char* kGreyCyclesNote = "En gris, los demás puntos anotados.";

}  // namespace gelvor::texts
