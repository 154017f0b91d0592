#include "ui/form10_chart.h"

#include <QCloseEvent>
#include <QSizeGrip>

#include "model/time_chart.h"
#include "ui/time_chart_drawing.h"

namespace ampera {

namespace {

// Layout, twips: the chart under the title strip over the whole window, down
// to the size grip's strip.
constexpr int kWidth = 9600, kHeight = 6900, kMinWidth = 6000, kMinHeight = 4200;
constexpr int kMargin = 60, kChartTop = 390, kGripStrip = 240, kRowH = 285;

}  // namespace

Form10::Form10(Session& session) : FormBase(session, kName, model::kChartTitle, kWidth, kHeight) {
    Picture1[0] = makePicture("Picture1[0]", "×");
    Picture1[1] = makePicture("Picture1[1]", "_");
    buildTitleStrip("Label19", model::kChartTitle, Picture1[0], Picture1[1]);
    Label19 = findChild<QLabel*>("Label19");
    connect(Picture1[0], &ClickLabel::clicked, this, [this] { Picture1_Click(0); });
    connect(Picture1[1], &ClickLabel::clicked, this, [this] { Picture1_Click(1); });
    setMinimumSize(px(kMinWidth), px(kMinHeight));

    const LoadedDrawing& loaded = timeChartDrawing();
    lblMessage = addLabel(this, "lblMessage", loaded.message, kMargin * 2, kChartTop + 120, kWidth - 4 * kMargin,
                          3 * kRowH);
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (loaded.drawing) {
        Chart1 = loaded.drawing->makeView(this);
        Chart1->setObjectName("Chart1");
        lblMessage->hide();
    }
    SizeGrip = new QSizeGrip(this);
    SizeGrip->setObjectName("SizeGrip");
    QResizeEvent e(size(), size());
    resizeEvent(&e);
}

void Form10::showChart(const model::TimeChart& chart) {
    if (const LoadedDrawing& loaded = timeChartDrawing(); loaded.drawing && Chart1) loaded.drawing->show(Chart1, chart);
}

void Form10::resizeEvent(QResizeEvent* e) {
    FormBase::resizeEvent(e);
    if (!SizeGrip) return;
    if (Chart1)
        Chart1->setGeometry(px(kMargin), px(kChartTop), width() - px(2 * kMargin),
                            height() - px(kChartTop + kGripStrip));
    lblMessage->resize(width() - px(4 * kMargin), lblMessage->height());
    const QSize grip = SizeGrip->sizeHint();
    SizeGrip->setGeometry(width() - grip.width() - 2, height() - grip.height() - 2, grip.width(), grip.height());
}

void Form10::Picture1_Click(int index) {
    if (index == 0) hide();
    else showMinimized();
}

void Form10::closeEvent(QCloseEvent* e) {
    e->ignore();
    hide();
}

}  // namespace ampera
