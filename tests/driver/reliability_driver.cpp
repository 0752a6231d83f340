// A stand-in user for the reliability tests: the whole program, offscreen,
// with a scripted user who sells, corrects, enters products, deletes lines
// and sets the threshold through the windows' own handlers.
//
//   reliability_driver run FOLDER LOG SEED   a mixed run on FOLDER/data.mdb until killed
//   reliability_driver sell FOLDER CODE      sells one of product CODE, then exits
//
// The run notes in LOG, before it acts, what a checker of the store must know:
// "X code" before a line of product `code` is deleted (deleting gives nothing
// back, so the product leaves the check and is never touched again) and
// "C code" before a line of `code` is corrected (each correction may round
// its product's totals to two decimals). It exits 3 at the first error box.
#include "app/MainUnit.h"
#include "app/Startup.h"
#include "platform/DBGridEh.h"
#include "platform/ScriptedInteraction.h"
#include "purchasing/XzspUnit.h"
#include "sales/XsmxUnit.h"
#include "sales/XsspUnit.h"
#include "stock/KcglUnit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSet>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace {

QString text(TADOQuery& q, const char* field) { return q.FieldByName(QString::fromUtf8(field)).AsString(); }

class Driver {
public:
    Driver(const QString& log, unsigned seed) : random_(seed)
    {
        QFile f(log);
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray& line : f.readAll().split('\n'))
                if (line.startsWith("X ")) excluded_.insert(QString::fromUtf8(line.mid(2)));
        log_ = ::open(QFile::encodeName(log).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
        user_.onModal = [this](QWidget* w) {
            if (modal_) modal_(w);
        };
    }
    ~Driver() { ::close(log_); }

    platform::ScriptedInteraction& user() { return user_; }

    void step()
    {
        const int op = pick(100);
        if (op < 30) sell();
        else if (op < 50) correctLine();
        else if (op < 65) correctProduct();
        else if (op < 75) newProduct();
        else if (op < 85) deleteLine();
        else setThreshold(QString::number(pick(20) + 1));
    }

    // Sells `quantity` of the main grid's current product at `price`.
    void sellCurrent(const QString& price, const QString& quantity)
    {
        act(XsspForm, [&] {
            XsspForm->Edit1->setText(price);
            XsspForm->Edit2->setText(quantity);
            XsspForm->Edit1KeyUp();
            XsspForm->SpeedButton1Click();
        });
        MainForm->SpeedButton9Click();
    }

    bool moveToProduct(const QString& code)
    {
        TADOQuery& products = MainForm->ADOQuery1;
        for (int r = 1; r <= products.RecordCount(); ++r) {
            products.SetRecNo(r);
            if (text(products, "商品编号") == code) return true;
        }
        return false;
    }

