#ifndef MESSAGEBOX_H
#define MESSAGEBOX_H

#include <QDialog>
#include <QStringList>

class QFrame;
class QLabel;
class QPushButton;
class Titlebar;

// The program's modal message box: a text and one to three buttons.
// The first button accepts, a button named "Cancel" rejects, and any other
// button (such as "Save") accepts and raises extraButtonClicked().
// Like every window of the program it is frameless, with a drop shadow and
// the kit's title bar, whose close button rejects (as Escape does).
class MessageBox : public QDialog
{
    Q_OBJECT
public:
    MessageBox(const QString &text, const QStringList &buttons, QWidget *parent = nullptr);

    bool extraButtonClicked() const { return m_extra; }
    QString text() const;
    QList<QPushButton *> buttons() const { return m_buttons; }
    Titlebar *titlebar() const { return m_titlebar; }

    // Shows a box and waits for it. Returns QDialog::Accepted or Rejected;
    // extra (if given) tells whether the third kind of button closed it.
    static int ask(QWidget *parent, const QString &text, const QStringList &buttons,
                   bool *extra = nullptr);
    // One "OK" button.
    static void inform(QWidget *parent, const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    QFrame *m_frame = nullptr;
    Titlebar *m_titlebar = nullptr;
    QLabel *m_label = nullptr;
    QList<QPushButton *> m_buttons;
    bool m_extra = false;
};

#endif
