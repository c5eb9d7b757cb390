#include "texts/commands.h"

namespace gelvor::texts {
namespace {

using P = Place;

constexpr Command kCommands[] = {
    {"abrirRegistro", "&Abrir registro…", {"Ctrl+O"}, P::file_menu},
    {"guardarRegistro", "&Guardar registro", {"Ctrl+S"}, P::file_menu},
    {"guardarRegistroComo", "Guardar registro &como…", {"Ctrl+Shift+S"}, P::file_menu},
    {"prepararPractica", "&Preparar práctica…", {}, P::class_menu},
    {"revisarEntregas", "Re&visar entregas…", {}, P::class_menu},
    {"ampliar", "&Ampliar", {"Ctrl++", "Ctrl+="}, P::view_menu},
    {"reducir", "&Reducir", {"Ctrl+-"}, P::view_menu},
    {"tamanoOriginal", "Tamaño &original", {"Ctrl+0"}, P::view_menu},
    {"fijarCondiciones", "&Fijar condiciones…", {"F2"}, P::notebook_menu},
    {"anotarLecturas", "&Anotar lecturas", {"Ctrl+L"}, P::notebook_menu},
    {"verRegistro", "&Ver registro", {"Ctrl+R"}, P::notebook_menu},
    {"borrarRegistro", "&Borrar registro", {}, P::notebook_menu},
    {"deshacer", "&Deshacer", {"Ctrl+Z"}, P::notebook_menu},
    {"rehacer", "&Rehacer", {"Ctrl+Shift+Z", "Ctrl+Y"}, P::notebook_menu},
    {"atajos", "&Atajos de teclado", {"F1"}, P::help_menu},
    {"acercaDe", "&Acerca de Gelvor", {}, P::help_menu},
    {"copiarRegistro", "&Copiar", {"Ctrl+C"}, P::notebook_toolbar},
    {"quitarFilas", "&Quitar filas", {"Del"}, P::notebook_toolbar},
    {"exportarCsv", "&Exportar CSV…", {"Ctrl+E"}, P::notebook_toolbar},
    {"exportarGrafica", "E&xportar gráfica…", {"Ctrl+G"}, P::notebook_toolbar},
    {"imprimirRegistro", "&Imprimir…", {"Ctrl+P"}, P::notebook_toolbar},
    {"pestanaSiguiente", "Pestaña siguiente", {"Ctrl+PgDown"}, P::notebook_window},
    {"pestanaAnterior", "Pestaña anterior", {"Ctrl+PgUp"}, P::notebook_window},
    {"cerrarRegistro", "Cerrar el registro", {"Esc", "Ctrl+W"}, P::notebook_window},
};

constexpr KeyUse kKeyUses[] = {
    {{"Tab", "Shift+Tab"}, "Pasar de un control al siguiente o al anterior", P::bench},
    {{"Up", "Down"},
     "Subir o bajar el caudal o el ajuste que tiene el foco, también desde su casilla",
     P::bench},
    {{"Space"}, "Accionar el interruptor", P::bench},
    {{"Return", "Enter"}, "Aplicar lo escrito en una casilla de ajuste", P::bench},
    {{"Left", "Right"}, "Elegir la pestaña", P::bench},
    {{"Alt+1", "Alt+2", "Alt+3"},
     "Poner los caudales de un punto del ejercicio y aceptar",
     P::conditions},
};

constexpr Place kBenchPlaces[] = {P::file_menu,     P::class_menu, P::view_menu,
                                  P::notebook_menu, P::help_menu,  P::bench};
constexpr Place kNotebookPlaces[] = {P::notebook_toolbar, P::notebook_window};
constexpr Place kConditionsPlaces[] = {P::conditions};
constexpr KeyGroup kGroups[] = {
    {"Banco", kBenchPlaces},
    {"Registro de lecturas", kNotebookPlaces},
    {"Fijar condiciones", kConditionsPlaces},
};

}  // namespace

std::span<const Command> commands() {
    return kCommands;
}

const Command* command(std::string_view name) {
    for (const Command& c : kCommands) {
        if (name == c.name)
            return &c;
    }
    return nullptr;
}

std::span<const KeyUse> key_uses() {
    return kKeyUses;
}

std::span<const KeyGroup> key_groups() {
    return kGroups;
}

}  // namespace gelvor::texts
