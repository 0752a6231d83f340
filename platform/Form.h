#pragma once
// A top-level window of the program: fixed client size, created hidden, with
// show and close handlers that run under the error guard.
#include <QWidget>

class TForm : public QWidget {
    Q_OBJECT
public:
    enum class Border { Window, Dialog };
    explicit TForm(Border border = Border::Dialog);

    // Fixed single border: the client area is exactly this size. A main
    // window may still be maximised; restored, it has this size again.
    void setClientSize(int width, int height);
    void centreOnScreen();

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool sizeIsFree() const { return windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen); }
    void keepClientSize();

    Border border_;
    QSize clientSize_;
};
