#ifndef CLICKSELECTSALL_H
#define CLICKSELECTSALL_H

#include <QObject>

class QLineEdit;

// The first mouse click into a line edit after it gained the focus selects
// its whole text; later clicks place the cursor as usual.
class ClickSelectsAll : public QObject
{
    Q_OBJECT

public:
    // Watches field and lives as long as it.
    explicit ClickSelectsAll(QLineEdit *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_field;
    bool m_pending = false;
};

#endif
