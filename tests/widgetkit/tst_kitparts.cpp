// The smaller kit pieces: sample-text prompt, loading box, elided label,
// icon buttons, the fade and rotate helpers, and the colours carried over to
// a dark palette.
#include "elidedlabel.h"
#include "fadeanimation.h"
#include "glyphpainter.h"
#include "iconbutton.h"
#include "iconlineedit.h"
#include "kitresources.h"
#include "loadingbox.h"
#include "messagebox.h"
#include "rotateanimation.h"
#include "rotatingpicture.h"
#include "sampleprompt.h"
#include "themecolours.h"
#include "titlebar.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QStyle>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QSignalSpy>
#include <QtTest>

class TestKitParts : public QObject
{
    Q_OBJECT
private slots:
    void samplePromptAccepts()
    {
        QWidget editor;
        editor.resize(600, 400);
        SamplePrompt prompt(&editor);
        prompt.move(20, 10);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QVERIFY(!prompt.isVisible());
        QSignalSpy clicked(&prompt, &QAbstractButton::clicked);
        QSignalSpy accepted(&prompt, &SamplePrompt::signalAccepted);

        const QString sample = QStringLiteral("Dear Sir,\n\nI am writting to apply for the job.");
        prompt.setSampleText(sample);
        QCOMPARE(prompt.sampleText(), sample);
        QVERIFY(prompt.hasSample());
        QCOMPARE(prompt.previewText(), QStringLiteral("Dear Sir, I am writting to apply for the job."));
        prompt.show();
        QVERIFY(prompt.sizeHint().height() > prompt.fontMetrics().lineSpacing() * 2);

        QTest::mouseClick(&prompt, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(accepted.first().first().toString(), sample);
        QVERIFY(!prompt.isChecked());

        // Keyboard users can take it too.
        prompt.setFocus();
        QTest::keyClick(&prompt, Qt::Key_Space);
        QCOMPARE(accepted.count(), 2);
    }

    void samplePromptPreviewAndEmpty()
    {
        SamplePrompt prompt;
        prompt.setSampleText(QString(500, QLatin1Char('a')));
        QCOMPARE(prompt.previewText().size(), SamplePrompt::maxPreviewChars() + 3);
        QVERIFY(prompt.previewText().endsWith(QStringLiteral("...")));

        prompt.show();
        QSignalSpy accepted(&prompt, &SamplePrompt::signalAccepted);
        prompt.setSampleText(QStringLiteral("  \n "));
        QVERIFY(!prompt.hasSample());
        QVERIFY(!prompt.isVisible());
        prompt.show();
        QTest::mouseClick(&prompt, Qt::LeftButton);
        QCOMPARE(accepted.count(), 0);
    }

    void loadingBox()
    {
        QWidget owner;
        owner.setGeometry(100, 100, 600, 400);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));

