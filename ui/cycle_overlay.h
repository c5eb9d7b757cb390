#pragma once

#include <array>

#include "present/chart_overlay.h"

namespace gelvor::ui {

class LineShape;
class PlacedLabel;

// The cycle drawn over the P-h chart: four segments and the letters of the
// four state points, moved to where a pass placed them.
class CycleOverlay {
  public:
    CycleOverlay(const std::array<LineShape*, 4>& lines,
                 const std::array<PlacedLabel*, 4>& letters);

    void place(const ChartOverlay& overlay) const;
    void setShown(bool shown) const;

  private:
    std::array<LineShape*, 4> lines_;
    std::array<PlacedLabel*, 4> letters_;
};

}  // namespace gelvor::ui
