#pragma once
// A status bar of fixed-width panels; the last panel takes the rest.
#include <QFrame>
#include <vector>

class QLabel;

class TStatusBar : public QFrame {
    Q_OBJECT
public:
    explicit TStatusBar(const std::vector<int>& widths, QWidget* parent = nullptr);
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);
    QLabel* panel(int index) const { return panels_[size_t(index)]; }
    int panelCount() const { return int(panels_.size()); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutPanels();
    std::vector<int> widths_;
    std::vector<QLabel*> panels_;
};
