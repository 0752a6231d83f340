#include "platform/DBChart.h"

#include "db/DataSet.h"
#include "platform/Fonts.h"
#include "platform/WaitCursor.h"
#include "purchasing/NumberText.h"

#include <algorithm>

namespace {

// Marks hang this far above their bars.
constexpr int kMarkLine = 20;
// A bar takes this share of the width of one X place.
constexpr double kBarWidth = 0.15;
const QColor kMarkColour(255, 255, 128);

// Axis labels in "#,##0.###", followed by a unit ("日", "月") where one is given.
template <class Base>
class LabelTicker : public Base {
public:
    explicit LabelTicker(QString unit = {}) : unit_(std::move(unit)) {}

protected:
    QString getTickLabel(double tick, const QLocale&, QChar, int) override { return DBChart::markText(tick) + unit_; }

private:
    QString unit_;
};

}  // namespace

DBChart::DBChart(QWidget* parent) : QCustomPlot(parent)
{
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0, QColor(0, 128, 255));
    gradient.setColorAt(1, Qt::white);
    setBackground(QBrush(gradient));
    axisRect()->setBackground(Qt::NoBrush);

    plotLayout()->insertRow(0);
    plotLayout()->setRowSpacing(0);
    title_ = new QCPTextElement(this, QString(), platform::songti(14, true));
    title_->setTextColor(Qt::white);
    plotLayout()->addElement(0, 0, title_);

    // Fixed margins put the bottom axis's end labels in the chart's corners.
    axisRect()->setAutoMargins(QCP::msNone);
    axisRect()->setMargins(QMargins(56, 8, 29, 29));
    const QFont labels = platform::msSansSerif(11);
    xAxis->setTickLabelFont(labels);
    yAxis->setTickLabelFont(labels);
    yAxis->setTicker(QSharedPointer<QCPAxisTicker>(new LabelTicker<QCPAxisTicker>));

    series_ = new QCPBars(xAxis, yAxis);
    series_->setWidthType(QCPBars::wtPlotCoords);
    series_->setWidth(kBarWidth);
    fitValueAxis();
}

DBChart::~DBChart()
{
    if (dataSet_) dataSet_->unsubscribe(subscription_);
}

void DBChart::setTitle(const QString& title)
{
    title_->setText(title);
    replot();
}

QString DBChart::title() const
{
    return title_->text();
}

void DBChart::setBarColour(const QColor& colour)
{
    series_->setBrush(colour);
    series_->setPen(QPen(colour.darker(150)));
    replot();
}

void DBChart::setBottomAxis(double min, double max, double step, const QString& unit)
{
    auto ticker = QSharedPointer<LabelTicker<QCPAxisTickerFixed>>::create(unit);
    ticker->setTickStep(step);
    ticker->setScaleStrategy(QCPAxisTickerFixed::ssNone);
    xAxis->setTicker(ticker);
    xAxis->setRange(min, max);
    replot();
}

void DBChart::setDataSet(DataSetView* dataSet, const QString& xField, const QString& yField)
{
    if (dataSet_) dataSet_->unsubscribe(subscription_);
    dataSet_ = dataSet;
    xField_ = xField;
    yField_ = yField;
    if (dataSet_) {
        subscription_ = dataSet_->subscribe([this](DataSetEvent e) {
            if (e != DataSetEvent::Moved && e != DataSetEvent::StateChanged) load();
        });
    }
    load();
}

QString DBChart::markText(double value)
{
    return FormatFloatGrouped(value);
}

QStringList DBChart::markTexts() const
{
    QStringList out;
    for (const QCPItemText* m : marks_) out << m->text();
    return out;
}

void DBChart::clear()
{
    series_->data()->clear();
    clearItems();
    marks_.clear();
    bars_.clear();
}

void DBChart::load()
{
    clear();
    if (dataSet_ && dataSet_->active()) {
        const WaitCursor wait;
        const int xc = dataSet_->fieldIndex(xField_), yc = dataSet_->fieldIndex(yField_);
        if (xc >= 0 && yc >= 0) {
            for (int r = 0; r < dataSet_->recordCount(); ++r) {
                bool isNumber = false;
                const double x = dataSet_->cellNumber(r, xc, &isNumber);
                if (isNumber) bars_.push_back({x, dataSet_->cellNumber(r, yc)});
            }
        }
        std::stable_sort(bars_.begin(), bars_.end(), [](const Bar& a, const Bar& b) { return a.x < b.x; });
        QVector<double> keys, values;
        for (const Bar& b : bars_) {
            keys << b.x;
            values << b.y;
            addMark(b);
        }
        series_->setData(keys, values, true);
    }
    fitValueAxis();
    replot();
}

void DBChart::addMark(const Bar& bar)
{
    auto* line = new QCPItemLine(this);
    line->setClipToAxisRect(false);
    line->setPen(QPen(Qt::black));
    line->start->setCoords(bar.x, bar.y);
    line->end->setType(QCPItemPosition::ptAbsolute);
    line->end->setParentAnchor(line->start);
    line->end->setCoords(0, -kMarkLine);

    auto* mark = new QCPItemText(this);
    mark->setClipToAxisRect(false);
    mark->position->setType(QCPItemPosition::ptAbsolute);
    mark->position->setParentAnchor(line->end);
    mark->position->setCoords(0, 0);
    mark->setPositionAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    mark->setFont(platform::msSansSerif(11));
    mark->setText(markText(bar.y));
    mark->setBrush(kMarkColour);
    mark->setPen(QPen(Qt::black));
    mark->setPadding(QMargins(2, 1, 2, 1));
    marks_.push_back(mark);
}

// The left axis spans the bars and 0, with room above the highest bar for
// its mark.
void DBChart::fitValueAxis()
{
    double low = 0, high = 0;
    for (const Bar& b : bars_) {
        low = std::min(low, b.y);
        high = std::max(high, b.y);
    }
    if (high <= low) high = low + 1;
    updateLayout();
    const double height = axisRect()->height();
    const double room = kMarkLine + QFontMetrics(platform::msSansSerif(11)).height() + 6;
    if (!bars_.empty() && height > 2 * room) high = low + (high - low) * height / (height - room);
    yAxis->setRange(low, high);
}
