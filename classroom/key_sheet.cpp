// The answer key as a PDF: for each group, its students and a table of
// every notebook column down and its points across, each cell as the window
// shows it.
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include "classroom/prepare.h"
#include "notebook/assignment.h"
#include "notebook/class_messages.h"

namespace gelvor::classroom {
namespace {

QString escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

}  // namespace

QByteArray answer_key_pdf(const std::vector<Assignment>& assignments, const NumberStyle& style) {
    const std::vector<std::string> headers = answer_key_headers();
    const auto rows = answer_key_rows(assignments, style);
    QString html = QStringLiteral("<h1>%1</h1>").arg(QString::fromUtf8(kAnswerKeyTitle));
    std::size_t row = 0;
    for (const Assignment& a : assignments) {
        html += QStringLiteral("<h2>%1</h2><p>%2</p>")
                    .arg(escaped(a.group), escaped(listed(a.students, ", ")));
        html +=
            QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr><th></th>");
        for (std::size_t p = 0; p < a.points.size(); ++p)
            html += QStringLiteral("<th>%1 %2</th>").arg(QString::fromUtf8(kPointWord)).arg(p + 1);
        html += QStringLiteral("</tr>");
        // The group and the point's number are the table's own titles.
        for (std::size_t c = 2; c < headers.size(); ++c) {
            html += QStringLiteral("<tr><td>%1</td>").arg(escaped(headers[c]));
            for (std::size_t p = 0; p < a.points.size(); ++p)
                html +=
                    QStringLiteral("<td align=\"right\">%1</td>").arg(escaped(rows[row + p][c]));
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
        row += a.points.size();
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setTitle(QString::fromUtf8(kAnswerKeyTitle));
    pdf.setCreator(QStringLiteral("Gelvor"));
    QTextDocument document;
    document.setHtml(html);
    document.setPageSize(pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
    document.print(&pdf);
    buffer.close();
    return buffer.data();
}

}  // namespace gelvor::classroom
