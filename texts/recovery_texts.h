#pragma once

// The question at start after a notebook was left unsaved by a crash, in
// Spanish (UTF-8). Its "&Descartar" is texts/dialog_texts.h's.
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

}  // namespace gelvor::texts
