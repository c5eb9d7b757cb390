#pragma once

// The teacher's windows: preparing a lab class and reviewing what the groups
// hand in, in Spanish (UTF-8); "&" marks the letter that Alt goes to.
namespace gelvor::texts {

inline constexpr const char* kPrepareTitle = "Preparar práctica";
inline constexpr const char* kGroupsFileLabel = "&Lista de grupos:";
inline constexpr const char* kGroupsFileTip =
    "Un grupo por línea: su nombre, dos puntos y sus alumnos («L3-A: Ana Pérez, Luis Gómez»)";
inline constexpr const char* kOutputFolderLabel = "&Carpeta de la práctica:";
inline constexpr const char* kSeedLabel = "&Semilla:";
inline constexpr const char* kSeedPlaceholder = "al azar";
inline constexpr const char* kKeyFileLabel = "Clave del &profesor:";
inline constexpr const char* kBrowseCaption = "E&xaminar…";
inline constexpr const char* kPrepareButton = "&Preparar";
inline constexpr const char* kGroupsFilter = "Listas de grupos (*.txt);;Todos los archivos (*)";
// %1: how many groups; %2: the folder; %3: the seed; %4: where the key is.
inline constexpr const char* kPrepared =
    "Práctica preparada para %1 grupos en «%2» (semilla %3). Los registros de los grupos, "
    "clave.csv y clave.pdf están allí; la clave del profesor, en «%4».";
inline constexpr const char* kGroupsUnreadable = "No se pudo leer la lista de grupos «%1»: %2.";

inline constexpr const char* kReviewTitle = "Revisar entregas";
inline constexpr const char* kSubmissionsFilter =
    "Registros de Gelvor (*.gelvor);;Todos los archivos (*)";
inline constexpr const char* kToleranceLabel = "&Tolerancia:";
inline constexpr const char* kToleranceUnit = " %";
inline constexpr const char* kAddFilesButton = "&Añadir entregas…";
inline constexpr const char* kOpenGroupButton = "Abrir el &registro del grupo";
inline constexpr const char* kExportReviewButton = "&Exportar CSV…";
inline constexpr const char* kReviewTableName = "Revisión de la clase";
inline constexpr const char* kProposedReviewName = "revision.csv";
inline constexpr const char* kNoKey =
    "Sin la clave del profesor no se puede comprobar el sello: %1";

}  // namespace gelvor::texts
