#pragma once

// What the window program's command line says, in the user's language:
// Spanish to a Spanish-speaking user, English to everyone else (UTF-8).
// Qt fills "%1".
namespace gelvor::texts {

struct Bilingual {
    const char* spanish;
    const char* english;
};

inline constexpr Bilingual kProgramDescription{
    "Simulador del banco de ensayo de una máquina frigorífica y bomba de calor de R-11,\n"
    "para las prácticas de laboratorio.",
    "Simulator of the test bench of an R-11 refrigerating machine and heat pump, for\n"
    "laboratory practice. The window is in Spanish."};

// The one argument: its name, what it is, and how the usage line shows it.
inline constexpr Bilingual kNotebookArgument{"registro", "notebook"};
inline constexpr Bilingual kNotebookArgumentHelp{"un registro de lecturas (.gelvor) que abrir",
                                                 "a notebook of readings (.gelvor) to open"};
inline constexpr Bilingual kNotebookArgumentSyntax{"[registro]", "[notebook]"};

// Qt's own help and version options, which have no Spanish descriptions.
inline constexpr Bilingual kHelpOption{"Muestra esta ayuda.", "Displays this help."};
inline constexpr Bilingual kHelpAllOption{"Muestra esta ayuda y las opciones de Qt.",
                                          "Displays this help and Qt's options."};
inline constexpr Bilingual kVersionOption{"Muestra la versión.", "Displays the version."};

// After --help-all's own options: Qt's, each "-name <value>".
inline constexpr Bilingual kQtOptionsHeading{"Opciones de Qt, que lee el sistema de ventanas:",
                                             "Qt's options, read by the window system:"};
inline constexpr Bilingual kOptionValue{"valor", "value"};

// A usage error's line (after "gelvor: ") and the hint under it.
inline constexpr Bilingual kUnexpectedArgument{"sobra el argumento «%1»",
                                               "unexpected argument \"%1\""};
inline constexpr Bilingual kTryHelp{"Pruebe --help", "Try --help"};

// The window system cannot be reached; %1: the display named by DISPLAY.
inline constexpr Bilingual kNoDisplay{
    "gelvor: no hay pantalla gráfica en la que abrir la ventana (DISPLAY no está definida)",
    "gelvor: there is no graphical display to open the window on (DISPLAY is not set)"};
inline constexpr Bilingual kDisplayRefused{
    "gelvor: no se puede abrir la ventana en la pantalla «%1»",
    "gelvor: cannot open the window on the display \"%1\""};

}  // namespace gelvor::texts
