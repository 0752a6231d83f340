#pragma once
// Numbers travel as text. These are the three conversions every window uses:
// reading a number from text, writing one back, and rounding to two decimals.
#include <QString>
#include <QStringView>

// The number reading rule, in extended precision. Returns false for a text
// that is not a number (empty included) or that overflows long double.
bool TryTextToFloat(QStringView text, long double& value);

// As above, but a failure throws EConvertError
// "'<text>' is not a valid floating point value".
long double StrToFloat(const QString& text);

// The general number text: 15 significant digits, fixed between 0.0001 and
// 1E15, scientific outside, no trailing zeros, "." as the decimal point.
QString FloatToStr(long double value);

// The two-decimal normalisation: "12.345" -> "12.35", "3" -> "3". Throws
// EConvertError like StrToFloat.
QString Normalize2(const QString& text);

// The display format "#0.##": at least one integer digit, up to two decimals,
// no trailing zeros, no thousands separator.
QString FormatFloat0_00(long double value);

// The display format "#,##0.###": thousands separated by ",", at least one
// integer digit, up to three decimals, no trailing zeros ("1,234.5").
QString FormatFloatGrouped(long double value);
