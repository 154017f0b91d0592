#include "ui/form_base.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "ui/combo_pick.h"
#include "ui/field_edit.h"
#include "ui/frame_style.h"
#include "ui/platform.h"
#include "ui/session.h"

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

FormBase::FormBase(Session& session, const QString& name, const QString& caption, int widthTwips,
                   int heightTwips)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), session_(session) {
    // No platform title bar from the start: the caption stays for the task bar.
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(px(widthTwips), px(heightTwips));
    Image1 = new ClickLabel(this);
    Image1->setObjectName("Image1");  // drawn by the window: see paintEvent
    addDragHandle(Image1);
}

FormBase::~FormBase() { retire(); }

void FormBase::retire() {
    if (retired_) return;
    retired_ = true;
    // Every handler is connected with the window as its context.
    QObject::disconnect(this, nullptr, this, nullptr);
    for (QObject* o : findChildren<QObject*>()) QObject::disconnect(o, nullptr, this, nullptr);
    clickBehaviour_.clear();
}

double FormBase::twipsPerPixel() {
    static double tpp = [] {
        QScreen* s = QGuiApplication::primaryScreen();
        double dpi = s ? s->logicalDotsPerInchX() : 96.0;
        return dpi > 0 ? 1440.0 / dpi : 15.0;
    }();
    return tpp;
}

int FormBase::px(int twips) { return static_cast<int>(std::lround(twips / twipsPerPixel())); }
int FormBase::twips(int pixels) { return static_cast<int>(std::lround(pixels * twipsPerPixel())); }

void FormBase::place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(px(left), px(top), px(width), px(height));
}

void FormBase::placeAt(QWidget* w, int left, int top) { w->move(px(left), px(top)); }

void FormBase::showModeless() {
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

ClickLabel* FormBase::makePicture(const char* name, const QString& glyph) {
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

void FormBase::buildTitleStrip(const char* titleLabelName, const QString& title, ClickLabel* closePicture,
                               ClickLabel* minimisePicture) {
    titleLabel_ = new QLabel(title, this);
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

void FormBase::addDragHandle(QWidget* w) { w->installEventFilter(this); }

bool FormBase::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::LeftButton) {
            if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
            session_.platform().startMove(this);
            return true;
        }
        return true;  // other buttons do nothing
    }
    return QWidget::eventFilter(watched, e);
}

void FormBase::resizeEvent(QResizeEvent* e) {
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

void FormBase::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QColor(0, 0, 128));
    p.drawRect(0, 0, width() - 1, height() - 1);
    p.setPen(QColor(0, 0, 255));
    p.drawRect(1, 1, width() - 3, height() - 3);
    // The title strip lies over the border, under Image1 (which draws nothing itself).
    p.fillRect(Image1->geometry(), titleGradient());
}

void FormBase::makeCovering(QGroupBox* frame) { frame->setAutoFillBackground(true); }

void FormBase::select(QRadioButton* option) {
    option->setChecked(true);
    if (auto it = clickBehaviour_.find(option); it != clickBehaviour_.end()) (*it)();
}

void FormBase::setValue(QCheckBox* box, bool ticked) {
    if (box->isChecked() == ticked) return;
    box->setChecked(ticked);
    if (auto it = clickBehaviour_.find(box); it != clickBehaviour_.end()) (*it)();
}

void FormBase::setListIndex(QListWidget* list, int index) {
    {
        QSignalBlocker block(list);
        list->setCurrentRow(index);
    }
    if (auto it = clickBehaviour_.find(list); it != clickBehaviour_.end()) (*it)();
}

void FormBase::fillCombo(QComboBox* combo, const QStringList& items, const QString& text) {
    QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

QLineEdit* FormBase::addText(QWidget* parent, const char* name, int l, int t, int w, int h, const QString& text) {
    auto* e = new FieldEdit(parent);
    e->setObjectName(name);
    e->setTextMargins(0, 0, 0, 0);
    place(e, l, t, w, h);
    e->setText(text);
    return e;
}

QLabel* FormBase::addLabel(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    place(label, l, t, w, h);
    return label;
}

ClickLabel* FormBase::addClickLabel(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                                    int h) {
    auto* label = new ClickLabel(caption, parent);
    label->setObjectName(name);
    place(label, l, t, w, h);
    return label;
}

QGroupBox* FormBase::addFrame(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h) {
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(name);
    place(f, l, t, w, h);
    return f;
}

QPushButton* FormBase::addButton(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                                 int h, std::function<void()> onClick) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    place(b, l, t, w, h);
    if (onClick) connect(b, &QPushButton::clicked, this, [onClick] { onClick(); });
    return b;
}

QRadioButton* FormBase::addOption(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                                  int h, std::function<void()> onClick) {
    auto* o = new QRadioButton(caption, parent);
    o->setObjectName(name);
    place(o, l, t, w, h);
    if (onClick) {
        clickBehaviour_.insert(o, onClick);
        connect(o, &QRadioButton::clicked, this, [onClick] { onClick(); });
    }
    return o;
}

QCheckBox* FormBase::addCheck(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h,
                              bool ticked, std::function<void()> onClick) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    c->setChecked(ticked);
    place(c, l, t, w, h);
    if (onClick) {
        clickBehaviour_.insert(c, onClick);
        connect(c, &QCheckBox::clicked, this, [onClick] { onClick(); });
    }
    return c;
}

QComboBox* FormBase::addCombo(QWidget* parent, const char* name, int l, int t, int w, int h,
                              std::function<void()> onPick) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setLineEdit(new FieldEdit(c));
    c->setInsertPolicy(QComboBox::NoInsert);
    // No completion: a typed "3,10" must stay "3,10".
    c->setCompleter(nullptr);
    c->setMaxVisibleItems(16);
    place(c, l, t, w, h);
    if (onPick) new ComboPick(c, std::move(onPick));
    return c;
}

QListWidget* FormBase::addList(QWidget* parent, const char* name, int l, int t, int w, int h,
                               std::function<void()> onClick) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    place(list, l, t, w, h);
    if (onClick) {
        clickBehaviour_.insert(list, onClick);
        connect(list, &QListWidget::currentRowChanged, this, [onClick](int row) {
            if (row >= 0) onClick();
        });
    }
    return list;
}

void FormBase::onChange(QLineEdit* field, std::function<void()> reaction) {
    connect(field, &QLineEdit::textChanged, this, [reaction](const QString&) { reaction(); });
}

}  // namespace ampera
