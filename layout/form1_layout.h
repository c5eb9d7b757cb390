#pragma once

#include <array>
#include <span>
#include <string_view>

#include "assets/pictures.h"
#include "layout/twips.h"
#include "model/settings_ranges.h"

// The main window as it is first shown: every control's name, place, size,
// caption and start value, in twips of its container. Texts are UTF-8. Plain
// C++, so that the desktop window and the browser page place their controls
// from the same tables.
namespace gelvor::layout {

// The window; its controls on the bench drawing name it as their parent.
inline constexpr const char* kFormName = "Form1";
inline constexpr TwipsRect kClientArea{0, 0, 10710, 8010};
inline constexpr double kStatusLineTwips = 300;  // under the layout area
inline constexpr const char* kCaption = "MAQUINA FRIGORIFICA - BOMBA DE CALOR";
inline constexpr const char* kBenchAccessible = "Banco de ensayo";
inline constexpr const char* kStatusLineAccessible = "Aviso de la máquina";

// An instrument; colours are &H00BBGGRR, 0 for "the instrument's own".
struct InstrumentSpec {
    const char* name;
    TwipsRect rect;
    double min, max, start;
    unsigned column_bgr, tube_bgr;
    const char* accessible;  // a manometer's name; a thermometer's measuring point
};

struct LabelSpec {
    const char* name;
    TwipsRect rect;  // width 0: sized to its caption
    const char* caption;
    const char* tooltip;  // nullptr: none
};

// How a text box aligns its text; always centred vertically.
enum class TextAlign { left, right, centre };

struct BoxSpec {
    const char* name;
    TwipsRect rect;
    const char* text;
    TextAlign align;
    const char* accessible;
};

struct SpinSpec {
    const char* name;
    TwipsRect rect;
    SettingRange range;
    const char* buddy;
    const char* accessible;
    // The thermometers the setting moves to its number (nullptr past the
    // last), before the pass its change runs or after it, as the bench's
    // handlers did: the room's before, the water inlet's after.
    std::array<const char*, 2> thermometers;
    bool thermometers_after_pass;
};

struct PictureSpec {
    const char* name;
    TwipsRect rect;
    const char* resource;
    bool stretched, border, visible;
    const char* accessible;
};

// On the bench drawing (container Form1).
std::span<const InstrumentSpec> gauges();
std::span<const InstrumentSpec> thermometers();  // ter_0..5 in index order
// A thermometer is named by its measuring point after this.
inline constexpr const char* kThermometerAccessible = "Termómetro ";
// The evaporator's manometer sits in a lowered bevel border.
inline constexpr const char* kLoweredBevelGauge = "GaugeX2";
inline constexpr const char* kSwitchName = "Interruptor";
inline constexpr TwipsRect kSwitch{1515, 2685, 360, 495};
inline constexpr const char* kSwitchTip = "Interuptor ON/OFF";
struct ScrollSpec {
    const char* name;
    TwipsRect rect;
    const char* accessible;
    const char* float_name;  // the flowmeter's float that the flow lifts
};
std::span<const ScrollSpec> flow_bars();          // VScroll1, VScroll2
std::span<const PictureSpec> floats();            // Image1, Image2
std::span<const PictureSpec> running_pictures();  // c_0 first: Picture1_1 lies above it
std::span<const LabelSpec> markers();             // Label11_0..7
std::span<const LabelSpec> hot_spots();           // Label1_0..7
inline constexpr int kNormalPointerHotSpot = 1;

// A row of tabs is 420 hundredths of a millimetre high; the first row lies
// next to the page, the others behind it.
inline constexpr double kTabRowTwips = 420 * 1440 / 2540.0;

// The lower tab control: white pages and blue captions.
inline constexpr const char* kSSTab2Name = "SSTab2";
inline constexpr TwipsRect kSSTab2{255, 3825, 4605, 4155};
inline constexpr const char* kSSTab2Tabs[] = {"Esquema", "Diagr. P-h"};
inline constexpr int kSSTab2TabsPerRow = 2;
inline constexpr unsigned kSSTab2PageRgb = 0xFFFFFF;
inline constexpr unsigned kSSTab2CaptionRgb = 0x0000FF;
inline constexpr const char* kSSTab2Accessible = "Esquema y diagrama P-h";
std::span<const PictureSpec> sstab2_pictures();  // Picture3 on tab 0, Picture2 on tab 1

// The chart overlay in Picture2: Line1_0..3 and Label2_0..3, colours as RGB.
struct OverlaySpec {
    const char* line;
    unsigned line_rgb;
    const char* letter_name;
    const char* letter;
    unsigned letter_rgb;
    const char* line_accessible;
    const char* letter_accessible;
};
std::span<const OverlaySpec> overlay();
inline constexpr int kOverlayLinePixels = 3;

// The right tab control and its pages: the window's colour, black captions.
inline constexpr const char* kSSTab1Name = "SSTab1";
inline constexpr TwipsRect kSSTab1{5520, 90, 4890, 7785};
inline constexpr const char* kSSTab1Tabs[] = {"Datos", "Resultados",     "Prácticas",
                                              "Tab 3", "Relación Ps-Ts", "Fotografía"};
inline constexpr int kSSTab1TabsPerRow = 3;
inline constexpr int kSSTab1PageColourIndex = 9;
inline constexpr unsigned kSSTab1CaptionRgb = 0x000000;
inline constexpr const char* kSSTab1Accessible = "Datos, resultados y prácticas";
inline constexpr const char* kManualAccessible = "Prácticas";
enum Tab1 { datos = 0, resultados = 1, practicas = 2, tab3 = 3, relacion = 4, fotografia = 5 };
inline constexpr TwipsRect kText2{60, 615, 4596, 7020};
std::span<const PictureSpec>
sstab1_pictures();  // Image4 on "Relación Ps-Ts", Image3 on "Fotografía"

// Tab "Datos": the frame and what it holds (in frame coordinates).
inline constexpr const char* kFrame1Name = "Frame1";
inline constexpr TwipsRect kFrame1{576, 624, 3540, 2268};
inline constexpr const char* kFrame1Caption = "Condiciones Ambientales";
inline constexpr PictureSpec kBarometer{
    "Image5", {228, 384, 612, 1368}, assets::kBarometer, true, true, true, "Barómetro"};
inline constexpr TwipsRect kMercuryLine{600, 648, 600,
                                        1524};  // x1, y1, x2, y2: drawn over the tube
inline constexpr int kMercuryLineColourIndex = 4;
inline constexpr int kMercuryLinePixels = 3;
inline constexpr const char* kMercuryAccessible = "Columna de mercurio";
inline constexpr InstrumentSpec kRoomThermometer{
    "iThermometerX1", {2115, 195, 645, 1650}, 10, 50, 20, 0, 0, "ta: temperatura ambiente"};
inline constexpr int kRoomThermometerTicks = 6;  // desired: at round values
std::span<const LabelSpec> frame_labels();
std::span<const BoxSpec> frame_boxes();
std::span<const LabelSpec> datos_labels();
std::span<const BoxSpec> datos_boxes();
std::span<const SpinSpec> spins();  // UpDown1 and UpDown2 in the frame, UpDown3 on the page
// The spin whose buddy is the setting box `box` ("Text3", "Text4" or "Text8";
// any other name gives UpDown1's).
const SpinSpec& spin_of_box(std::string_view box);

// Tab "Resultados".
struct CaptionSpec {
    int index;  // element of l9
    TwipsRect rect;
    const char* caption;
    bool head;  // background of the column heads
};
std::span<const CaptionSpec> result_captions();
inline constexpr int kDensityCaption = 15;  // the density row: a Greek rho
inline constexpr const char* kDensityAccessible = "ρ (densidad)";
inline constexpr int kDensityCaptionPixels = 10;
// The column heads' background; the other captions have system colour 15.
inline constexpr int kHeadColourIndex = 10;
inline constexpr int kCaptionColourIndex = 15;
std::span<const BoxSpec> result_boxes();  // Text7_0..31 in index order
inline constexpr int kArrowPointerBox = 14;

// The menus: Ar with re and ce, ver, Registro and ay; the commands that
// fill them besides re and ce are texts/commands.h's.
struct MenuSpec {
    const char* name;
    const char* caption;
};
inline constexpr MenuSpec kArchivo{"Ar", "&Archivo"};
inline constexpr MenuSpec kReiniciar{"re", "&Reiniciar"};
inline constexpr MenuSpec kSalir{"ce", "&Salir"};
inline constexpr MenuSpec kVer{"ver", "&Ver"};
inline constexpr MenuSpec kRegistro{"Registro", "&Registro"};
inline constexpr MenuSpec kAyuda{"ay", "A&yuda"};

}  // namespace gelvor::layout
