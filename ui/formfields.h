#ifndef FORMFIELDS_H
#define FORMFIELDS_H

#include <QString>

class QEvent;
class QLabel;
class QLineEdit;
class QWidget;

// The input fields and error labels of the sign-in dialog's pages.
namespace FormFields {

QLineEdit *makeField(const QString &objectName, const QString &placeholder, bool secret, QWidget *parent);
QLabel *makeErrorLabel(const QString &objectName, const QString &text, QWidget *parent);
// Whether a focus-out event is the user moving on (not the window losing
// the focus to another window or a popup).
bool movedOn(const QEvent *focusOut);

} // namespace FormFields

#endif
