#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the teacher's tools say, in Spanish (UTF-8): the class table's
// columns and its observations, for the desktop's review window and for
// gelvor-class alike.
namespace gelvor {

inline constexpr const char* kReviewHeaders[] = {"grupo",
                                                 "alumnos",
                                                 "archivo",
                                                 "puntos tomados",
                                                 "puntos asignados",
                                                 "lecturas auténticas",
                                                 "condiciones selladas",
                                                 "resultados correctos",
                                                 "copia de",
                                                 "nota",
                                                 "observaciones"};
inline constexpr const char* kYes = "sí";

// The answer key's title, and what each of a group's points is called in it.
inline constexpr const char* kAnswerKeyTitle = "Clave de la práctica";
inline constexpr const char* kPointWord = "Punto";
inline constexpr const char* kNo = "no";

inline std::string listed(const std::vector<std::string>& items, std::string_view last_joint) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += i + 1 == items.size() ? std::string(last_joint) : std::string(", ");
        out += items[i];
    }
    return out;
}

inline std::string unreadable_submission(std::string_view why) {
    return "no se pudo leer: " + std::string(why);
}
inline constexpr const char* kNotAnAssignment = "no es una práctica repartida por el profesor";
inline constexpr const char* kSealBroken =
    "el grupo, los alumnos o las condiciones no son los que selló el profesor";
inline std::string readings_changed(const std::vector<std::string>& points) {
    return (points.size() == 1 ? "lecturas cambiadas en el punto "
                               : "lecturas cambiadas en los puntos ") +
           listed(points, " y ");
}
inline std::string points_missing(const std::vector<std::string>& points) {
    return (points.size() == 1 ? "falta el punto asignado " : "faltan los puntos asignados ") +
           listed(points, " y ");
}
inline std::string points_outside(int count) {
    return count == 1 ? "1 punto fuera de la práctica"
                      : std::to_string(count) + " puntos fuera de la práctica";
}
inline std::string copy_of(const std::vector<std::string>& files) {
    return "copia de " + listed(files, " y ");
}

}  // namespace gelvor
