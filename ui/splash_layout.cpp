#include "ui/splash_layout.h"

#include <Qt>

namespace gelvor::ui::splash_layout {
namespace {

constexpr int kLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr int kRight = Qt::AlignRight | Qt::AlignTop;
constexpr int kCentre = Qt::AlignHCenter | Qt::AlignTop;

// Arial 32.25 pt is 43 px, 12 pt 16 px, 8.25 pt 11 px, 7.5 pt 10 px.
constexpr LabelSpec kLabels[] = {
    {"lblProductName", {2100, 1584, 3084, 768}, nullptr, 43, true, kLeft, true},
    {"lblVersion", {3024, 2316, 816, 288}, nullptr, 16, true, kRight, true},
    {"lblCopyright", {4080, 3000, 2868, 252}, "© 2026 Equipo de Gelvor", 11, false, kLeft, false},
    {"lblPlatform",
     {228, 3180, 2340, 192},
     "Windows 95,98,NT, Me, 2000, XP",
     10,
     false,
     kRight,
     true},
    {"lblCompany",
     {4308, 3264, 2412, 420},
     "Laboratorio de Termotecnia\nEscuela de Ingeniería",
     11,
     false,
     kCentre,
     false},
    {"Label1",
     {192, 3420, 2748, 192},
     "Optimizado para resolución de 800x600",
     10,
     false,
     kRight,
     true},
    {"lblWarning",
     {180, 3684, 6852, 192},
     "Programa docente de libre distribución. www.example.org/gelvor",
     11,
     false,
     kLeft,
     false},
};

}  // namespace

std::span<const LabelSpec> labels() {
    return kLabels;
}

}  // namespace gelvor::ui::splash_layout
