#pragma once

// What the web page says before its scripts run, in Spanish (UTF-8): its
// name as an installed app and the message a browser without JavaScript
// shows in place of the bench.
namespace gelvor::texts {

inline constexpr const char* kPageName = "Gelvor";
inline constexpr const char* kNoScript =
    "Gelvor necesita JavaScript para simular el banco de ensayo. Actívelo en el navegador y "
    "vuelva a cargar la página, o use el programa de escritorio.";

}  // namespace gelvor::texts
