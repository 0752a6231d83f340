// The sale window's layout and wiring; its handlers live in the files next to it.
#include "sales/XsspUnit.h"

#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/StatusBar.h"
#include "platform/Wiring.h"
#include "purchasing/NumericKeyFilter.h"

#include <QComboBox>
#include "platform/DatePicker.h"
#include <QDateEdit>
#include <QEvent>
#include <QKeyEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TXsspForm* XsspForm = nullptr;

namespace {

constexpr int kWidth = 325, kHeight = 442;
constexpr int kHeaderHeight = 49, kStatusHeight = 19;
constexpr int kRowHeight = 21;
// The read-only figures stand out in RGB(255, 128, 64).
const QColor kFigureColour(255, 128, 64);

QLabel* caption(QWidget* parent, const QString& text, int rightEdge, int y)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(rightEdge - 72, y, 72, kRowHeight);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QLabel* sideCaption(QWidget* parent, const QString& text, int x, int y)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, 28, kRowHeight);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

QLabel* value(QWidget* parent, int y)
{
    auto* l = new QLabel(parent);
    l->setGeometry(88, y, kWidth - 88 - 8, kRowHeight);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setTextFormat(Qt::PlainText);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

QLineEdit* edit(QWidget* parent, int x, int y, int width)
{
    auto* e = new QLineEdit(parent);
    e->setGeometry(x, y, width, kRowHeight);
    return e;
}

QLineEdit* figure(QWidget* parent, int x, int y, int width)
{
    QLineEdit* e = edit(parent, x, y, width);
    e->setReadOnly(true);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, kFigureColour);
    e->setPalette(p);
    return e;
}

// The "@" stands in the three blanks between the header's two words, which
// needs blanks half a character wide, as 宋体 has them. Without 宋体, a face
// with such blanks stands in for the header.
QFont headerFont()
{
    QFont font = platform::songti(19, true);
    if (QFontMetricsF(font).horizontalAdvance(u' ') < 9 &&
        QFontDatabase::hasFamily(QStringLiteral("Noto Sans Mono CJK SC"))) {
        font.setFamily(QStringLiteral("Noto Sans Mono CJK SC"));
    }
    return font;
}

QPushButton* button(QWidget* parent, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setGeometry(130, 332, 63, 25);
    b->setFont(platform::songti(15));
    // Enter presses the button once the keyboard has reached it.
    b->setAutoDefault(true);
    return b;
}

}  // namespace

TXsspForm::TXsspForm()
{
    setClientSize(kWidth, kHeight);
    buildHeader();
    buildBody();
    buildHiddenPanel();
    StatusBar1 = new TStatusBar({}, this);
    StatusBar1->setGeometry(0, kHeight - kStatusHeight, kWidth, kStatusHeight);
    wire();
    setSaleMode();
    centreOnScreen();
}

TXsspForm::~TXsspForm() = default;

void TXsspForm::buildHeader()
{
    Panel1 = new QFrame(this);
    Panel1->setGeometry(0, 0, kWidth, kHeaderHeight);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Label1 = new QLabel(Panel1);
    Label1->setFont(headerFont());
    Label1->setGeometry(16, 15, kWidth - 24, 22);
    Label2 = new QLabel(QStringLiteral("@"), Panel1);
    Label2->setFont(headerFont());
    Label2->setGeometry(104, 12, 16, 22);
}

