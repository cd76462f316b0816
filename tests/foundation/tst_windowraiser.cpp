// A second start brings the running copy's windows back: minimised ones are
// restored, and the dialog the user has to answer gets the focus.
#include "windowraiser.h"

#include <QDialog>
#include <QWidget>
#include <QtTest>

class TestWindowRaiser : public QObject
{
    Q_OBJECT
private slots:
    void restoresAndFocuses()
    {
        QWidget main;
        main.resize(300, 200);
        main.showMinimized();
        QTRY_VERIFY(main.isMinimized());

        WindowRaiser::bringToFront();
        QTRY_VERIFY(!main.isMinimized());
        QVERIFY(main.isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), &main);

        QDialog question(&main);
        question.setModal(true);
        question.show();
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &other);
        WindowRaiser::bringToFront();
        QTRY_COMPARE(QApplication::activeWindow(), &question);
    }

    void hiddenWindowsStayHidden()
    {
        QWidget hidden;
        WindowRaiser::bringToFront();
        QVERIFY(!hidden.isVisible());
    }
};

QTEST_MAIN(TestWindowRaiser)
#include "tst_windowraiser.moc"
