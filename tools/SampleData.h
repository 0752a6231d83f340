#pragma once
// A store full of plausible shop data, for trying the program out and for
// measuring it.
#include <QDate>
#include <QString>

// Creates `path` (an existing file is refused) and fills it with `products`
// product rows and `lines` sales lines whose figures agree the way sales
// write them: every product's 销售数量 and 销售金额 are the sums of its lines,
// its stock is what was bought less what was sold. The sales lines lie in the
// two years up to `until` (today when null), the purchases from a year before
// them, none before 2014-01-01; the same seed and `until` give the same file.
// Throws EJxcError; a file it could not finish is removed.
void writeSampleStore(const QString& path, int products, qint64 lines, quint64 seed, QDate until = {});
