#include "ui/cycle_overlay.h"

#include "ui/widgets/overlay_shapes.h"

namespace gelvor::ui {

CycleOverlay::CycleOverlay(const std::array<LineShape*, 4>& lines,
                           const std::array<PlacedLabel*, 4>& letters)
    : lines_(lines), letters_(letters) {}

void CycleOverlay::place(const ChartOverlay& overlay) const {
    for (std::size_t i = 0; i < 4; ++i) {
        const ChartSegment& s = overlay.lines[i];
        lines_[i]->setLine(s.x1, s.y1, s.x2, s.y2);
        letters_[i]->place(overlay.labels[i].left, overlay.labels[i].top);
    }
}

void CycleOverlay::setShown(bool shown) const {
    for (std::size_t i = 0; i < 4; ++i) {
        lines_[i]->setVisible(shown);
        letters_[i]->setVisible(shown);
    }
}

}  // namespace gelvor::ui
