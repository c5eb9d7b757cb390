#pragma once

// The printed notebook and its print dialog, in Spanish (UTF-8). The
// document's name is notebook/notebook_messages.h's kNotebookTitle. Qt
// fills "%1", "%2" and "%3" in order.
namespace gelvor::texts {

inline constexpr const char* kPrintTitle = "Imprimir el registro";
inline constexpr const char* kPrintFailedTitle = "Imprimir";
inline constexpr const char* kPrintFailed = "No se pudo imprimir el registro.";

// Every page's head and foot.
inline constexpr const char* kPageHead = "Gelvor: registro de lecturas";
inline constexpr const char* kPageNumber = "Página %1 de %2";

// Under the first page's head: the students, the group and the date.
inline constexpr const char* kWhoRecorded = "Alumnos: %1    Grupo: %2    Fecha: %3";
// That date as QDate writes it, the words between quotes.
inline constexpr const char* kLongDateFormat = "d 'de' MMMM 'de' yyyy";

inline constexpr const char* kNoReadings = "No hay lecturas anotadas.";
// Above the points' notes, after the table.
inline constexpr const char* kNotesHeading = "Notas";

}  // namespace gelvor::texts
