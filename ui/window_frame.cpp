#include "ui/window_frame.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/frame_style.h"
#include "ui/platform.h"
#include "ui/twips.h"

namespace ampera {

namespace {

constexpr int kPictureWidth = 270;   // twips
constexpr int kPictureHeight = 240;  // twips

// The title strip's colours, dark blue at the left fading to light blue.
QLinearGradient titleGradient() {
    QLinearGradient g(0, 0, 1, 0);
    g.setCoordinateMode(QGradient::ObjectBoundingMode);
    g.setColorAt(0, QColor(0x0a, 0x24, 0x6a));
    g.setColorAt(0.6, QColor(0x3a, 0x6e, 0xa5));
    g.setColorAt(1, QColor(0xa6, 0xca, 0xf0));
    return g;
}

}  // namespace

WindowFrame::WindowFrame(Platform& platform, const QString& name, const QString& caption, int widthTwips,
                         int heightTwips)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), platform_(platform), caption_(caption) {
    // No platform title bar from the start; the title strip gives the desktop its title.
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(px(widthTwips), px(heightTwips));
    Image1 = new ClickLabel(this);
    Image1->setObjectName("Image1");  // drawn by the window: see paintEvent
    addDragHandle(Image1);
}

void WindowFrame::showModeless() {
    if (isMinimized()) showNormal();
    else show();
    raise();
    activateWindow();
}

ClickLabel* WindowFrame::makePicture(const char* name, const QString& glyph) {
    auto* p = new ClickLabel(glyph, this);
    p->setObjectName(name);
    p->setAlignment(Qt::AlignCenter);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);  // the style draws it raised, one pixel
    p->setLineWidth(1);
    QFont bold = p->font();
    bold.setBold(true);
    p->setFont(bold);
    p->resize(px(kPictureWidth), px(kPictureHeight));
    return p;
}

void WindowFrame::buildTitleStrip(const char* titleLabelName, const QString& title, ClickLabel* closePicture,
                                  ClickLabel* minimisePicture) {
    titleLabel_ = new QLabel(title, this);
    setWindowTitle(title);  // what the desktop shows is what the strip draws
    titleLabel_->setObjectName(titleLabelName);
    setTone(titleLabel_, Tone::Title);
    titleLabel_->setGeometry(px(120), px(30), width() - px(900), px(kTitleHeight - 60));
    addDragHandle(titleLabel_);
    closePicture_ = closePicture;
    minimisePicture_ = minimisePicture;
    for (QWidget* w : {static_cast<QWidget*>(Image1), static_cast<QWidget*>(titleLabel_),
                       static_cast<QWidget*>(closePicture_), static_cast<QWidget*>(minimisePicture_)})
        if (w) w->raise();
    QResizeEvent e(size(), size());
    resizeEvent(&e);
}

void WindowFrame::addDragHandle(QWidget* w) { w->installEventFilter(this); }

bool WindowFrame::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::LeftButton) {
            if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
            platform_.startMove(this);
            return true;
        }
        return true;  // other buttons do nothing
    }
    return QWidget::eventFilter(watched, e);
}

void WindowFrame::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Image1->setGeometry(0, 0, width(), px(kTitleHeight));
    if (titleLabel_) titleLabel_->resize(std::max(0, width() - px(900)), titleLabel_->height());
    // The rightmost picture sits 40 twips from the right edge, the next one 20 twips left of it.
    ClickLabel* rightmost = closePicture_ ? closePicture_ : minimisePicture_;
    if (rightmost) rightmost->move(width() - rightmost->width() - px(40), px(30));
    if (closePicture_ && minimisePicture_)
        minimisePicture_->move(closePicture_->x() - minimisePicture_->width() - px(20), px(30));
    update();
}

void WindowFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QColor(0, 0, 128));
    p.drawRect(0, 0, width() - 1, height() - 1);
    p.setPen(QColor(0, 0, 255));
    p.drawRect(1, 1, width() - 3, height() - 3);
    // The title strip lies over the border, under Image1 (which draws nothing itself).
    p.fillRect(Image1->geometry(), titleGradient());
}

}  // namespace ampera
