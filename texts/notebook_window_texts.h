#pragma once

// The notebook window's own texts, in Spanish (UTF-8): its tabs, who
// recorded the notebook and when, and the diagram's choice of axes. Its
// title is notebook/notebook_messages.h's kNotebookTitle, its commands are
// texts/commands.h's; "&" marks the letter that Alt goes to.
namespace gelvor::texts {

// What a screen reader calls the table and the tabs.
inline constexpr const char* kReadingsTableName = "Lecturas anotadas";
inline constexpr const char* kAssignmentStatusName = "Estado de la práctica";
inline constexpr const char* kNotebookTabsName = "Lecturas, gráfica y diagrama";

inline constexpr const char* kReadingsTab = "Lecturas";
inline constexpr const char* kChartTab = "Gráfica";
inline constexpr const char* kDiagramTab = "Diagrama p-h";

// What a screen reader calls a point's marks, and the box its note is typed
// in; %1: the point's number.
inline constexpr const char* kPointMarksName = "Marcas del punto %1";
inline constexpr const char* kPointNoteName = "Nota del punto %1";
// %1: the point's number; %2: the column's header ("Mis resultados: Qe (W)").
inline constexpr const char* kPointHandResultName = "%2 del punto %1";

// Who recorded the notebook and when: the fields' labels and names.
inline constexpr const char* kStudentsLabel = "A&lumnos:";
inline constexpr const char* kGroupLabel = "&Grupo:";
inline constexpr const char* kDateLabel = "&Fecha:";
inline constexpr const char* kStudentsName = "Alumnos";
inline constexpr const char* kGroupName = "Grupo";
inline constexpr const char* kDateName = "Fecha";
// The date field's format, as QDate writes it.
inline constexpr const char* kDateFormat = "dd/MM/yyyy";

// The check box above the p-h diagram; its name is its caption without "&".
inline constexpr const char* kBenchRegionCaption = "&Región del banco";
inline constexpr const char* kBenchRegionTip =
    "Ejes de las presiones y entalpías que alcanza el banco; sin marcar, la campana entera";

}  // namespace gelvor::texts
