#pragma once

class QPrinter;

namespace gelvor::ui::notebook {

class NotebookChart;
class NotebookModel;
class PhDiagram;

// Prints the notebook: the readings as a table with one column per point
// (a page holds as many points as fit), then the chart and the p-h diagram
// as on show, each page headed with the program's name and the date and
// numbered at its foot. Returns false if the printer could not be started.
bool print_notebook(QPrinter& printer, const NotebookModel& model, NotebookChart* chart,
                    PhDiagram* diagram);

}  // namespace gelvor::ui::notebook
