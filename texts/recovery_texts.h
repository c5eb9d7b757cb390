#pragma once

// The question at start after a notebook was left unsaved by a crash, in
// Spanish (UTF-8), and what a browser says of the copy it keeps instead.
// Its "&Descartar" is texts/dialog_texts.h's.
namespace gelvor::texts {

inline constexpr const char* kRecoverTitle = "Recuperar registro";
// %1: when the program ended, as a short date and time; %2: how many readings.
inline constexpr const char* kRecoverQuestion =
    "Gelvor se cerró el %1 sin guardar un registro de %2 lecturas. ¿Recuperarlo?";
inline constexpr const char* kRecoverCaption = "&Recuperar";
// Decides nothing: the notebook is offered again at the next start.
inline constexpr const char* kLaterCaption = "Más &tarde";
// What would lose the notebook on show, as kUnsavedQuestion ends.
inline constexpr const char* kToRecover = "recuperar el anterior";

// A browser keeps the notebook in its own storage instead of a recovery
// file; when it cannot, the page says so for as long as it cannot.
inline constexpr const char* kBrowserCopyFull =
    "El registro ya no cabe en el almacenamiento del navegador: si la página se cierra, se "
    "perderán las lecturas sin guardar. Guárdelo en un archivo.";
inline constexpr const char* kBrowserCopyUnavailable =
    "El navegador no deja guardar una copia del registro: si la página se cierra, se perderán "
    "las lecturas sin guardar. Guárdelo en un archivo.";

}  // namespace gelvor::texts
