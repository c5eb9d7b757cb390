#pragma once

// The notebook's file dialogs in Spanish (UTF-8): opening and saving a
// notebook, exporting its table and its pictures, the names they propose,
// their filters and what they say when a file cannot be read or written.
// Qt fills "%1" and "%2" in order.
namespace gelvor::texts {

// %1: the notebook file's extension.
inline constexpr const char* kNotebookFilter = "Registros de Gelvor (*.%1);;Todos los archivos (*)";
inline constexpr const char* kProposedNotebookName = "registro.%1";
// The name of a notebook not yet saved, in its window's title.
inline constexpr const char* kUntitled = "Sin título";

// Where a browser saves under a name of the user's: the name's label.
inline constexpr const char* kFileNameLabel = "&Nombre del archivo:";

inline constexpr const char* kOpenTitle = "Abrir registro";
inline constexpr const char* kSaveTitle = "Guardar registro";
inline constexpr const char* kSaveAsTitle = "Guardar registro como";

// %1: the file; %2: the cause, in lower case.
inline constexpr const char* kOpenFailed = "No se pudo abrir «%1»: %2.";
inline constexpr const char* kSaveFailed =
    "No se pudo guardar «%1»: %2. No se ha escrito ningún archivo.";
// After kSaveFailed, when the save dialog comes back.
inline constexpr const char* kChooseAnotherPlace = " Elija otro lugar.";

// Before unsaved readings would be lost. %1: the notebook's name; %2: what
// would lose them, as kToOpenAnother says it.
inline constexpr const char* kUnsavedQuestion =
    "El registro «%1» tiene cambios sin guardar. ¿Guardarlos antes de %2?";
inline constexpr const char* kToOpenAnother = "abrir otro";
inline constexpr const char* kToQuit = "salir";

inline constexpr const char* kExportCsvTitle = "Exportar CSV";
inline constexpr const char* kProposedCsvName = "lecturas.csv";
inline constexpr const char* kCsvFilter = "Tablas CSV (*.csv);;Todos los archivos (*)";

inline constexpr const char* kExportPictureTitle = "Exportar gráfica";
inline constexpr const char* kProposedChartName = "grafica.png";
inline constexpr const char* kProposedDiagramName = "diagrama-ph.png";
// PNG first: the filter a name without a suffix takes.
inline constexpr const char* kPictureFilter = "Imagen PNG (*.png);;Dibujo SVG (*.svg)";

}  // namespace gelvor::texts
