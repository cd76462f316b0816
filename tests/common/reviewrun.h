#ifndef REVIEWRUN_H
#define REVIEWRUN_H

// For tests that drive the real main window (they link the app shell).
#include "customtexteditor.h"
#include "mainwnd.h"

#include <QElapsedTimer>
#include <QtTest>

// Puts the text into the editor, presses Review and waits until the review
// has ended; false when it is still running after two minutes.
inline bool runReview(MainWnd &window, const QString &text)
{
    window.editor()->setDocumentText(text);
    window.slotReview();
    QElapsedTimer timer;
    timer.start();
    while (window.isReviewRunning() && timer.elapsed() < 120000)
        QTest::qWait(20);
    return !window.isReviewRunning();
}

#endif