    void failOnErrorBox()
    {
        for (const platform::MessageRecord& box : user_.messages)
            if (box.icon == platform::Icon::Stop) {
                std::fprintf(stderr, "error box: %s\n", box.text.toUtf8().constData());
                std::fflush(stderr);
                ::_exit(3);
            }
        user_.messages.clear();
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    QString price() { return QString::number(pick(5000) + 1) + '.' + QString::number(pick(90) + 10); }

    // What the user does once `window` is shown modally.
    void act(QWidget* window, std::function<void()> steps)
    {
        modal_ = [window, steps](QWidget* w) {
            if (w == window) steps();
        };
    }

    void note(char what, const QString& code)
    {
        const QByteArray line = QByteArray(1, what) + ' ' + code.toUtf8() + '\n';
        if (::write(log_, line.constData(), size_t(line.size())) != line.size() || ::fsync(log_) != 0) {
            std::perror("log");
            ::_exit(4);
        }
    }

    // A random product row of the main grid that is still in the check.
    bool pickProduct()
    {
        TADOQuery& products = MainForm->ADOQuery1;
        for (int tries = 0; tries < 20 && products.RecordCount() > 0; ++tries) {
            products.SetRecNo(pick(products.RecordCount()) + 1);
            if (!excluded_.contains(text(products, "商品编号"))) return true;
        }
        return false;
    }

    // A random sales line of a product still in the check, made current as a click does.
    bool pickLine()
    {
        TADOQuery& lines = XsmxForm->ADOQuery1;
        for (int tries = 0; tries < 20 && lines.RecordCount() > 0; ++tries) {
            lines.SetRecNo(pick(lines.RecordCount()) + 1);
            if (!excluded_.contains(text(lines, "商品编号"))) {
                XsmxForm->DBGridEh1CellClick();
                return true;
            }
        }
        return false;
    }

    void sell()
    {
        if (pickProduct()) sellCurrent(price(), QString::number(pick(3) + 1));
    }

    void correctLine()
    {
        if (!pickLine()) return;
        note('C', text(XsmxForm->ADOQuery1, "商品编号"));
        const QString quantity = QString::number(pick(4) + 1);
        act(XsspForm, [quantity] {
            XsspForm->Edit2->setText(quantity);
            XsspForm->Edit1KeyUp();
            XsspForm->SpeedButton2Click();
        });
        XsmxForm->SpeedButton4Click();
    }

    void correctProduct()
    {
        if (!pickProduct()) return;
        const QString quantity = QString::number(pick(200) + 1);
        const QString newPrice = price();
        act(XzspForm, [quantity, newPrice, this] {
            XzspForm->Edit6->setText(newPrice);
            XzspForm->Edit7->setText(quantity);
            XzspForm->Edit7KeyUp();
            XzspForm->Edit11->setText(QStringLiteral("改于第 %1 步").arg(++steps_));
            XzspForm->SpeedButton3Click();
        });
        MainForm->N2Click();
    }

    void newProduct()
    {
        const QString code = QStringLiteral("Z%1-%2").arg(::getpid()).arg(++made_);
        const QString newPrice = price();
        act(XzspForm, [code, newPrice] {
            XzspForm->Edit1->setText(code);
            XzspForm->Edit2->setText(QStringLiteral("试验商品"));
            XzspForm->Edit6->setText(newPrice);
            XzspForm->Edit7->setText(QStringLiteral("100"));
            XzspForm->Edit7KeyUp();
            XzspForm->SpeedButton1Click();
        });
        MainForm->SpeedButton8Click();
    }

    void deleteLine()
    {
        if (!pickLine()) return;
        const QString code = text(XsmxForm->ADOQuery1, "商品编号");
        note('X', code);
        excluded_.insert(code);
        XsmxForm->DBGridEh1->clearSelection();
        XsmxForm->DBGridEh1->selectRow(XsmxForm->ADOQuery1.RecNo() - 1);
        user_.answers.push_back(platform::Answer::OK);  // 确定要删除选中的记录？
        XsmxForm->SpeedButton5Click();
    }

    // The threshold through the stock alarm window: opened from the main
    // window, the value typed in, 确定.
    void setThreshold(const QString& value)
    {
        act(KcglForm, [value] {
            KcglForm->Edit1->setText(value);
            KcglForm->SpeedButton1Click();
        });
        MainForm->SpeedButton3Click();
    }

    std::mt19937 random_;
    platform::ScriptedInteraction user_;
    std::function<void(QWidget*)> modal_;
    QSet<QString> excluded_;
    int log_ = -1;
    int made_ = 0;
    int steps_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5 && !(args.size() == 4 && args[1] == QLatin1String("sell"))) {
        std::fprintf(stderr, "usage: reliability_driver run FOLDER LOG SEED | sell FOLDER CODE\n");
        return 2;
    }
    QDir::setCurrent(args[2]);
    const bool run = args[1] == QLatin1String("run");
    Driver driver(run ? args[3] : QDir(args[2]).filePath(QStringLiteral("sell.log")), run ? args[4].toUInt() : 1);
    const platform::ScopedInteraction scope(driver.user());
    StartProgram();
    driver.failOnErrorBox();
    if (!run) {
        if (!driver.moveToProduct(args[3])) return 1;
        platform::guarded(MainForm, [&] { driver.sellCurrent(QStringLiteral("9.9"), QStringLiteral("1")); });
        const bool sold = std::any_of(driver.user().messages.begin(), driver.user().messages.end(),
                                      [](const auto& box) { return box.text == QStringLiteral("销售商品成功！"); });
        driver.failOnErrorBox();
        DestroyWindows();
        return sold ? 0 : 1;
    }
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (;;) {
        platform::guarded(MainForm, [&] { driver.step(); });
        driver.failOnErrorBox();
    }
}
