#pragma once
// The controls that the main window and the sales detail window share in
// their top panels: the flat text buttons, the large picture buttons and the
// search group 科目查询.
#include "platform/ButtonPictures.h"

#include <QString>
#include <QStringList>

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace platform {

QToolButton* flatButton(QWidget* parent, const QString& caption, int x);    // 65 x 22 at y 3
QToolButton* largeButton(QWidget* parent, const QString& caption, Picture picture, int x);  // 57 x 57 at y 40

struct SearchGroup {
    QGroupBox* group;
    QLineEdit* edits[6];
    QCheckBox* dateCheck;
    QDateEdit *from, *to;
    QPushButton *search, *refresh;
};

// The group at (x, 8), 513 x 105: six labelled fields in two rows (labels in
// field order), the date check box with its two disabled pickers, 查询 and 刷新.
SearchGroup searchGroup(QWidget* parent, int x, const QStringList& labels, const QString& dateCaption);

}  // namespace platform
