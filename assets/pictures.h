#pragma once

#include <array>

// The program's pictures as compiled-in resources, by path. Plain constants,
// so that the layout tables and the browser page can name them too. Every
// picture is an SVG drawn for its pixel size (its viewBox is in pixels), so
// it is sharp at any screen scale.
namespace gelvor::assets {

inline constexpr char kBenchDrawing[] = ":/pictures/bench.svg";  // form background
inline constexpr char kWindowIcon[] = ":/pictures/icon.svg";     // window and desktop icon
inline constexpr char kCondenserRunning[] = ":/pictures/condenser_running.svg";    // Picture1(0)
inline constexpr char kEvaporatorRunning[] = ":/pictures/evaporator_running.svg";  // Picture1(1)
inline constexpr char kSightGlass[] = ":/pictures/sight_glass.svg";                // Picture1(2)
inline constexpr char kEvaporatorRest[] = ":/pictures/evaporator_rest.svg";        // c(0)
inline constexpr char kFlowmeterFloat[] = ":/pictures/float.svg";                  // Image1, Image2
inline constexpr char kBarometer[] = ":/pictures/barometer.svg";                   // Image5
inline constexpr char kSchematic[] = ":/pictures/schematic.svg";                   // tab "Esquema"
inline constexpr char kPhChart[] = ":/pictures/ph_chart.svg";  // tab "Diagr. P-h"
inline constexpr char kSaturationChart[] =
    ":/pictures/saturation_chart.svg";                               // tab "Relación Ps-Ts"
inline constexpr char kBenchPhoto[] = ":/pictures/bench_photo.svg";  // tab "Fotografía"
inline constexpr char kMakerLogo[] = ":/pictures/logo.svg";          // splash window

// A picture and the size in pixels it is drawn for.
struct Picture {
    const char* path;
    int width;
    int height;
};

// Every picture of the program. The saturation chart is drawn in units of
// 1/1440 inch (6883 x 5433 of them); its size here is that at 96 dpi.
inline constexpr std::array<Picture, 13> kPictures{{
    {kBenchDrawing, 382, 264},
    {kWindowIcon, 32, 32},
    {kCondenserRunning, 45, 68},
    {kEvaporatorRunning, 53, 60},
    {kSightGlass, 28, 37},
    {kEvaporatorRest, 53, 60},
    {kFlowmeterFloat, 37, 37},
    {kBarometer, 94, 267},
    {kSchematic, 189, 113},
    {kPhChart, 264, 226},
    {kSaturationChart, 459, 362},
    {kBenchPhoto, 393, 349},
    {kMakerLogo, 162, 87},
}};

}  // namespace gelvor::assets
