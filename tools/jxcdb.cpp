// jxcdb: makes and checks store files.
#include "db/Errors.h"
#include "db/StoreCheck.h"
#include "db/StoreFile.h"
#include "tools/SampleData.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdio>

namespace {

const char kUsage[] =
    "用法：\n"
    "  jxcdb init FILE\n"
    "      创建一个空的数据库文件（只有一行库存报警数）。\n"
    "  jxcdb sample FILE [--products N] [--lines M] [--seed S] [--until YYYY-MM-DD]\n"
    "      创建数据库文件并填入示例数据：N 种商品（默认 200），M 条销售明细（默认 5000），\n"
    "      随机种子 S（默认 1）；销售日期在 --until（默认今天）之前的两年内，\n"
    "      进货日期从那之前一年起，都不早于 2014-01-01。\n"
    "  jxcdb check FILE\n"
    "      检查 FILE 是否是本程序的数据库。\n"
    "  jxcdb --help\n"
    "      显示本说明。\n"
    "init 和 sample 不会覆盖已有的文件。\n"
    "退出码：0 成功，1 失败，2 用法错误。\n";

void out(FILE* f, const QString& text) {
    const QByteArray utf8 = (text + '\n').toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), f);
}

int usageError(const QString& why) {
    out(stderr, "jxcdb：" + why);
    std::fputs(kUsage, stderr);
    return 2;
}

struct SampleOptions {
    qint64 products = 200;
    qint64 lines = 5000;
    quint64 seed = 1;
    QDate until;
};

// Reads the options after `sample FILE`; returns an empty text or what is wrong.
QString parseSample(const QStringList& args, SampleOptions& o) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString name = args[i], value;
        if (const qsizetype eq = name.indexOf('='); name.startsWith("--") && eq > 0) {
            value = name.mid(eq + 1);
            name.truncate(eq);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return "选项 " + name + " 缺少取值";
        }
        bool ok = false;
        if (name == "--products") {
            o.products = value.toLongLong(&ok);
            ok = ok && o.products >= 0 && o.products <= 10'000'000;
        } else if (name == "--lines") {
            o.lines = value.toLongLong(&ok);
            ok = ok && o.lines >= 0 && o.lines <= 1'000'000'000;
        } else if (name == "--seed") {
            o.seed = value.toULongLong(&ok);
        } else if (name == "--until") {
            o.until = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
            ok = o.until.isValid() && o.until >= QDate(2014, 1, 1);
        } else {
            return "未知的选项 " + name;
        }
        if (!ok) return "选项 " + name + " 的取值“" + value + "”无效";
    }
    if (o.lines > 0 && o.products == 0) return QStringLiteral("没有商品就不能有销售明细");
    return {};
}

int run(const QStringList& args) {
    if (args.isEmpty()) return usageError(QStringLiteral("缺少命令"));
    const QString command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command != "init" && command != "sample" && command != "check")
        return usageError("未知的命令“" + command + "”");
    if (args.size() < 2) return usageError("命令 " + command + " 缺少文件名");
    const QString file = args[1];

    if (command == "check") {
        if (args.size() > 2) return usageError(QStringLiteral("check 只接受一个文件名"));
        const StoreCheckResult r = checkStore(file);
        out(r.ok ? stdout : stderr, r.message);
        return r.ok ? 0 : 1;
    }
    if (command == "init") {
        if (args.size() > 2) return usageError(QStringLiteral("init 只接受一个文件名"));
        createEmptyStore(file);
        out(stdout, "已创建空的数据库“" + file + "”。");
        return 0;
    }
    SampleOptions o;
    if (const QString why = parseSample(args.mid(2), o); !why.isEmpty()) return usageError(why);
    writeSampleStore(file, int(o.products), o.lines, o.seed, o.until);
    out(stdout, "已创建示例数据库“" + file + "”：" + QString::number(o.products) + " 种商品，" +
                    QString::number(o.lines) + " 条销售明细。");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    try {
        return run(args);
    } catch (const EJxcError& e) {
        out(stderr, "jxcdb：" + e.message());
        return 1;
    }
}
