#ifndef MESSAGEPRESENTER_H
#define MESSAGEPRESENTER_H

#include <QString>
#include <QStringList>
#include <functional>

// Shows a message box and returns QDialog::Accepted or Rejected; extra
// tells whether the third button ("Save") closed it. The main window's parts
// ask their questions through the window's presenter (tests answer them).
using MessagePresenter = std::function<int(const QString &text, const QStringList &buttons, bool *extra)>;

#endif
