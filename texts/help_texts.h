#pragma once

// The help menu's dialogs, in Spanish (UTF-8): the list of keys and "Acerca
// de Gelvor". The keys and what they do are texts/commands.h's.
namespace gelvor::texts {

inline constexpr const char* kKeysTitle = "Atajos de teclado";
inline constexpr const char* kKeysListName = "Teclas y lo que hacen";
inline constexpr const char* kKeyHeading = "Tecla";
inline constexpr const char* kWhatHeading = "Qué hace";
// Between the keys of one command: "Escape o Control+W".
inline constexpr const char* kOtherKey = " o ";

inline constexpr const char* kAboutTitle = "Acerca de Gelvor";
// Rich text; %1: the version.
inline constexpr const char* kAboutText =
    "<h3>Gelvor %1</h3>"
    "<p>Simulador del banco de ensayo de una máquina frigorífica y bomba de calor de R-11, para "
    "las prácticas de laboratorio.</p>";
inline constexpr const char* kAboutDetails =
    "<p>Licencia: GNU General Public License, versión 3 o posterior. Se distribuye sin ninguna "
    "garantía.</p>"
    "<p>Los resultados del banco se calculan con los ajustes empíricos del propio banco para las "
    "propiedades del R-11, válidos en su rango de trabajo (de unos 25 a 420 kPa).</p>"
    "<p>El diagrama p-h del registro, la campana, las isolíneas y el ciclo ideal se calculan con "
    "la ecuación de estado de referencia del R-11 de R. T Jacobsen, S. G. Penoncello y E. W. "
    "Lemmon, <i>Fluid Phase Equilibria</i> 80 (1992) 45–56.</p>";

}  // namespace gelvor::texts
