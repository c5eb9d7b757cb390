#include "ui/splash.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include "assets/assets.h"
#include "texts/splash_texts.h"
#include "ui/look.h"
#include "ui/splash_layout.h"
#include "ui/text_qt.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/shadow_label.h"

namespace gelvor::ui {
namespace {

namespace L = splash_layout;

QString version_text() {
    return qt::to_qstring(texts::kSplashVersion)
        .arg(L::kVersionMajor)
        .arg(L::kVersionMinor)
        .arg(L::kVersionRevision);
}

QPalette coloured(QPalette pal, const QColor& text) {
    pal.setColor(QPalette::Window, look::bgr(L::kBackgroundBgr));
    pal.setColor(QPalette::WindowText, text);
    return pal;
}

void add_label(QFrame* frame, const L::LabelSpec& s) {
    QString text = s.text ? QString::fromUtf8(s.text) : QString();
    if (qstrcmp(s.name, "lblProductName") == 0)
        text = QString::fromUtf8(L::kProductName);
    if (qstrcmp(s.name, "lblVersion") == 0)
        text = version_text();
    auto* l = new QLabel(text, frame);
    l->setObjectName(QLatin1String(s.name));
    l->setAccessibleName(text);
    l->setFont(look::sans(s.pixels, s.bold));
    l->setAlignment(Qt::Alignment(s.align));
    l->setPalette(coloured(l->palette(), look::system_colour(L::kLabelColourIndex)));
    l->setAutoFillBackground(true);
    const QRect design = px(s.rect);
    if (s.auto_sized) {
        const QSize fit = l->sizeHint();
        const bool right = s.align & Qt::AlignRight;
        l->setGeometry(right ? design.right() + 1 - fit.width() : design.left(), design.top(),
                       fit.width(), fit.height());
    } else {
        l->setWordWrap(true);
        l->setGeometry(design);
    }
}

}  // namespace

Splash::Splash(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setAccessibleName(QString::fromUtf8(L::kProductName));
    setFixedSize(px(L::kWindow).size());
    setPalette(coloured(palette(), look::system_colour(L::kLabelColourIndex)));
    setAutoFillBackground(true);

    frame_ = new QFrame(this);
    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame_->setGeometry(px(L::kFrame));
    frame_->installEventFilter(this);

    auto* title = new ShadowLabel(QString::fromUtf8(L::kTitleText), frame_);
    title->setObjectName(QStringLiteral("iLabelX1"));
    title->setFont(look::gothic(L::kTitlePixels, true));
    title->setColours(look::bgr(L::kTitleBgr), look::system_colour(L::kLabelColourIndex));
    title->setGeometry(px(L::kTitle));

    auto* logo =
        new Picture(QLatin1String(assets::kMakerLogo), Picture::Fit::stretched, false, frame_);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setAccessibleName(qt::to_qstring(texts::kLogoName));
    logo->setGeometry(px(L::kLogo));

    for (const auto& s : L::labels()) add_label(frame_, s);
    // Only the frame's bare background closes the window, not what lies on it.
    for (QWidget* child : frame_->findChildren<QWidget*>())
        child->setAttribute(Qt::WA_NoMousePropagation);

    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setParent(this);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Splash::dismiss);
    timer_.start(L::kTimeoutMs);
}

void Splash::showEvent(QShowEvent* e) {
    if (QScreen* s = screen())
        move(s->geometry().center() - rect().center());
    QWidget::showEvent(e);
    activateWindow();
    raise();
}

void Splash::keyPressEvent(QKeyEvent* e) {
    if (!e->text().isEmpty())
        return dismiss();
    QWidget::keyPressEvent(e);
}

bool Splash::eventFilter(QObject* watched, QEvent* e) {
    if (watched == frame_ && e->type() == QEvent::MouseButtonRelease) {
        const auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() == Qt::LeftButton && frame_->rect().contains(m->position().toPoint()))
            dismiss();
    }
    return QWidget::eventFilter(watched, e);
}

void Splash::dismiss() {
    if (dismissed_)
        return;
    dismissed_ = true;
    timer_.stop();
    emit dismissed();
}

}  // namespace gelvor::ui
