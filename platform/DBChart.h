#pragma once
// A bar chart that follows a data set, drawn flat with QCustomPlot: a title
// over a vertical gradient that shows through the plot area, one bar per row
// at its numeric X place, and a mark above every bar with its value.
#include <QColor>
#include <QString>
#include <QStringList>
#include <qcustomplot.h>
#include <vector>

class DataSetView;

class DBChart : public QCustomPlot {
    Q_OBJECT
public:
    explicit DBChart(QWidget* parent = nullptr);
    ~DBChart() override;

    void setTitle(const QString& title);
    QString title() const;
    void setBarColour(const QColor& colour);
    // A fixed bottom axis from `min` to `max`, a label every `step`, each the
    // value in "#,##0.###" followed by `unit` ("5日").
    void setBottomAxis(double min, double max, double step, const QString& unit);

    // The chart follows `dataSet` (not owned; nullptr lets go of it): when it
    // closes the bars go, when it opens there is one bar per row, X and Y
    // read as numbers from the two fields. A row whose X is empty or no
    // number has no bar; an empty Y is 0. Reading moves no row.
    void setDataSet(DataSetView* dataSet, const QString& xField, const QString& yField);
    const DataSetView* dataSet() const { return dataSet_; }

    // What is drawn, in ascending X: the bars and the texts of their marks.
    struct Bar {
        double x, y;
    };
    const std::vector<Bar>& bars() const { return bars_; }
    QStringList markTexts() const;
    static QString markText(double value);  // "#,##0.###"

private:
    void load();
    void clear();
    void fitValueAxis();
    void addMark(const Bar& bar);

    DataSetView* dataSet_ = nullptr;
    int subscription_ = 0;
    QString xField_, yField_;
    QCPTextElement* title_;
    QCPBars* series_;
    std::vector<Bar> bars_;
    std::vector<QCPItemText*> marks_;
};
