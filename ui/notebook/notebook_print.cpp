#include "ui/notebook/notebook_print.h"

#include <QDate>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "ui/look.h"
#include "ui/notebook/notebook_chart.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/ph_diagram.h"

namespace gelvor::ui::notebook {
namespace {

void frame_page(QPainter& painter, const QRectF& page, double line, int number, int count) {
    painter.setPen(QPen(Qt::black, line / 12));
    const QString title = QStringLiteral("Gelvor: registro de lecturas");
    painter.drawText(QRectF(page.left(), page.top(), page.width(), line), Qt::AlignLeft, title);
    painter.drawText(QRectF(page.left(), page.top(), page.width(), line), Qt::AlignRight,
                     // The words in Spanish, as everywhere in the program.
                     QLocale(QLocale::Spanish, QLocale().territory())
                         .toString(QDate::currentDate(), QLocale::LongFormat));
    painter.drawLine(QPointF(page.left(), page.top() + line * 1.2),
                     QPointF(page.right(), page.top() + line * 1.2));
    painter.drawText(QRectF(page.left(), page.bottom() - line, page.width(), line),
                     Qt::AlignHCenter, QStringLiteral("Página %1 de %2").arg(number).arg(count));
    painter.setPen(Qt::black);
}

}  // namespace

bool print_notebook(QPrinter& printer, const NotebookModel& model, NotebookChart* chart,
                    PhDiagram* diagram) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    QFont font = look::sans(11);
    font.setPointSizeF(8);
    painter.setFont(font);
    const QFontMetricsF fm(font, painter.device());
    const double line = fm.height();
    const QRectF page =
        printer.pageLayout()
            .paintRectPixels(printer.resolution())
            .translated(-printer.pageLayout().paintRectPixels(printer.resolution()).topLeft());
    const QRectF body = page.adjusted(0, line * 2, 0, -line * 2);

    // Quantities down the page, points across.
    const int quantities = model.columnCount();
    double label_width = 0;
    for (int c = 0; c < quantities; ++c)
        label_width = std::max(label_width, fm.horizontalAdvance(model.headerText(c)));
    label_width += line;
    // As wide as the widest reading: the plain outlet temperatures run to 15 digits.
    double cell_width = fm.horizontalAdvance(QStringLiteral("00000,0"));
    for (int r = 0; r < model.count(); ++r)
        for (int c = 0; c < quantities; ++c)
            cell_width = std::max(cell_width, fm.horizontalAdvance(model.cellText(r, c)));
    cell_width += line;
    const double row_height = line * 1.35;
    const int per_page = std::max(1, static_cast<int>((body.width() - label_width) / cell_width));
    const int table_pages = std::max(1, (model.count() + per_page - 1) / per_page);
    const int pages = table_pages + (chart ? 1 : 0);

    for (int t = 0; t < table_pages; ++t) {
        if (t > 0)
            printer.newPage();
        frame_page(painter, page, line, t + 1, pages);
        const int first = t * per_page, last = std::min(model.count(), first + per_page);
        for (int c = 0; c < quantities; ++c) {
            const double y = body.top() + c * row_height;
            if (c % 2 == 1)
                painter.fillRect(
                    QRectF(body.left(), y, label_width + (last - first) * cell_width, row_height),
                    QColor(238, 238, 238));
            painter.drawText(QRectF(body.left(), y, label_width, row_height),
                             Qt::AlignLeft | Qt::AlignVCenter, model.headerText(c));
            for (int r = first; r < last; ++r) {
                const QRectF cell(body.left() + label_width + (r - first) * cell_width, y,
                                  cell_width, row_height);
                const QVariant mark = model.data(model.index(r, c), Qt::BackgroundRole);
                if (mark.isValid())
                    painter.fillRect(cell, look::kWarningFill);
                painter.drawText(cell.adjusted(0, 0, -line / 2, 0),
                                 Qt::AlignRight | Qt::AlignVCenter, model.cellText(r, c));
            }
        }
        if (model.count() == 0)
            painter.drawText(body.adjusted(0, quantities * row_height + line, 0, 0),
                             Qt::AlignLeft | Qt::AlignTop,
                             QStringLiteral("No hay lecturas anotadas."));
    }
    if (chart) {
        printer.newPage();
        frame_page(painter, page, line, pages, pages);
        chart->render(painter, body);
        if (diagram) {
            // Under the chart, at the proportions it has on a screen.
            const double top = body.top() + body.width() * 0.62 + line * 2;
            const QRectF rest(body.left(), top, body.width(), body.bottom() - top);
            diagram->print(painter, rest, QSizeF(760, 760 * rest.height() / rest.width()));
        }
    }
    return painter.end();
}

}  // namespace gelvor::ui::notebook
