// Saves a note to the local note service and opens the note list in the real
// main window, taking three pictures of the screen on the way:
// shot-evernote <folder> writes evernote-authorise.png (the authorisation
// page), evernote-progress.png (the progress panel after saving) and
// evernote-notes.png (the note list).
#include "preferences.h"
#include "windowsettings.h"
#include "customtexteditor.h"
#include "evernote.h"
#include "evernotelistframe.h"
#include "evernoteprogressframe.h"
#include "evernotewindow.h"
#include "localservices.h"
#include "mainwnd.h"
#include "sentencesplitter.h"
#include "useraccess.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <cstdio>
#include <functional>

namespace {

bool waitFor(const std::function<bool()> &condition, int ms = 60000)
{
    QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(50);
    }
    return true;
}

bool shoot(QWidget *any, const QString &path)
{
    QTest::qWait(600);
    const QPixmap shot = any->screen()->grabWindow(0, 0, 0, 1080, 700);
    if (!shot.save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("saved %s\n", qPrintable(path));
    return true;
}

const QString kEmail = QStringLiteral("reader@example.com");
const QString kPassword = QStringLiteral("pictures-1");

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: shot-evernote <folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    qRegisterMetaType<GammaLib::EDAMErrorCode>("GammaLib::EDAMErrorCode");
    WindowSettings().setShowTutorial(false);
    GammaLib::prepareSegmentation();
    LocalServices services;
    if (!services.start()) {
        std::fprintf(stderr, "the local services did not start\n");
        return 1;
    }
    services.pointServiceTableHere();
    GammaLib::UserAccess::instance().setSessionKey(services.registerAndLogIn(kEmail, kPassword));

    MainWnd window;
    window.setMessagePresenter([](const QString &, const QStringList &, bool *) { return int(QDialog::Accepted); });
    window.setGeometry(40, 30, 1000, 640);
    window.show();
    window.editor()->setDocumentText(QStringLiteral(
        "A Day at the Lake\n\n"
        "Last summer my family and I went to the lake for a whole weekend. "
        "There was a small cabin near the water, and we had a lot of fun there."));

    // Saving for the first time: the authorisation page comes up.
    window.slotSaveAsEvernote();
    EvernoteProgressFrame *frame = window.evernoteProgressFrame();
    if (!waitFor([&] { return frame->authorizationWindow() && frame->authorizationWindow()->isVisible()
                              && !frame->authorizationWindow()->loadingShown(); })) {
        std::fprintf(stderr, "no authorisation page\n");
        return 1;
    }
    EvernoteWindow *page = frame->authorizationWindow();
    page->move(window.geometry().center() - QPoint(page->width() / 2, page->height() / 2));
    page->webView()->page()->runJavaScript(
        QStringLiteral("document.getElementById('email').value = '%1';"
                       "document.getElementById('password').value = '%2';").arg(kEmail, kPassword));
    if (!shoot(&window, out.filePath(QStringLiteral("evernote-authorise.png"))))
        return 1;
    page->webView()->page()->runJavaScript(QStringLiteral("document.getElementById('allow').click();"));
    if (!waitFor([&] { return frame->message() == QStringLiteral("Successfully saved to Evernote."); })) {
        std::fprintf(stderr, "the note was not saved: %s\n", qPrintable(frame->message()));
        return 1;
    }
    if (!shoot(&window, out.filePath(QStringLiteral("evernote-progress.png"))))
        return 1;
    window.evernoteProgressFrame()->slotClicked();

    // Two more notes, straight through the façade with the stored token.
    const QString token = Preferences().noteToken();
    GammaLib::Evernote evernote;
    QSignalSpy saved(&evernote, &GammaLib::Evernote::signalFinished);
    const QStringList texts = {
        QStringLiteral("Letter to the editor\nI am writing about the new bus timetable, which leaves our village without an evening bus."),
        QStringLiteral("Essay plan: renewable energy\n1. Why it matters\n2. Solar and wind at home\n3. What schools can do"),
    };
    for (const QString &text : texts) {
        QTest::qWait(20);
        saved.clear();
        evernote.saveNote(token, text.section(QLatin1Char('\n'), 0, 0), text);
        if (!saved.wait(30000))
            return 1;
    }

    window.slotOpenEvernote();
    EvernoteListFrame *list = window.evernoteListFrame();
    if (!waitFor([&] { return list->isVisible() && list->count() == 3 && list->isLoaded(0) && list->isLoaded(1)
                              && list->isLoaded(2); })) {
        std::fprintf(stderr, "no note list\n");
        return 1;
    }
    return shoot(&window, out.filePath(QStringLiteral("evernote-notes.png"))) ? 0 : 1;
}
