#pragma once
// Reads a spreadsheet file back with an independent reader (Python's
// openpyxl), so the tests see what another program sees.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

struct SheetCell {
    QString type;  // "" empty, "s" text, "f" formula, "n" number, "d" date-time
    QString text;  // text, formula, or ISO date-time "yyyy-MM-dd hh:mm:ss"
    double number = 0;
    QString format;  // number format of a date-time cell
};

struct Sheet {
    QString name;
    std::vector<std::vector<SheetCell>> rows;
    // The texts of a row, numbers in their shortest form, empty cells empty.
    QStringList texts(size_t row) const
    {
        QStringList out;
        for (const SheetCell& c : rows.at(row))
            out << (c.type == "n" ? QString::number(c.number, 'g', 15) : c.text);
        return out;
    }
};

inline std::vector<Sheet> readWorkbook(const QString& path)
{
    static const char* script = R"(
import datetime, json, sys, openpyxl
# Opened as a stream: openpyxl goes by the contents, not by the ".xls" name.
book = openpyxl.load_workbook(open(sys.argv[1], "rb"))
out = []
for ws in book.worksheets:
    rows = []
    for row in ws.iter_rows():
        cells = []
        for c in row:
            v = c.value
            if v is None:
                cells.append({"t": ""})
            elif isinstance(v, datetime.datetime):
                cells.append({"t": "d", "v": v.strftime("%Y-%m-%d %H:%M:%S"), "f": c.number_format})
            elif isinstance(v, (int, float)) and not isinstance(v, bool):
                cells.append({"t": "n", "n": v})
            else:
                cells.append({"t": c.data_type, "v": str(v)})
        rows.append(cells)
    out.append({"name": ws.title, "rows": rows})
print(json.dumps(out))
)";
    // Debian's own interpreter, which the python3-openpyxl package serves.
    const QString interpreter =
        QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3") : QStringLiteral("python3");
    QProcess python;
    python.start(interpreter, {QStringLiteral("-c"), QString::fromUtf8(script), path});
    std::vector<Sheet> sheets;
    if (!python.waitForFinished(120000) || python.exitCode() != 0) {
        ADD_FAILURE() << "openpyxl could not read " << path.toStdString() << ": "
                      << python.readAllStandardError().toStdString();
        return sheets;
    }
    for (const QJsonValue& s : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        Sheet sheet;
        sheet.name = s[QStringLiteral("name")].toString();
        for (const QJsonValue& r : s[QStringLiteral("rows")].toArray()) {
            std::vector<SheetCell> row;
            for (const QJsonValue& c : r.toArray())
                row.push_back({c[QStringLiteral("t")].toString(), c[QStringLiteral("v")].toString(),
                               c[QStringLiteral("n")].toDouble(), c[QStringLiteral("f")].toString()});
            sheet.rows.push_back(std::move(row));
        }
        sheets.push_back(std::move(sheet));
    }
    return sheets;
}
