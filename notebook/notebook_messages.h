#pragma once

#include <string>
#include <string_view>

// What the notebook tells the user, in Spanish (UTF-8), for every front end:
// its commands, and what recording a point and opening a file answer.
namespace gelvor {

// The notebook's name and the captions of its commands ("&" marks the key
// that chooses a command in its menu).
inline constexpr const char* kNotebookTitle = "Registro de lecturas";
inline constexpr const char* kRecordCaption = "&Anotar lecturas";
inline constexpr const char* kOpenCaption = "&Abrir registro…";
inline constexpr const char* kSaveCaption = "&Guardar registro";
inline constexpr const char* kExportCaption = "&Exportar CSV…";

inline constexpr const char* kRecordNeedsMachine = "Encienda la máquina para anotar lecturas";

// A point is not recorded while the pass on show has faulted.
inline std::string record_refused(std::string_view fault_message) {
    return "No se anotan lecturas mientras el cálculo falle: " + std::string(fault_message);
}

inline std::string point_recorded(int number) {
    return "Lecturas anotadas como punto " + std::to_string(number) + " del registro";
}

// A file that is no notebook; `reason` is notebook_from_json's error, a
// sentence of its own. The notebook on show stays as it was.
inline std::string open_refused(std::string_view file_name, std::string_view reason) {
    return "No se pudo abrir «" + std::string(file_name) + "»: " + std::string(reason) +
           " El registro que había no ha cambiado.";
}

// A browser asks with OK and Cancel before a notebook it has not saved is
// replaced by one opened; OK lets the readings go.
inline constexpr const char* kDiscardToOpen =
    "El registro tiene lecturas sin guardar. ¿Descartarlas y abrir otro?";

}  // namespace gelvor
