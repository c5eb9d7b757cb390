#include "ui/notebook/notebook_print.h"

#include <QDate>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "texts/print_texts.h"
#include "ui/look.h"
#include "ui/notebook/notebook_chart.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/ph_diagram.h"
#include "ui/text_qt.h"

namespace gelvor::ui::notebook {
namespace {

void frame_page(QPainter& painter, const QRectF& page, double line, int number, int count) {
    painter.setPen(QPen(Qt::black, line / 12));
    const QString title = qt::to_qstring(texts::kPageHead);
    painter.drawText(QRectF(page.left(), page.top(), page.width(), line), Qt::AlignLeft, title);
    painter.drawText(QRectF(page.left(), page.top(), page.width(), line), Qt::AlignRight,
                     // The words in Spanish, as everywhere in the program.
                     QLocale(QLocale::Spanish, QLocale().territory())
                         .toString(QDate::currentDate(), QLocale::LongFormat));
    painter.drawLine(QPointF(page.left(), page.top() + line * 1.2),
                     QPointF(page.right(), page.top() + line * 1.2));
    painter.drawText(QRectF(page.left(), page.bottom() - line, page.width(), line),
                     Qt::AlignHCenter, qt::to_qstring(texts::kPageNumber).arg(number).arg(count));
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
    QRectF body = page.adjusted(0, line * 2, 0, -line * 2);

    // Who and when, under the first page's head.
    const NotebookHeader& who = model.header();
    const QDate date = QDate::fromString(QString::fromStdString(who.date), Qt::ISODate);
    const QString heading =
        qt::to_qstring(texts::kWhoRecorded)
            .arg(QString::fromStdString(who.students), QString::fromStdString(who.group),
                 date.isValid() ? QLocale(QLocale::Spanish, QLocale::Spain)
                                      .toString(date, qt::to_qstring(texts::kLongDateFormat))
                                : QString());
    const QRectF heading_box(body.left(), body.top(), body.width(), line * 3);
    const double heading_height =
        painter.boundingRect(heading_box, Qt::TextWordWrap, heading).height() + line;

    // Notes, after the table: a point's number and its note, each as long as it is.
    QStringList notes;
    for (int r = 0; r < model.count(); ++r) {
        if (!model.point(r).note.empty())
            notes << QStringLiteral("%1: %2")
                         .arg(model.point(r).number)
                         .arg(qt::to_qstring(model.point(r).note));
    }

    // Quantities down the page, points across; the notes apart.
    const int quantities = model.noteColumn();
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
        if (t == 0) {
            painter.drawText(heading_box, Qt::TextWordWrap, heading);
            body.setTop(body.top() + heading_height);
        } else {
            body.setTop(page.top() + line * 2);
        }
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
                    painter.fillRect(cell, mark.value<QColor>());
                painter.drawText(cell.adjusted(0, 0, -line / 2, 0),
                                 Qt::AlignRight | Qt::AlignVCenter, model.cellText(r, c));
            }
        }
        if (model.count() == 0)
            painter.drawText(body.adjusted(0, quantities * row_height + line, 0, 0),
                             Qt::AlignLeft | Qt::AlignTop, qt::to_qstring(texts::kNoReadings));
        if (t == table_pages - 1 && !notes.isEmpty())
            painter.drawText(body.adjusted(0, quantities * row_height + line, 0, 0),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             qt::to_qstring(texts::kNotesHeading) + u'\n' + notes.join(u'\n'));
    }
    if (chart) {
        printer.newPage();
        frame_page(painter, page, line, pages, pages);
        body.setTop(page.top() + line * 2);
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
