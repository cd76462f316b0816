// The program's message box: which button accepts, rejects or raises the flag.
#include "messagebox.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestMessageBox : public QObject
{
    Q_OBJECT
private:
    static int clickAndAsk(const QStringList &buttons, int index, bool *extra)
    {
        QTimer::singleShot(0, [index] {
            auto *box = qobject_cast<MessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->buttons().at(index)->click();
        });
        return MessageBox::ask(nullptr, QStringLiteral("Save changes?"), buttons, extra);
    }

private slots:
    void buttons_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("extra");
        QTest::newRow("single OK") << QStringList{"OK"} << 0 << int(QDialog::Accepted) << false;
        QTest::newRow("first accepts") << QStringList{"Yes", "Cancel"} << 0 << int(QDialog::Accepted) << false;
        QTest::newRow("Cancel rejects") << QStringList{"Yes", "Cancel"} << 1 << int(QDialog::Rejected) << false;
        QTest::newRow("Save accepts with flag") << QStringList{"Don't save", "Cancel", "Save"} << 2 << int(QDialog::Accepted) << true;
        QTest::newRow("Cancel of three") << QStringList{"Don't save", "Cancel", "Save"} << 1 << int(QDialog::Rejected) << false;
    }

    void buttons()
    {
        QFETCH(QStringList, buttons);
        QFETCH(int, index);
        QFETCH(int, result);
        QFETCH(bool, extra);
        bool flag = !extra;
        QCOMPARE(clickAndAsk(buttons, index, &flag), result);
        QCOMPARE(flag, extra);
    }

    void atMostThreeButtonsAndDefaultOk()
    {
        MessageBox many(QStringLiteral("x"), {"a", "b", "c", "d"});
        QCOMPARE(many.buttons().size(), 3);
        MessageBox none(QStringLiteral("x"), {});
        QCOMPARE(none.buttons().size(), 1);
        QCOMPARE(none.buttons().first()->text(), QStringLiteral("OK"));
    }

    void centredOverParentOrScreen()
    {
        QWidget owner;
        owner.setGeometry(100, 100, 600, 400);
        owner.show();
        MessageBox box(QStringLiteral("Hello"), {"OK"}, &owner);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QPoint ownerCentre = QRect(owner.mapToGlobal(QPoint()), owner.size()).center();
        QVERIFY((box.geometry().center() - ownerCentre).manhattanLength() <= 8);
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