        LoadingBox box(&owner);
        QCOMPARE(box.size(), QSize(80, 80));
        QVERIFY(box.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(box.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(!box.picture()->pixmap().isNull());

        box.start();
        QVERIFY(box.isVisible());
        QVERIFY(box.isRunning());
        QCOMPARE(QApplication::activeModalWidget(), &box);
        QVERIFY((box.geometry().center() - owner.geometry().center()).manhattanLength() <= 2);

        // A long job on the main thread lets the picture turn between steps.
        const qreal before = box.picture()->animation()->angle();
        QTRY_VERIFY(box.picture()->animation()->angle() != before);

        // Neither Escape nor a close request ends it; stop() does.
        QTest::keyClick(&box, Qt::Key_Escape);
        QVERIFY(box.isVisible());
        QVERIFY(!box.close());
        QVERIFY(box.isVisible());
        box.stop();
        QVERIFY(!box.isVisible());
        QVERIFY(!box.picture()->isRunning());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void loadingImageResource()
    {
        KitResources::ensureLoaded();
        QImage image(KitResources::loadingImage());
        QVERIFY(!image.isNull());
        QVERIFY(image.hasAlphaChannel());
        QVERIFY(image.width() <= 80 && image.height() <= 80);
    }

    void elidedLabel()
    {
        ElidedLabel label(QStringLiteral("A rather long title that cannot fit"));
        label.resize(80, 20);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QVERIFY(label.isElided());
        QVERIFY(label.displayedText().endsWith(QChar(0x2026)));
        QCOMPARE(label.text(), QStringLiteral("A rather long title that cannot fit"));
        QTRY_COMPARE(label.toolTip(), label.text());

        label.resize(1000, 20);
        QVERIFY(!label.isElided());
        QCOMPARE(label.displayedText(), label.text());
        QTRY_COMPARE(label.toolTip(), QString());

        // A tool tip set by the owner is left alone.
        label.setToolTip(QStringLiteral("owner's"));
        label.resize(60, 20);
        label.repaint();
        QCOMPARE(label.toolTip(), QStringLiteral("owner's"));
    }

    void iconButtonAndGlyphs()
    {
        for (auto glyph : {GlyphPainter::Close, GlyphPainter::Minimize, GlyphPainter::Maximize,
                           GlyphPainter::Restore, GlyphPainter::Menu, GlyphPainter::Share,
                           GlyphPainter::Logo, GlyphPainter::Spinner}) {
            const QImage image = GlyphPainter::pixmap(glyph, QSize(20, 20), Qt::black).toImage();
            bool painted = false;
            for (int y = 0; y < image.height() && !painted; ++y)
                for (int x = 0; x < image.width() && !painted; ++x)
                    painted = qAlpha(image.pixel(x, y)) > 0;
            QVERIFY2(painted, qPrintable(QString::number(glyph)));
        }

        IconButton button(GlyphPainter::Close);
        QSignalSpy clicked(&button, &QAbstractButton::clicked);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        // Tab reaches it; a click does not take the keyboard focus.
        QCOMPARE(button.focusPolicy(), Qt::TabFocus);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        button.setEnabled(false);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }

    void iconLineEdit()
    {
        QWidget window;
        auto *other = new QLineEdit(&window);
        auto *search = new IconLineEdit(GlyphPainter::Menu, &window);
        search->setGeometry(0, 40, 240, 28);
        window.resize(300, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy go(search, &IconLineEdit::signalButtonClicked);

        // The button sits inside the right end of the field.
        QVERIFY(search->rect().contains(search->button()->geometry()));
        QVERIFY(search->button()->geometry().right() >= search->width() - 4);

        search->setText(QStringLiteral("grammar"));
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QTest::mouseClick(search, Qt::LeftButton, Qt::NoModifier, QPoint(20, 14));
        QVERIFY(search->hasFocus());
        QCOMPARE(search->selectedText(), QStringLiteral("grammar"));
        // The second click places the cursor as usual.
        QTest::mouseClick(search, Qt::LeftButton, Qt::NoModifier, QPoint(20, 14));
        QVERIFY(search->selectedText().isEmpty());

        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(go.count(), 1);
        QTest::mouseClick(search->button(), Qt::LeftButton);
        QCOMPARE(go.count(), 2);
        search->button()->setEnabled(false);
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(go.count(), 2);
    }

    void fadeInAndOut()
    {
        QWidget widget;
        widget.resize(100, 100);
        FadeAnimation fade(&widget);
        fade.setDuration(30);
        QSignalSpy finished(&fade, &FadeAnimation::signalFinished);

        fade.fadeIn();
        QVERIFY(widget.isVisible());
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(fade.opacity(), 1.0);

        fade.fadeOut();
        QVERIFY(fade.isFadingOut());
        QTRY_COMPARE(finished.count(), 2);
        QVERIFY(!widget.isVisible());
        QCOMPARE(fade.opacity(), 1.0); // ready to be shown again

        widget.show();
        fade.setHideWhenFadedOut(false);
        fade.fadeOut();
        QTRY_COMPARE(finished.count(), 3);
        QVERIFY(widget.isVisible());

        fade.fadeIn();
        fade.stop();
        QVERIFY(!fade.isRunning());
        QCOMPARE(finished.count(), 3);
    }

    void messageBoxLook()
    {
        MessageBox box(QStringLiteral("Your current text will be cleared. Proceed?"),
                       {QStringLiteral("Confirm"), QStringLiteral("Cancel")});
        QVERIFY(box.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(box.titlebar());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(!box.titlebar()->minButton()->isVisible());
        QVERIFY(box.titlebar()->closeButton()->isVisible());

        // Dragging the bar moves the box by as much as the mouse moved.
        const QPoint start = box.pos();
        const QPoint grab(box.titlebar()->width() / 3, box.titlebar()->height() / 2);
        QTest::mousePress(box.titlebar(), Qt::LeftButton, Qt::NoModifier, grab);
        QTest::mouseMove(box.titlebar(), grab + QPoint(-30, 20));
        QTRY_COMPARE(box.pos(), start + QPoint(-30, 20));
        QTest::mouseRelease(box.titlebar(), Qt::LeftButton, Qt::NoModifier, grab);
    }

    // The close question's buttons stand in the platform's order: the one
    // that saves, the one that discards and "Cancel" where the platform's
    // own dialogs put them; a plain question keeps "Cancel" on its side.
    void messageBoxButtonsInThePlatformsOrder()
    {
        const auto order = [](const QStringList &names) {
            MessageBox box(QStringLiteral("Your current text will be lost if not saved. Proceed anyway?"), names);
            box.show();
            QList<QPushButton *> buttons = box.buttons();
            std::sort(buttons.begin(), buttons.end(),
                      [](QPushButton *a, QPushButton *b) { return a->x() < b->x(); });
            QStringList texts;
            for (QPushButton *button : buttons)
                texts << button->text();
            return texts;
        };
        const int layout = QApplication::style()->styleHint(QStyle::SH_DialogButtonLayout);
        QStringList closing;
        QStringList plain;
        switch (layout) {
        case QDialogButtonBox::MacLayout:
        case QDialogButtonBox::GnomeLayout:
            closing = QStringList{"Confirm", "Cancel", "Save"};
            plain = QStringList{"Cancel", "Confirm"};
            break;
        default: // Windows, KDE, Android
            closing = QStringList{"Save", "Confirm", "Cancel"};
            plain = QStringList{"Confirm", "Cancel"};
            break;
        }
        QCOMPARE(order({"Confirm", "Cancel", "Save"}), closing);
        QCOMPARE(order({"Confirm", "Cancel"}), plain);

        // What each button does is unchanged.
        QTimer::singleShot(0, [] {
            auto *box = qobject_cast<MessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->buttons().at(2)->click();
        });
        bool extra = false;
        QCOMPARE(MessageBox::ask(nullptr, QStringLiteral("Proceed anyway?"),
                                 {QStringLiteral("Confirm"), QStringLiteral("Cancel"), QStringLiteral("Save")}, &extra),
                 int(QDialog::Accepted));
        QVERIFY(extra);
        QTimer::singleShot(0, [] {
            auto *box = qobject_cast<MessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->buttons().at(1)->click();
        });
        QCOMPARE(MessageBox::ask(nullptr, QStringLiteral("Proceed anyway?"),
                                 {QStringLiteral("Confirm"), QStringLiteral("Cancel"), QStringLiteral("Save")}, &extra),
                 int(QDialog::Rejected));
        QVERIFY(!extra);
    }

    void messageBoxCloseButtonRejects()
    {
        QTimer::singleShot(0, [] {
            auto *box = qobject_cast<MessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->titlebar()->closeButton()->click();
        });
        bool extra = true;
        const int result = MessageBox::ask(nullptr, QStringLiteral("Proceed anyway?"),
                                           {QStringLiteral("Confirm"), QStringLiteral("Save"),
                                            QStringLiteral("Cancel")},
                                           &extra);
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(!extra);
    }

    void rotation()
    {
        RotateAnimation rotation;
        rotation.setPeriod(200);
        QCOMPARE(rotation.period(), 200);
        QSignalSpy angles(&rotation, &RotateAnimation::signalAngleChanged);
        rotation.start();
        QVERIFY(rotation.isRunning());
        QTRY_VERIFY(angles.count() >= 3);
        for (const QList<QVariant> &args : angles) {
            const qreal angle = args.first().toReal();
            QVERIFY(angle >= 0.0 && angle <= 360.0);
        }
        rotation.stop();
        QVERIFY(!rotation.isRunning());
    }

    // Under the light palette nothing changes; under a dark one white turns
    // to the base, greys and pale pictures darken, accents and alpha stay.
    void coloursForADarkPalette()
    {
        QPalette light;
        light.setColor(QPalette::Base, Qt::white);
        light.setColor(QPalette::Text, Qt::black);
        QPalette dark;
        dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        dark.setColor(QPalette::Text, QColor(0xe0, 0xe0, 0xe0));

        QCOMPARE(ThemeColours::tone(QColor(0xee, 0xee, 0xee), light), QColor(0xee, 0xee, 0xee));
        QCOMPARE(ThemeColours::tone(Qt::white, dark).rgb(), QColor(0x20, 0x20, 0x20).rgb());
        QCOMPARE(ThemeColours::tone(Qt::black, dark).rgb(), QColor(0xe0, 0xe0, 0xe0).rgb());
        QVERIFY(ThemeColours::tone(QColor(0xee, 0xee, 0xee), dark).lightness() < 0x60);

        const QString sheet = QStringLiteral("QWidget{background:#ffffff;color:#555555;} QPushButton{background:#1872d9;color:#ffffff;}");
        QCOMPARE(ThemeColours::themed(sheet, light), sheet);
        const QString darkSheet = ThemeColours::themed(sheet, dark);
        QVERIFY2(darkSheet.contains(QStringLiteral("background:#202020")), qPrintable(darkSheet));
        QVERIFY2(darkSheet.contains(QStringLiteral("background:#1872d9;color:#ffffff")), qPrintable(darkSheet));

        QImage picture(4, 1, QImage::Format_ARGB32);
        picture.setPixel(0, 0, qRgba(0xee, 0xee, 0xee, 0xff)); // an empty cell
        picture.setPixel(1, 0, qRgba(0x35, 0x72, 0xbf, 0xff)); // a filled one
        picture.setPixel(2, 0, qRgba(0, 0, 0, 0));             // transparent
        picture.setPixel(3, 0, qRgba(0xee, 0xee, 0xee, 0x80)); // half see-through
        QCOMPARE(ThemeColours::toned(picture, light), picture);
        const QImage toned = ThemeColours::toned(picture, dark);
        QVERIFY(QColor(toned.pixel(0, 0)).lightness() < 0x60);
        QCOMPARE(QColor(toned.pixel(1, 0)).hue(), QColor(0x35, 0x72, 0xbf).hue());
        QCOMPARE(qAlpha(toned.pixel(2, 0)), 0);
        QCOMPARE(qAlpha(toned.pixel(3, 0)), 0x80);
    }
};

QTEST_MAIN(TestKitParts)
#include "tst_kitparts.moc"
