#include "stock/KcglUnit.h"

#include "app/MainUnit.h"
#include "db/ConnectionString.h"
#include "platform/DataWindow.h"
#include "platform/Fonts.h"
#include "platform/HeaderStrip.h"
#include "platform/Platform.h"
#include "platform/StatusBar.h"
#include "platform/Wiring.h"
#include "purchasing/NumberText.h"
#include "purchasing/NumericKeyFilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

TKcglForm* KcglForm = nullptr;

namespace {

constexpr int kWidth = 299, kHeight = 128;
constexpr int kHeaderHeight = 49, kStatusHeight = 22;
const QString kThreshold = QStringLiteral("库存报警数");

}  // namespace

TKcglForm::TKcglForm()
{
    setWindowTitle(QStringLiteral("库存管理"));
    setClientSize(kWidth, kHeight);

    const platform::HeaderStrip header = platform::headerStrip(this, kWidth, QStringLiteral("库存管理   报警设置"));
    Panel1 = header.panel;
    Label1 = header.title;
    Label2 = header.at;

    Panel2 = new QFrame(this);
    Panel2->setGeometry(0, kHeaderHeight, kWidth, kHeight - kHeaderHeight - kStatusHeight);
    Panel2->setFont(platform::songti(13));
    Label3 = new QLabel(kThreshold, Panel2);
    Label3->move(48, 20);
    Label3->adjustSize();
    Edit1 = new QLineEdit(Panel2);
    Edit1->setGeometry(120, 16, 41, 21);
    SpeedButton1 = new QToolButton(Panel2);
    SpeedButton1->setText(QStringLiteral("确定"));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setGeometry(184, 16, 49, 22);

    StatusBar1 = new TStatusBar({0}, this);
    StatusBar1->setGeometry(0, kHeight - kStatusHeight, kWidth, kStatusHeight);
    StatusBar1->setPanelText(0, QStringLiteral(" 库存数量小于库存报警数时，记录显示黄色！"));

    // Edit1KeyPress: the number fields' key filter.
    NumericKeyFilter::attach(Edit1);
    Edit1->installEventFilter(this);
    platform::onClick(SpeedButton1, this, [this] { SpeedButton1Click(); });

    openAtCreation(this, ADOConnection1, connstr::shortForm(), {{&ADOQuery1, QStringLiteral("select * from kcbj")}});
}

TKcglForm::~TKcglForm() = default;

QString TKcglForm::ThresholdText()
{
    return ADOQuery1.RecordCount() > 0 ? ADOQuery1.FieldByName(kThreshold).AsString() : QString();
}

bool TKcglForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1) {
        // Every release of a key pressed in the field counts, keys the filter
        // refused included. A release whose press went elsewhere (Enter on
        // the check's own message box) does not: it would bring the message
        // straight back.
        if (event->type() == QEvent::KeyPress) {
            keyPressedInEdit1_ = true;
        } else if (event->type() == QEvent::KeyRelease && keyPressedInEdit1_) {
            if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
                keyPressedInEdit1_ = false;
            platform::guarded(this, [this] { Edit1KeyUp(); });
        } else if (event->type() == QEvent::FocusOut) {
            keyPressedInEdit1_ = false;
        }
    }
    return TForm::eventFilter(watched, event);
}

void TKcglForm::Edit1KeyUp()
{
    // A text that is not a number counts as not above 0; this check never
    // raises the conversion error.
    long double value = 0;
    if (TryTextToFloat(Edit1->text(), value) && value > 0)
        return;
    Edit1->clear();
    platform::notice(this, QStringLiteral("库存报警数必须大于0！"));
}

void TKcglForm::SpeedButton1Click()
{
    if (ADOQuery1.RecordCount() == 0)
        ADOQuery1.Append();
    else
        ADOQuery1.Edit();
    // As typed: the column converts it, and an empty text leaves no value.
    ADOQuery1.FieldByName(kThreshold).SetAsString(Edit1->text());
    ADOQuery1.Post();
    // The window closes once this is done; the message stands over it first.
    platform::notice(this, QStringLiteral("库存报警设置成功！"));
    MainForm->show();
    close();
}

void TKcglForm::FormShow()
{
    centreOnScreen();
    Edit1->setFocus();
}

void TKcglForm::FormClose()
{
    // Becoming visible, the main window re-reads its products and threshold.
    MainForm->show();
}
