#include "bench/jxc-bench/Report.h"

#include <QStringList>

namespace bench {

namespace {

QString ms(double v) { return QString::number(v, 'f', 1); }
QString floorText(const Timing& t) { return t.floorMs < 0 ? QStringLiteral("-") : ms(t.floorMs); }
QString ratioText(const Timing& t)
{
    return t.floorMs <= 0 ? QStringLiteral("-") : QString::number(t.medianMs / t.floorMs, 'f', 2);
}

const Timing* find(const std::vector<Timing>& timings, const QString& op, const QString& size)
{
    for (const Timing& t : timings)
        if (t.operation == op && t.size == size)
            return &t;
    return nullptr;
}

// How an operation's time at the largest size compares with its time at S.
QString growth(const std::vector<Timing>& timings, const QString& op)
{
    const Timing* small = find(timings, op, QStringLiteral("S"));
    const Timing* large = find(timings, op, QStringLiteral("L"));
    if (!large)
        large = find(timings, op, QStringLiteral("M"));
    if (!small || !large || large == small || small->medianMs <= 0)
        return {};
    return QStringLiteral("%1 at %2 / at S: %3\n")
        .arg(op, large->size, QString::number(large->medianMs / small->medianMs, 'f', 2));
}

}  // namespace

QString tsvLines(const std::vector<Timing>& timings, const std::vector<Memory>& memory)
{
    QString out;
    for (const Timing& t : timings)
        out += QStringList{t.operation, t.size, ms(t.medianMs), floorText(t), ratioText(t)}.join('\t') + '\n';
    for (const Memory& m : memory) {
        for (long kb : {m.afterStartupKb, m.afterCorrectionKb})
            out += QStringList{QStringLiteral("peak_rss_kb"), m.size, QString::number(kb), QString::number(m.storeKb)}
                       .join('\t') +
                   '\n';
    }
    return out;
}

bool parseTsv(const QString& text, std::vector<Timing>& timings, std::vector<Memory>& memory)
{
    for (const QString& line : text.split('\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split('\t');
        if (f.size() == 4 && f[0] == QStringLiteral("peak_rss_kb")) {
            if (memory.empty() || memory.back().size != f[1] || memory.back().afterCorrectionKb)
                memory.push_back({f[1], f[2].toLong(), 0, f[3].toLong()});
            else
                memory.back().afterCorrectionKb = f[2].toLong();
        } else if (f.size() == 5) {
            timings.push_back({f[0], f[1], f[2].toDouble(), f[3] == QStringLiteral("-") ? -1 : f[3].toDouble()});
        } else {
            return false;
        }
    }
    return true;
}

QString table(const std::vector<Timing>& timings, const std::vector<Memory>& memory)
{
    QString out = QStringLiteral("%1 %2 %3 %4 %5\n")
                      .arg(QStringLiteral("operation"), -12)
                      .arg(QStringLiteral("size"), -4)
                      .arg(QStringLiteral("median ms"), 10)
                      .arg(QStringLiteral("floor ms"), 10)
                      .arg(QStringLiteral("ratio"), 6);
    for (const Timing& t : timings)
        out += QStringLiteral("%1 %2 %3 %4 %5\n")
                   .arg(t.operation, -12)
                   .arg(t.size, -4)
                   .arg(ms(t.medianMs), 10)
                   .arg(floorText(t), 10)
                   .arg(ratioText(t), 6);
    out += QStringLiteral("\n%1 %2 %3 %4 %5\n")
               .arg(QStringLiteral("size"), -4)
               .arg(QStringLiteral("peak RSS kB after start-up"), 27)
               .arg(QStringLiteral("after correction"), 17)
               .arg(QStringLiteral("data.mdb kB"), 12)
               .arg(QStringLiteral("peak/store"), 11);
    for (const Memory& m : memory)
        out += QStringLiteral("%1 %2 %3 %4 %5\n")
                   .arg(m.size, -4)
                   .arg(m.afterStartupKb, 27)
                   .arg(m.afterCorrectionKb, 17)
                   .arg(m.storeKb, 12)
                   .arg(QString::number(double(std::max(m.afterStartupKb, m.afterCorrectionKb)) /
                                            double(std::max(1L, m.storeKb)),
                                        'f', 2),
                        11);
    out += '\n' + growth(timings, QStringLiteral("sale")) + growth(timings, QStringLiteral("paint"));
    return out;
}

}  // namespace bench
