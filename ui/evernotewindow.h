#ifndef EVERNOTEWINDOW_H
#define EVERNOTEWINDOW_H

#include <QDialog>
#include <QUrl>

class GuardedWebPage;
class QWebEngineView;
class LoadingCover;
class Titlebar;

namespace GammaLib {
class Manager;
}

// The note service's authorisation page in an embedded browser. It asks for
// the temporary token at once, shows the page, and ends when the page sends
// the browser back to the callback address: result Verified (the verifier is
// kept), Declined (the user said no, or closed the window) or Failed (no
// temporary token, or a page that could not be loaded). Its Manager then
// trades the verifier for the access token.
class EvernoteWindow : public QDialog
{
    Q_OBJECT
public:
    enum Result { Declined = 0, Verified = 1, Failed = 2 };

    explicit EvernoteWindow(QWidget *parent = nullptr);
    ~EvernoteWindow() override;

    QString verifier() const { return m_verifier; }
    GammaLib::Manager *manager() const { return m_manager; }
    QWebEngineView *webView() const { return m_view; }
    bool loadingShown() const;
    bool isFinished() const { return m_finished; }

public slots:
    void slotRequestToken(bool ok);
    void slotUrlChanged(const QUrl &url);
    void slotLoadFinished(bool ok);
    void slotClose();
    void slotMove(int x, int y);
    void done(int result) override;

private:
    GammaLib::Manager *m_manager = nullptr;
    Titlebar *m_titleBar = nullptr;
    QWebEngineView *m_view = nullptr;
    GuardedWebPage *m_page = nullptr;
    LoadingCover *m_loading = nullptr;
    QString m_verifier;
    bool m_finished = false;
};

#endif
