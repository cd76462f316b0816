#ifndef ABOUTWINDOW_H
#define ABOUTWINDOW_H

#include <QDialog>
#include <QUrl>

class QFrame;
class QLabel;
class QPushButton;
class Titlebar;

// The about window: the program's name, icon and version, what it is, and a
// link to contact its makers. Using the link counts "QL_Main_Contact" and
// opens the contact page in the web browser. Frameless with the kit's title
// bar, like the sign-in dialog.
class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

    // Opens the owner's about window (one at a time), modal to the owner,
    // without waiting for it; it deletes itself when closed.
    static AboutWindow *showFor(QWidget *owner);
    // The product web site's contact page.
    static QUrl contactAddress();

    QLabel *versionLabel() const { return m_version; }
    QLabel *contactLink() const { return m_contact; }
    QPushButton *okButton() const { return m_ok; }
    Titlebar *titlebar() const { return m_titlebar; }

public slots:
    void slotContact();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void place();

    QFrame *m_frame = nullptr;
    Titlebar *m_titlebar = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_contact = nullptr;
    QPushButton *m_ok = nullptr;
};

#endif
