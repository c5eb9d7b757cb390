#pragma once

#include <string>

#include "notebook/notebook_chart_model.h"
#include "notebook/notebook_picture.h"

// The notebook's chart as the page draws it: the model laid out as Qt
// Charts lays out the desktop's (its light theme's greys, a plot with a
// grid, ticks labelled outside it, the titles of the axes, the legend above
// the plot or beside it), as shapes.
namespace gelvor::notebook_chart {

// A chart on its own (the page's, an exported file) is this tall for its
// width, and at least kChartMinHeight at 100 %.
inline constexpr double kChartProportion = 0.62;
inline constexpr double kChartMinHeight = 300;

// The chart in `area`, its texts, lines and markers grown by `zoom`.
picture::Picture chart_picture(const ChartModel& model, const picture::Box& area, double zoom,
                               const picture::TextMeasure& measure);

// What the chart shows, for a screen reader: the quantities against each
// other, and each line with its number of points; or why nothing is drawn.
std::string chart_summary(const ChartModel& model);

}  // namespace gelvor::notebook_chart
