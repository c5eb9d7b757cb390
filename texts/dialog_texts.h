#pragma once

// The buttons the notebook's and the help's dialogs share, in Spanish
// (UTF-8); "&" before the letter that presses a button with Alt. A notice's
// "Aceptar" is present/operator_notices.h's kAcceptCaption.
namespace gelvor::texts {

inline constexpr const char* kCancelCaption = "Cancelar";
inline constexpr const char* kCloseCaption = "Cerrar";
inline constexpr const char* kSaveCaption = "&Guardar";
inline constexpr const char* kDiscardCaption = "&Descartar";

}  // namespace gelvor::texts
