#pragma once
// The keystroke filter of the number fields: only digits, one decimal point
// and Backspace are typed through; everything else is dropped silently.
#include <QChar>
#include <QObject>
#include <QString>

class QKeyEvent;
class QLineEdit;

// The rule for one typed character, given the field's text before it is
// taken. A "." is refused when the text already holds one anywhere, selected
// text included.
bool numericKeyAccepted(QChar ch, const QString& currentText);

// Applies the rule to the key presses of one QLineEdit. Key releases are left
// alone: windows recompute on every release, refused keys included.
class NumericKeyFilter : public QObject {
    Q_OBJECT
public:
    // Installs one filter on `field`, owned by it; a second call does nothing.
    static void attach(QLineEdit* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit NumericKeyFilter(QLineEdit* field);
    bool refuses(const QKeyEvent& key) const;

    QLineEdit* field_;
};
