#include "duty/ui/tform4.hpp"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

#include "app/ui/chart_support.hpp"
#include "app/ui/forms.hpp"
#include "app/ui/guarded_connect.hpp"
#include "app/ui/look.hpp"
#include "app/ui/pictures.hpp"
#include "app/ui/tform1.hpp"

namespace zun::ui {
namespace {

constexpr int kColumnWidth = 90;
constexpr int kGridRowHeight = 24;

QString StepLabel(int step) { return QStringLiteral("負載型式%1").arg(step); }

QToolButton* GlyphButton(QWidget* parent, const char* name, int y, Picture picture) {
    auto* button = Place<QToolButton>(parent, name, 312, y, 33, 33);
    button->setIcon(PicturePixmap(picture, QSize(27, 27)));
    button->setIconSize(QSize(27, 27));
    button->setAutoRaise(true);
    return button;
}

}  // namespace

TForm4::TForm4(Forms& forms, MessageSink& messages)
    : ZunWindow(QStringLiteral("工況設定"), QSize(992, 407), kWindow, PixelFont(kArial, 16)),
      forms_(forms),
      messages_(messages) {
    setObjectName(QStringLiteral("Form4"));

    StringGrid1 = Place<QTableWidget>(this, "StringGrid1", 8, 8, 297, 393);
    StringGrid1->setFont(PixelFont(kMsSansSerif, 13));
    StringGrid1->setColumnCount(2);
    StringGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGrid1->setShowGrid(true);
    for (QHeaderView* header : {StringGrid1->horizontalHeader(), StringGrid1->verticalHeader()}) {
        header->setSectionsMovable(true);
        header->setSectionResizeMode(QHeaderView::Interactive);
        header->setHighlightSections(false);
    }
    StringGrid1->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    StringGrid1->verticalHeader()->setFixedWidth(kColumnWidth);
    StringGrid1->horizontalHeader()->setFixedHeight(kGridRowHeight);
    StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StringGrid1->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    SpeedButton1 = GlyphButton(this, "SpeedButton1", 16, Picture::Plus);
    SpeedButton2 = GlyphButton(this, "SpeedButton2", 64, Picture::Minus);
    SpeedButton3 = GlyphButton(this, "SpeedButton3", 112, Picture::CheckMark);

    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("工況圖"));
    chart->setTitleFont(PixelFont(kArial, 16, true));
    chart->legend()->hide();
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    Series1 = new QLineSeries;
    QPen pen(Qt::red);
    pen.setWidth(3);
    Series1->setPen(pen);
    chart->addSeries(Series1);
    auto* x = new QValueAxis;
    x->setTitleText(QStringLiteral("時間(sec)"));
    auto* y = new QValueAxis;
    y->setTitleText(QStringLiteral("電流(A)"));
    for (QValueAxis* axis : {x, y}) {
        axis->setLabelFormat(QStringLiteral("%.4g"));
        axis->setTitleFont(PixelFont(kArial, 13));
        axis->setLabelsFont(PixelFont(kArial, 12));
    }
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    Series1->attachAxis(x);
    Series1->attachAxis(y);
    Chart1 = new QChartView(chart, this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setGeometry(360, 16, 625, 377);
    Chart1->setRenderHint(QPainter::Antialiasing);
    Chart1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Chart1->setFrameShape(QFrame::NoFrame);

    ConnectGuarded(SpeedButton1, &QToolButton::clicked, this, messages_, &TForm4::SpeedButton1Click);
    ConnectGuarded(SpeedButton2, &QToolButton::clicked, this, messages_, &TForm4::SpeedButton2Click);
    ConnectGuarded(SpeedButton3, &QToolButton::clicked, this, messages_, &TForm4::SpeedButton3Click);
    FormCreate();
}

void TForm4::FormCreate() {
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("電流(A)"), QStringLiteral("時間(sec)")});
    for (int k = 0; k < kMinProfileSteps; ++k) AppendStepRow();
}

int TForm4::GridRowCount() const { return StringGrid1->rowCount() + 1; }

void TForm4::AppendStepRow() {
    const int row = StringGrid1->rowCount();
    StringGrid1->insertRow(row);
    StringGrid1->setVerticalHeaderItem(row, new QTableWidgetItem(StepLabel(row + 1)));
    for (int column = 0; column < 2; ++column) StringGrid1->setItem(row, column, new QTableWidgetItem);
}

void TForm4::SpeedButton1Click() {
    if (StringGrid1->rowCount() >= kMaxProfileSteps) return;
    AppendStepRow();
}

void TForm4::SpeedButton2Click() {
    if (StringGrid1->rowCount() <= kMinProfileSteps) return;
    // The row shown last goes, with its label and cells.
    StringGrid1->removeRow(StringGrid1->verticalHeader()->logicalIndex(StringGrid1->rowCount() - 1));
}

QTableWidgetItem* TForm4::DisplayedCell(int row, int column) const {
    const int logicalRow = StringGrid1->verticalHeader()->logicalIndex(row - 1);
    const int logicalColumn = StringGrid1->horizontalHeader()->logicalIndex(column - 1);
    return StringGrid1->item(logicalRow, logicalColumn);
}

WorkingConditionProfile TForm4::DisplayedSteps() const {
    WorkingConditionProfile steps;
    for (int row = 1; row <= StringGrid1->rowCount(); ++row) {
        auto text = [&](int column) {
            const QTableWidgetItem* item = DisplayedCell(row, column);
            return item ? item->text().toStdString() : std::string();
        };
        steps.push_back({text(1), text(2)});
    }
    return steps;
}

void TForm4::SpeedButton3Click() {
    Series1->clear();
    const ProfileSummary s = EvaluateProfile(DisplayedSteps());

    SetPoints(Series1, s.points);
    const auto& points = s.points;
    QValueAxis* x = ValueAxis(Chart1, Qt::Horizontal);
    QValueAxis* y = ValueAxis(Chart1, Qt::Vertical);
    if (!points.empty()) {
        const auto [lo, hi] = std::minmax_element(points.begin(), points.end(),
                                                  [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; });
        x->setRange(lo->x, hi->x > lo->x ? hi->x : lo->x + 1);
    }
    if (s.axisMax) {
        y->setRange(0, *s.axisMax);
        currentAxisFixed_ = true;
    } else if (!currentAxisFixed_ && !points.empty()) {
        const auto [lo, hi] = std::minmax_element(points.begin(), points.end(),
                                                  [](const ChartPoint& a, const ChartPoint& b) { return a.y < b.y; });
        y->setRange(std::min(0.0, lo->y), hi->y > 0 ? hi->y : 1);
        y->applyNiceNumbers();
    }
    if (s.failure) throw *s.failure;

    TForm1* main = forms_.Form1;
    main->Edit1->setText(QString::fromStdString(s.workingTimeText));
    main->Edit2->setText(QString::fromStdString(s.periodText));
    main->Edit3->setText(QString::fromStdString(s.currentText));
}

}  // namespace zun::ui
