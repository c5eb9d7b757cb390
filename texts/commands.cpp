#include "texts/commands.h"

#include <algorithm>
#include <utility>

#include "texts/help_texts.h"

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

std::string key_name(std::string_view portable) {
    // Qt's portable names and its Spanish ones, where they differ.
    static constexpr std::pair<std::string_view, std::string_view> kNames[] = {
        {"Ctrl", "Control"},   {"Shift", "Mayúsculas"}, {"Del", "Suprimir"},  {"PgDown", "Av Pág"},
        {"PgUp", "Re Pág"},    {"Esc", "Escape"},       {"Tab", "Tabulador"}, {"Up", "Arriba"},
        {"Down", "Abajo"},     {"Left", "Izquierda"},   {"Right", "Derecha"}, {"Space", "Espacio"},
        {"Return", "Retorno"}, {"Enter", "Intro"},
    };
    std::string out;
    // "Ctrl++": the last "+" is the key itself.
    while (!portable.empty()) {
        const std::size_t plus = portable.find('+', 1);
        const std::string_view part = portable.substr(0, plus);
        const auto it = std::find_if(std::begin(kNames), std::end(kNames),
                                     [&](const auto& name) { return name.first == part; });
        out += it != std::end(kNames) ? it->second : part;
        if (plus == std::string_view::npos)
            break;
        out += '+';
        portable.remove_prefix(plus + 1);
    }
    return out;
}

namespace {

std::string keys_named(const std::array<const char*, 3>& keys) {
    std::string out;
    for (const char* k : keys) {
        if (k)
            out += (out.empty() ? "" : kOtherKey) + key_name(k);
    }
    return out;
}

// A caption as the list shows it: no "&", no ellipsis.
std::string plain(std::string caption) {
    std::erase(caption, '&');
    const std::string_view ellipsis = "…";
    if (caption.ends_with(ellipsis))
        caption.resize(caption.size() - ellipsis.size());
    return caption;
}

}  // namespace

std::vector<KeyLine> key_lines(const KeyGroup& group) {
    const auto listed = [&](Place p) {
        return std::find(group.places.begin(), group.places.end(), p) != group.places.end();
    };
    std::vector<KeyLine> lines;
    for (const Command& c : kCommands) {
        if (listed(c.place) && c.keys[0])
            lines.push_back({keys_named(c.keys), plain(c.caption)});
    }
    for (const KeyUse& u : kKeyUses) {
        if (listed(u.place))
            lines.push_back({keys_named(u.keys), u.what});
    }
    return lines;
}

}  // namespace gelvor::texts
