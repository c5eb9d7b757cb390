#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "notebook/notebook_file.h"
#include "present/number_text.h"

// What the notebook tells the user, in Spanish (UTF-8), for every front end:
// its commands, and what recording a point and opening a file answer.
namespace gelvor {

// The notebook's name; its commands' captions are texts/commands.h's.
inline constexpr const char* kNotebookTitle = "Registro de lecturas";

inline constexpr const char* kRecordNeedsMachine = "Encienda la máquina para anotar lecturas";
// Where a notebook the teacher handed out stands: "Práctica del grupo
// «L3-A»: 1 de 3 puntos tomados; faltan el 2 y el 3."
inline std::string assignment_status(std::string_view group, const std::vector<bool>& taken) {
    std::vector<std::string> missing;
    for (std::size_t i = 0; i < taken.size(); ++i) {
        if (!taken[i])
            missing.push_back(std::to_string(i + 1));
    }
    std::string out = "Práctica del grupo «" + std::string(group) +
                      "»: " + std::to_string(taken.size() - missing.size()) + " de " +
                      std::to_string(taken.size()) + " puntos tomados";
    if (missing.empty())
        return out + ".";
    out += missing.size() == 1 ? "; falta el " : "; faltan el ";
    for (std::size_t i = 0; i < missing.size(); ++i)
        out += (i == 0 ? "" : i + 1 == missing.size() ? " y el " : ", el ") + missing[i];
    return out + ".";
}

// A point of a notebook the teacher handed out, taken at none of its points.
// A hand result that does not read as a number in its point's format, which
// the review would count as wrong. %1: that format's decimal point.
inline std::string hand_result_unreadable(std::string_view decimal_point) {
    return "No se lee como número: escriba los decimales con «" + std::string(decimal_point) +
           "», como en el resto de la fila";
}
inline constexpr const char* kOutsideAssignment = "fuera de la práctica";
inline constexpr const char* kNotebookAlreadyEmpty = "El registro ya está vacío";
inline constexpr const char* kNotebookEmptied = "Registro borrado";

// "Borrar registro" asks first, with these buttons.
inline constexpr const char* kClearTitle = "Borrar registro";
inline std::string clear_question(int points) {
    return "¿Borrar las " + std::to_string(points) +
           " lecturas anotadas? Se puede deshacer con Deshacer (Ctrl+Z).";
}
inline constexpr const char* kClearButton = "Borrar";

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

// Files that cannot be a notebook, refused before they are read or parsed:
// one larger than any notebook (its limit in MB, in `style`'s numbers), and
// one nested deeper.
inline std::string notebook_too_large(const NumberStyle& style) {
    return "El archivo es demasiado grande para ser un registro de Gelvor: un registro no pasa "
           "de " +
           fixed_number_text(static_cast<double>(kNotebookMaxBytes) / 1e6, 1, style) + " MB.";
}
inline std::string notebook_too_deep() {
    return "El archivo no es un registro de Gelvor: sus datos se anidan a más de " +
           std::to_string(kNotebookMaxNesting) + " niveles.";
}

// While a large file opens: reading it, then computing its points again.
inline std::string opening_file(std::string_view file_name) {
    return "Abriendo «" + std::string(file_name) + "»…";
}
inline std::string opening_points(std::string_view file_name, int done, int total) {
    return "Abriendo «" + std::string(file_name) + "»: " + std::to_string(done) + " de " +
           std::to_string(total) + " puntos";
}

// The notebook's title: its file's name, marked while it has unsaved changes,
// as "registro.gelvor* — Registro de lecturas".
inline std::string notebook_window_title(std::string_view file_name, bool unsaved) {
    return std::string(file_name) + (unsaved ? "*" : "") + " — " + kNotebookTitle;
}

// A point's readings that a pass of its settings no longer gives, by their headers.
inline std::string readings_differ(const std::vector<std::string>& headers) {
    std::string list;
    for (const std::string& h : headers) list += (list.empty() ? "" : ", ") + h;
    return "Estas lecturas no son las que da hoy un cálculo con los mismos ajustes: " + list;
}

// What each change of the notebook is called where it can be undone.
inline constexpr const char* kRecordEdit = "anotar lecturas";
inline std::string remove_rows_edit(std::size_t rows) {
    return rows == 1 ? "quitar una fila" : "quitar " + std::to_string(rows) + " filas";
}
inline constexpr const char* kClearEdit = "borrar el registro";
inline std::string note_edit(int point) {
    return "cambiar la nota del punto " + std::to_string(point);
}
inline constexpr const char* kHeaderEdit = "cambiar los datos del registro";
inline constexpr const char* kHandResultEdit = "cambiar un resultado propio";

}  // namespace gelvor