void TXsspForm::buildBody()
{
    Panel2 = new QFrame(this);
    Panel2->setGeometry(0, kHeaderHeight, kWidth, kHeight - kHeaderHeight - kStatusHeight);
    QWidget* p = Panel2;
    const int right = 84;

    caption(p, QStringLiteral("商品编号"), right, 16);
    Label18 = value(p, 16);
    caption(p, QStringLiteral("商品名称"), right, 40);
    Label19 = value(p, 40);
    caption(p, QStringLiteral("商品规格"), right, 64);
    Label20 = value(p, 64);
    caption(p, QStringLiteral("商品型号"), right, 88);
    Label21 = value(p, 88);
    caption(p, QStringLiteral("单位"), right, 112);
    Label22 = value(p, 112);

    caption(p, QStringLiteral("销售日期"), right, 136);
    DateTimePicker1 = new TDateTimePicker(p);
    DateTimePicker1->setGeometry(88, 136, 97, kRowHeight);

    caption(p, QStringLiteral("销售单价"), right, 160);
    Edit1 = edit(p, 88, 160, 97);
    sideCaption(p, QStringLiteral("折扣"), 210, 160);
    ComboBox1 = new QComboBox(p);
    ComboBox1->setEditable(true);
    // What is typed stays as typed: no completion, and Enter adds no item.
    ComboBox1->setCompleter(nullptr);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMaxVisibleItems(15);
    ComboBox1->setGeometry(239, 160, 58, kRowHeight);
    ComboBox1->addItem(QStringLiteral("10"));
    for (int tenths = 99; tenths >= 1; --tenths)
        ComboBox1->addItem(QString::number(tenths / 10) + u'.' + QString::number(tenths % 10));
    ComboBox1->setCurrentIndex(0);

    caption(p, QStringLiteral("销售数量"), right, 184);
    Edit2 = edit(p, 88, 184, 97);
    sideCaption(p, QStringLiteral("库存"), 210, 184);
    Edit3 = figure(p, 240, 184, 57);
    caption(p, QStringLiteral("销售金额"), right, 208);
    Edit4 = figure(p, 88, 208, 97);
    caption(p, QStringLiteral("客户姓名"), right, 232);
    Edit5 = edit(p, 88, 232, 121);
    caption(p, QStringLiteral("联系电话"), right, 256);
    Edit6 = edit(p, 88, 256, 121);
    caption(p, QStringLiteral("详细地址"), right, 280);
    Edit7 = edit(p, 88, 280, 201);
    caption(p, QStringLiteral("备注"), right, 304);
    Edit8 = edit(p, 88, 304, 201);

    SpeedButton1 = button(p, QStringLiteral("销售"));
    SpeedButton2 = button(p, QStringLiteral("修改"));

    NumericKeyFilter::attach(Edit1);
    NumericKeyFilter::attach(Edit2);

    QWidget* order[] = {DateTimePicker1, Edit1, ComboBox1, Edit2, Edit3, Edit4,
                        Edit5, Edit6, Edit7, Edit8, SpeedButton1, SpeedButton2};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void TXsspForm::buildHiddenPanel()
{
    Panel3 = new QFrame(Panel2);
    Panel3->setGeometry(184, 8, 137, 113);
    const char* captions[] = {"进货单价", "进货数量", "销售数量", "销售金额"};
    QLineEdit** edits[] = {&Edit9, &Edit10, &Edit11, &Edit12};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(QString::fromUtf8(captions[i]), Panel3);
        l->setGeometry(4, 4 + i * 26, 56, kRowHeight);
        *edits[i] = edit(Panel3, 62, 4 + i * 26, 70);
    }
    Panel3->hide();
}

void TXsspForm::wire()
{
    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);
    connect(ComboBox1, &QComboBox::currentTextChanged, this,
            [this] { platform::guarded(this, [this] { ComboBox1Change(); }); });
    platform::onClick(SpeedButton1, this, [this] { SpeedButton1Click(); });
    platform::onClick(SpeedButton2, this, [this] { SpeedButton2Click(); });
}

bool TXsspForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        if (watched == Edit1) platform::guarded(this, [this] { Edit1KeyUp(); });
        else if (watched == Edit2) platform::guarded(this, [this] { Edit2KeyUp(); });
    }
    return TForm::eventFilter(watched, event);
}

void TXsspForm::setSaleMode()
{
    setWindowTitle(QStringLiteral("销售管理"));
    Label1->setText(QStringLiteral("销售管理   销售商品"));
    SpeedButton1->show();
    SpeedButton2->hide();
}

void TXsspForm::setCorrectionMode()
{
    setWindowTitle(QStringLiteral("销售明细"));
    Label1->setText(QStringLiteral("销售明细   修改"));
    SpeedButton1->hide();
    SpeedButton2->show();
}
