#include "formfields.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>

namespace FormFields {

QLineEdit *makeField(const QString &objectName, const QString &placeholder, bool secret, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setPlaceholderText(placeholder);
    // No label beside the field: its hint is its name for screen readers.
    field->setAccessibleName(placeholder);
    field->setMinimumHeight(30);
    if (secret)
        field->setEchoMode(QLineEdit::Password);
    return field;
}

QLabel *makeErrorLabel(const QString &objectName, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color:#d9534f;"));
    return label;
}

bool movedOn(const QEvent *focusOut)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(focusOut)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace FormFields
