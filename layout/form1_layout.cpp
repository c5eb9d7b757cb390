#include "layout/form1_layout.h"

namespace gelvor::layout {
namespace {

constexpr TextAlign kLeft = TextAlign::left;
constexpr TextAlign kRight = TextAlign::right;
constexpr TextAlign kCentre = TextAlign::centre;

// Column colours: red &H000000C0, the standard blue, green &H0000C000;
// tubes light red &H00C0C0FF or light blue &H00FFC0C0. 0 keeps the default.
constexpr unsigned kRed = 0x0000C0, kBlue = 0xFF0000, kGreen = 0x00C000;
constexpr unsigned kLightRed = 0xC0C0FF, kLightBlue = 0xFFC0C0;

constexpr InstrumentSpec kGauges[] = {
    {"GaugeX1", {375, 195, 690, 570}, -100, 100, 20, 0, 0, "Manómetro presión condensador"},
    {"GaugeX2", {4215, 180, 690, 570}, -100, 100, 0, 0, 0, "Manómetro presión Evaporador"},
};

constexpr InstrumentSpec kThermometers[] = {
    {"ter_0",
     {1005, 675, 150, 825},
     -20,
     75,
     20,
     kRed,
     kLightRed,
     "t4: agua a la entrada del condensador"},
    {"ter_1",
     {1350, 615, 150, 825},
     -20,
     75,
     20,
     kRed,
     kLightRed,
     "t3: agua a la salida del condensador"},
    {"ter_2",
     {3585, 630, 150, 825},
     -10,
     30,
     20,
     kBlue,
     kLightBlue,
     "t2: agua a la salida del evaporador"},
    {"ter_3",
     {3960, 615, 150, 825},
     -10,
     30,
     20,
     kBlue,
     kLightBlue,
     "t1: agua a la entrada del evaporador"},
    {"ter_4", {1185, 450, 150, 1050}, 0, 60, 20, 0, kLightRed, "tc: temperatura de condensación"},
    {"ter_5",
     {3810, 510, 150, 825},
     -10,
     30,
     20,
     kGreen,
     kLightBlue,
     "te: temperatura de evaporación"},
};

constexpr ScrollSpec kFlowBars[] = {
    {"VScroll1", {4425, 2670, 228, 324}, "Caudal de agua del evaporador", "Image1"},
    {"VScroll2", {465, 2700, 228, 324}, "Caudal de agua del condensador", "Image2"},
};

constexpr PictureSpec kFloats[] = {
    {"Image1",
     {4440, 2070, 165, 210},
     assets::kFlowmeterFloat,
     true,
     false,
     true,
     "Flotador del caudalímetro del evaporador"},
    {"Image2",
     {465, 2040, 165, 210},
     assets::kFlowmeterFloat,
     true,
     false,
     true,
     "Flotador del caudalímetro del condensador"},
};

constexpr PictureSpec kRunning[] = {
    {"c_0",
     {3510, 1620, 705, 855},
     assets::kEvaporatorRest,
     false,
     false,
     true,
     "Evaporador en reposo"},
    {"Picture1_0",
     {870, 1440, 690, 1020},
     assets::kCondenserRunning,
     false,
     false,
     false,
     "Condensador en funcionamiento"},
    {"Picture1_1",
     {3510, 1605, 615, 900},
     assets::kEvaporatorRunning,
     false,
     false,
     false,
     "Evaporador en ebullición"},
    {"Picture1_2",
     {3045, 1725, 420, 540},
     assets::kSightGlass,
     false,
     false,
     false,
     "Mirilla con vapor húmedo"},
};

constexpr LabelSpec kMarkers[] = {
    {"Label11_0", {4155, 795, 0, 0}, "t1", nullptr},
    {"Label11_1", {1065, 405, 0, 0}, "tc", nullptr},
    {"Label11_2", {3450, 795, 0, 0}, "t2", nullptr},
    {"Label11_3", {870, 825, 0, 0}, "t4", nullptr},
    {"Label11_4", {3885, 375, 0, 0}, "te", nullptr},
    {"Label11_5", {1500, 840, 0, 0}, "t3", nullptr},
    {"Label11_6", {450, 975, 0, 0}, "mc", nullptr},
    {"Label11_7", {4470, 960, 0, 0}, "me", nullptr},
};

constexpr LabelSpec kHotSpots[] = {
    {"Label1_0", {756, 948, 492, 780}, "", "CONDENSADOR"},
    {"Label1_1", {420, 1200, 300, 1440}, "", "Cauldalímetro agua condensador"},
    {"Label1_2", {4395, 1245, 300, 1335}, "", "Caudalímetro agua evaporador"},
    {"Label1_3", {1950, 1950, 1080, 1185}, "", "COMPRESOR"},
    {"Label1_4", {2808, 960, 528, 1164}, "", "EVAPORADOR"},
    {"Label1_5", {3630, 2715, 465, 405}, "", "Válvula de carga"},
    {"Label1_6", {852, 2148, 288, 336}, "", "Válvula de cierre"},
    {"Label1_7", {2484, 1500, 264, 432}, "", "Mirilla vapor húmedo"},
};

constexpr PictureSpec kSSTab2Pictures[] = {
    {"Picture3", {888, 948, 2880, 1740}, assets::kSchematic, false, true, true, "Esquema"},
    {"Picture2", {408, 348, 3960, 3510}, assets::kPhChart, false, true, true, "Diagr. P-h"},
};

// Each letter has the colour of the segment that ends at its point.
constexpr OverlaySpec kOverlay[] = {
    {"Line1_0", 0x00C000, "Label2_0", "A", 0x0000FF, "Ciclo 0", "Punto A"},
    {"Line1_1", 0x0000FF, "Label2_1", "B", 0xFF0000, "Ciclo 1", "Punto B"},
    {"Line1_2", 0xFF0000, "Label2_2", "C", 0x800000, "Ciclo 2", "Punto C"},
    {"Line1_3", 0x800000, "Label2_3", "D", 0x00C000, "Ciclo 3", "Punto D"},
};

constexpr PictureSpec kSSTab1Pictures[] = {
    {"Image4",
     {-132, 540, 4968, 5100},
     assets::kSaturationChart,
     true,
     false,
     true,
     "Relación Ps-Ts"},
    {"Image3", {84, 960, 4536, 4092}, assets::kBenchPhoto, true, true, true, "Fotografía"},
};

constexpr LabelSpec kFrameLabels[] = {
    {"Label3", {168, 1776, 1428, 432}, "Presión barométrica (mbar)", nullptr},
    {"Label4", {2076, 1764, 1080, 360}, "Temperatura ambiente ºC", nullptr},
};

constexpr BoxSpec kFrameBoxes[] = {
    {"Text3", {924, 432, 432, 348}, "1010", kLeft, "Presión barométrica (mbar)"},
    {"Text4", {2808, 456, 300, 348}, "18", kLeft, "Temperatura ambiente ºC"},
};

constexpr LabelSpec kDatosLabels[] = {
    {"Label5", {636, 3060, 2400, 300}, "Gasto de agua condensador mc:", nullptr},
    {"Label6", {645, 3435, 2415, 300}, "Gasto de agua evaporador me:", nullptr},
    {"Label9_0", {672, 3840, 2184, 420}, "Temperatura de entrada de agua t1, t4", nullptr},
    {"Label9_1", {696, 4404, 2760, 420}, "Temperatura salida de agua t3:", nullptr},
    {"Label9_2", {696, 4764, 2760, 420}, "Temperatura salida de agua t2:", nullptr},
    {"Label9_4", {684, 5184, 2760, 252}, "Temperatura condensación tc:", nullptr},
    {"Label9_3", {720, 5496, 0, 0}, "Temperatura evaporación te:", nullptr},
    {"Label10_0", {3780, 3915, 348, 192}, "ºC", nullptr},
    {"Label10_1", {3732, 4416, 348, 192}, "ºC", nullptr},
    {"Label10_2", {3744, 4752, 348, 192}, "ºC", nullptr},
    {"Label10_4", {3720, 5208, 348, 192}, "ºC", nullptr},
    {"Label10_3", {3732, 5544, 348, 192}, "ºC", nullptr},
};

constexpr BoxSpec kDatosBoxes[] = {
    {"Text5", {3084, 3048, 720, 288}, "0", kLeft, "Gasto de agua condensador mc:"},
    {"Text6", {3072, 3408, 732, 288}, "0", kLeft, "Gasto de agua evaporador me:"},
    {"Text8", {3135, 3855, 312, 348}, "15", kLeft, "Temperatura de entrada de agua t1, t4"},
    {"Text9", {3180, 4356, 468, 288}, "0", kLeft, "Temperatura salida de agua t3:"},
    {"Text10", {3180, 4704, 444, 288}, "0", kLeft, "Temperatura salida de agua t2:"},
    {"Text12", {3180, 5148, 468, 288}, "0", kLeft, "Temperatura condensación tc:"},
    {"Text11", {3180, 5496, 444, 288}, "0", kLeft, "Temperatura evaporación te:"},
};

constexpr SpinSpec kSpins[] = {
    {"UpDown1",
     {1332, 432, 192, 348},
     kBarometerRange,
     "Text3",
     "Ajuste de la presión barométrica",
     {},
     false},
    {"UpDown2",
     {3120, 444, 192, 348},
     kAmbientRange,
     "Text4",
     "Ajuste de la temperatura ambiente",
     {"iThermometerX1", nullptr},
     false},
    {"UpDown3",
     {3465, 3840, 195, 345},
     kWaterInletRange,
     "Text8",
     "Ajuste de la temperatura de entrada de agua",
     {"ter_0", "ter_3"},
     true},
};

constexpr CaptionSpec kResultCaptions[] = {
    {1, {1008, 648, 936, 252}, "A", false},
    {2, {1944, 648, 936, 252}, "B", false},
    {3, {2880, 648, 936, 252}, "C", false},
    {4, {3816, 648, 936, 252}, "D", false},
    {5, {72, 888, 936, 252}, "Pabs (kPa)", false},
    {10, {72, 1152, 936, 252}, "t (ºC)", false},
    {15, {72, 1404, 936, 252}, "ρ", false},
    {20, {72, 1656, 936, 252}, "h (kJ/kg)", false},
    {25, {72, 1908, 936, 252}, "Título ", false},
    {34, {1728, 2340, 1392, 252}, "Condensador", true},
    {35, {3096, 2340, 1392, 252}, "Evaporador", true},
    {30, {336, 2592, 1392, 252}, "Q (W)", false},
    {36, {336, 2844, 1392, 252}, "Atlm (ºC)", false},
    {39, {336, 3096, 1392, 252}, "U (W/m2K)", false},
    {46, {1728, 3624, 1392, 252}, "Maq Frigorifica", true},
    {47, {3108, 3624, 1392, 252}, "Bomba de calor", true},
    {42, {336, 3888, 1392, 252}, "COP", false},
    {51, {1020, 4392, 1932, 252}, "Potencia compresor (W)", false},
    {0, {1176, 4812, 1392, 252}, "Gasto R-11 (g/s)", false},
    {45, {1032, 5196, 1596, 252}, "rend. vol compresor", false},
    {49, {1020, 5640, 1596, 252}, "Pcond/Pevap compresor", false},
};

constexpr BoxSpec kResultBoxes[] = {
    {"Text7_0", {1008, 888, 936, 288}, "", kRight, "A, Pabs (kPa)"},
    {"Text7_1", {1020, 1152, 936, 288}, "", kRight, "A, t (ºC)"},
    {"Text7_2", {1008, 1404, 936, 288}, "", kRight, "A, densidad"},
    {"Text7_3", {1008, 1656, 936, 288}, "", kRight, "A, h (kJ/kg)"},
    {"Text7_4", {1008, 1908, 936, 288}, "", kCentre, "A, Título"},
    {"Text7_5", {1956, 900, 936, 288}, "", kRight, "B, Pabs (kPa)"},
    {"Text7_6", {1956, 1164, 936, 288}, "", kCentre, "B, t (ºC)"},
    {"Text7_7", {1956, 1404, 936, 288}, "", kCentre, "B, densidad"},
    {"Text7_8", {1956, 1656, 936, 288}, "", kRight, "B, h (kJ/kg)"},
    {"Text7_9", {1956, 1908, 936, 288}, "", kCentre, "B, Título"},
    {"Text7_10", {2904, 900, 936, 288}, "", kRight, "C, Pabs (kPa)"},
    {"Text7_11", {2904, 1164, 936, 288}, "", kRight, "C, t (ºC)"},
    {"Text7_12", {2904, 1416, 936, 288}, "", kRight, "C, densidad"},
    {"Text7_13", {2904, 1656, 936, 288}, "", kRight, "C, h (kJ/kg)"},
    {"Text7_14", {2904, 1920, 936, 288}, "", kRight, "C, Título"},
    {"Text7_15", {3840, 900, 936, 288}, "", kRight, "D, Pabs (kPa)"},
    {"Text7_16", {3840, 1152, 936, 288}, "", kRight, "D, t (ºC)"},
    {"Text7_17", {3840, 1404, 936, 288}, "", kRight, "D, densidad"},
    {"Text7_18", {3840, 1656, 936, 288}, "", kRight, "D, h (kJ/kg)"},
    {"Text7_19", {3840, 1908, 936, 288}, "", kRight, "D, Título"},
    {"Text7_20", {1728, 2604, 1392, 288}, "", kLeft, "Condensador, Q (W)"},
    {"Text7_21", {1728, 2844, 1392, 288}, "", kLeft, "Condensador, Atlm (ºC)"},
    {"Text7_22", {1728, 3108, 1392, 288}, "", kLeft, "Condensador, U (W/m2K)"},
    {"Text7_23", {3120, 2616, 1392, 288}, "", kLeft, "Evaporador, Q (W)"},
    {"Text7_24", {3120, 2868, 1392, 288}, "", kLeft, "Evaporador, Atlm (ºC)"},
    {"Text7_25", {3120, 3120, 1392, 288}, "", kLeft, "Evaporador, U (W/m2K)"},
    {"Text7_26", {1764, 3888, 1368, 288}, "", kLeft, "COP Maq Frigorifica"},
    {"Text7_27", {3144, 3900, 1380, 288}, "", kLeft, "COP Bomba de calor"},
    {"Text7_28", {2976, 4392, 936, 288}, "", kLeft, "Potencia compresor (W)"},
    {"Text7_29", {2580, 4800, 936, 288}, "", kLeft, "Gasto R-11 (g/s)"},
    {"Text7_30", {2652, 5196, 936, 288}, "", kLeft, "rend. vol compresor"},
    {"Text7_31", {2616, 5640, 936, 288}, "", kLeft, "Pcond/Pevap compresor"},
};

}  // namespace

std::span<const InstrumentSpec> gauges() {
    return kGauges;
}
std::span<const InstrumentSpec> thermometers() {
    return kThermometers;
}
std::span<const ScrollSpec> flow_bars() {
    return kFlowBars;
}
std::span<const PictureSpec> floats() {
    return kFloats;
}
std::span<const PictureSpec> running_pictures() {
    return kRunning;
}
std::span<const LabelSpec> markers() {
    return kMarkers;
}
std::span<const LabelSpec> hot_spots() {
    return kHotSpots;
}
std::span<const PictureSpec> sstab2_pictures() {
    return kSSTab2Pictures;
}
std::span<const OverlaySpec> overlay() {
    return kOverlay;
}
std::span<const PictureSpec> sstab1_pictures() {
    return kSSTab1Pictures;
}
std::span<const LabelSpec> frame_labels() {
    return kFrameLabels;
}
std::span<const BoxSpec> frame_boxes() {
    return kFrameBoxes;
}
std::span<const LabelSpec> datos_labels() {
    return kDatosLabels;
}
std::span<const BoxSpec> datos_boxes() {
    return kDatosBoxes;
}
std::span<const SpinSpec> spins() {
    return kSpins;
}
const SpinSpec& spin_of_box(std::string_view box) {
    for (const SpinSpec& s : kSpins) {
        if (box == s.buddy)
            return s;
    }
    return kSpins[0];
}
std::span<const CaptionSpec> result_captions() {
    return kResultCaptions;
}
std::span<const BoxSpec> result_boxes() {
    return kResultBoxes;
}

}  // namespace gelvor::layout
