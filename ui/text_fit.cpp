#include "ui/text_fit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include "layout/window_look.h"
#include "ui/box_mark.h"

namespace gelvor::ui {
namespace {

constexpr int kSmallestCaption = layout::kSmallestCaptionPixels;
constexpr int kSmallestBoxText = layout::kSmallestBoxTextPixels;
constexpr int kLineEditMargin = 2;  // Qt's own, on each side of a box's text
constexpr const char* kOwnPixels = "fittedTextPixels";

bool caption_fits(const QLabel* label, const QFont& font) {
    const QRect area = label->contentsRect();
    const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
    const QRect need =
        QFontMetrics(font).boundingRect(QRect(0, 0, area.width(), 10000), flags, label->text());
    // A pixel of descent below the box is not a cut caption.
    return need.width() <= area.width() && need.height() <= area.height() + 1;
}

int text_room(const QLineEdit* box) {
    QStyleOptionFrame opt;
    opt.initFrom(box);
    opt.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, box) : 0;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &opt, box);
    const QMargins m = box->textMargins();
    return contents.width() - m.left() - m.right() - 2 * kLineEditMargin;
}

void fit_box_text(QLineEdit* box, int own_pixels) {
    QFont font = box->font();
    const int room = text_room(box);
    int size = own_pixels;
    while (size > kSmallestBoxText) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(box->text()) <= room)
            break;
        --size;
    }
    font.setPixelSize(size);
    const bool fits = QFontMetrics(font).horizontalAdvance(box->text()) <= room;
    if (!fits)
        font.setPixelSize(own_pixels);
    if (font != box->font())
        box->setFont(font);
    // A reading longer than its box shows its beginning; the whole of it
    // shows when the mouse rests on the box.
    box->setProperty(kTextCutProperty, !fits);
    update_box_tip(box);
}

}  // namespace

void fit_caption(QLabel* label) {
    QFont font = label->font();
    while (!caption_fits(label, font) && font.pixelSize() > kSmallestCaption)
        font.setPixelSize(font.pixelSize() - 1);
    if (font != label->font())
        label->setFont(font);
}

void keep_text_fitted(QLineEdit* box) {
    box->setProperty(kOwnPixels, box->font().pixelSize());
    QObject::connect(box, &QLineEdit::textChanged, box,
                     [box] { fit_box_text(box, box_text_pixels(box)); });
    fit_box_text(box, box_text_pixels(box));
}

int box_text_pixels(const QLineEdit* box) {
    return box->property(kOwnPixels).toInt();
}

void set_box_text_pixels(QLineEdit* box, int pixels) {
    box->setProperty(kOwnPixels, pixels);
    fit_box_text(box, pixels);
}

}  // namespace gelvor::ui
