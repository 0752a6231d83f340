#include "purchasing/XzspUnit.h"

#include "app/MainUnit.h"
#include "db/Reconnect.h"
#include "platform/Fonts.h"
#include "platform/HeaderStrip.h"
#include "platform/Platform.h"
#include "platform/StatusBar.h"
#include "platform/Wiring.h"
#include "purchasing/NumberText.h"
#include "purchasing/NumericKeyFilter.h"

#include "platform/DatePicker.h"
#include <QDateEdit>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

TXzspForm* XzspForm = nullptr;

namespace {

constexpr int kWidth = 443;
constexpr int kHeight = 248;
constexpr int kHeaderHeight = 49;
constexpr int kStatusHeight = 22;

QToolButton* headerButton(QWidget* parent, const QString& caption, int x)
{
    auto* b = new QToolButton(parent);
    b->setText(caption);
    b->setFont(platform::songti(13));
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(x, 13, 50, 22);
    return b;
}

int rowTop(int row) { return 16 + 24 * row; }

void label(QWidget* parent, const QString& text, int fieldLeft, int row)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(fieldLeft - 56, rowTop(row), 52, 21);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QLineEdit* field(QWidget* parent, int left, int row)
{
    auto* e = new QLineEdit(parent);
    e->setGeometry(left, rowTop(row), 121, 21);
    return e;
}

}  // namespace

TXzspForm::TXzspForm()
{
    setWindowTitle(QStringLiteral("进货管理"));
    setClientSize(kWidth, kHeight);
    buildHeader();
    buildBody();
    StatusBar1 = new TStatusBar({}, this);
    StatusBar1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusBar1->setGeometry(0, kHeight - kStatusHeight, kWidth, kStatusHeight);
    wire();
}

TXzspForm::~TXzspForm() = default;

void TXzspForm::buildHeader()
{
    const platform::HeaderStrip header = platform::headerStrip(this, kWidth, QStringLiteral("进货管理   新增商品"));
    Panel1 = header.panel;
    Label1 = header.title;
    Label2 = header.at;

    SpeedButton1 = headerButton(Panel1, QStringLiteral("保存"), 296);
    SpeedButton3 = headerButton(Panel1, QStringLiteral("保存"), 296);
    SpeedButton3->hide();
    SpeedButton2 = headerButton(Panel1, QStringLiteral("退出"), 360);
}

void TXzspForm::buildBody()
{
    Panel2 = new QFrame(this);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setGeometry(0, kHeaderHeight, kWidth, kHeight - kHeaderHeight - kStatusHeight);
    Panel2->setFont(platform::songti(13));

    constexpr int left = 88, right = 288;
    // Created row by row, left before right: that is also the focus order.
    label(Panel2, QStringLiteral("商品编号"), left, 0);
    Edit1 = field(Panel2, left, 0);
    label(Panel2, QStringLiteral("商品名称"), right, 0);
    Edit2 = field(Panel2, right, 0);
    label(Panel2, QStringLiteral("商品规格"), left, 1);
    Edit3 = field(Panel2, left, 1);
    label(Panel2, QStringLiteral("商品型号"), right, 1);
    Edit4 = field(Panel2, right, 1);
    label(Panel2, QStringLiteral("单位"), left, 2);
    Edit5 = field(Panel2, left, 2);
    label(Panel2, QStringLiteral("进货日期"), right, 2);
    DateTimePicker1 = new TDateTimePicker(Panel2);
    DateTimePicker1->setGeometry(right, rowTop(2), 121, 21);
    label(Panel2, QStringLiteral("进货单价"), left, 3);
    Edit6 = field(Panel2, left, 3);
    label(Panel2, QStringLiteral("进货数量"), right, 3);
    Edit7 = field(Panel2, right, 3);
    label(Panel2, QStringLiteral("进货金额"), left, 4);
    Edit8 = field(Panel2, left, 4);
    label(Panel2, QStringLiteral("供货厂商"), right, 4);
    Edit9 = field(Panel2, right, 4);
    label(Panel2, QStringLiteral("供货电话"), left, 5);
    Edit10 = field(Panel2, left, 5);
    label(Panel2, QStringLiteral("备注"), right, 5);
    Edit11 = field(Panel2, right, 5);

    // The amount is only ever computed, never typed.
    Edit8->setReadOnly(true);
    QPalette amount = Edit8->palette();
    amount.setColor(QPalette::Base, QColor(255, 128, 64));
    Edit8->setPalette(amount);

    QWidget* order[] = {Edit1, Edit2, Edit3, Edit4, Edit5, DateTimePicker1,
                        Edit6, Edit7, Edit8, Edit9, Edit10, Edit11};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    NumericKeyFilter::attach(Edit6);
    NumericKeyFilter::attach(Edit7);
    Edit6->installEventFilter(this);
    Edit7->installEventFilter(this);
}

void TXzspForm::wire()
{
    using platform::onClick;
    onClick(SpeedButton1, this, [this] { SpeedButton1Click(); });
    onClick(SpeedButton2, this, [this] { SpeedButton2Click(); });
    onClick(SpeedButton3, this, [this] { SpeedButton3Click(); });
}

bool TXzspForm::eventFilter(QObject* watched, QEvent* event)
{
    // Every key release counts, keys the number filter refused included.
    if (event->type() == QEvent::KeyRelease) {
        if (watched == Edit6) platform::guarded(this, [this] { Edit6KeyUp(); });
        else if (watched == Edit7) platform::guarded(this, [this] { Edit7KeyUp(); });
    }
    return TForm::eventFilter(watched, event);
}

void TXzspForm::Edit6KeyUp() { purchaseAmountUpdate(); }
void TXzspForm::Edit7KeyUp() { purchaseAmountUpdate(); }

void TXzspForm::purchaseAmountUpdate()
{
    // With either figure empty the amount keeps what it showed.
    if (Edit6->text().isEmpty() || Edit7->text().isEmpty()) return;
    const long double price = StrToFloat(Edit6->text());
    const long double quantity = StrToFloat(Edit7->text());
    Edit8->setText(FloatToStr(price * quantity));
}

void TXzspForm::ResetFields()
{
    for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4, Edit5}) e->clear();
    Edit6->setText(QStringLiteral("0"));
    Edit7->setText(QStringLiteral("1"));
    Edit8->setText(QStringLiteral("0"));
    for (QLineEdit* e : {Edit9, Edit10, Edit11}) e->clear();
}

void TXzspForm::SpeedButton2Click() { close(); }

void TXzspForm::FormShow()
{
    centreOnScreen();
    // Entry starts at the first field, whatever had the focus last time.
    Edit1->setFocus();
}

void TXzspForm::FormClose()
{
    // The grid shows what this window wrote, freshly read.
    Reconnect(MainForm->ADOConnection1, MainForm->ADOQuery1, QStringLiteral("select * from jxc"),
              MainForm->ADOQuery2, QStringLiteral("select * from kcbj"));
}
