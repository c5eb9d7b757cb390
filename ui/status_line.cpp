#include "ui/status_line.h"

#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QStatusBar>
#include <QStringList>
#include <algorithm>

#include "layout/form1_layout.h"
#include "ui/look.h"
#include "ui/text_qt.h"
#include "ui/twips.h"

namespace gelvor::ui {
namespace {

QColor colour(session::Tone tone) {
    switch (tone) {
        case session::Tone::fault:
            return look::kFaultText;
        case session::Tone::warning:
            return look::kWarningText;
        case session::Tone::validity:
            return look::kValidityText;
        default:
            return Qt::black;
    }
}

}  // namespace

void show_status_lines(QMainWindow* window, QLabel* line,
                       const std::vector<session::StatusLine>& lines) {
    const bool one_tone = std::ranges::all_of(
        lines, [&](const session::StatusLine& l) { return l.tone == lines.front().tone; });
    if (one_tone) {
        QPalette colours = line->palette();
        colours.setColor(QPalette::WindowText,
                         colour(lines.empty() ? session::Tone::note : lines.front().tone));
        line->setPalette(colours);
        line->setTextFormat(Qt::PlainText);
        QStringList texts;
        for (const session::StatusLine& l : lines) texts << qt::to_qstring(l.text);
        line->setText(texts.join(u'\n'));
    } else {
        QStringList html;
        for (const session::StatusLine& l : lines) {
            html << QStringLiteral("<span style=\"color:%1\">%2</span>")
                        .arg(colour(l.tone).name(), qt::to_qstring(l.text).toHtmlEscaped());
        }
        line->setTextFormat(Qt::RichText);
        line->setText(html.join(QStringLiteral("<br>")));
    }
    QStatusBar* bar = window->statusBar();
    const int one_line = px(layout::kStatusLineTwips);
    const int padding = one_line - line->fontMetrics().height();
    const int height = lines.empty()
                           ? one_line
                           : std::max(one_line, line->heightForWidth(line->width()) + padding);
    const int shrink = bar->height() - height;
    if (shrink == 0)
        return;
    bar->setFixedHeight(height);
    // Back to the window's own size once a long message has gone.
    if (shrink > 0 && window->windowState() == Qt::WindowNoState) {
        window->layout()->activate();  // the smaller minimum first, then the size
        window->resize(window->width(), window->height() - shrink);
    }
}

}  // namespace gelvor::ui
