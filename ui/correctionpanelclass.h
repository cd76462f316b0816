#ifndef CORRECTIONPANELCLASS_H
#define CORRECTIONPANELCLASS_H

class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QTextBrowser;
class QVBoxLayout;
class QWidget;

namespace Ui {

// The widgets of the side panel and their layout, built in code: a scroll
// area holding the translation bar, the correction area (struck-through
// title, candidate rows, "Ignore" and "Add to Glossary") and the view that
// shows explanations, dictionary entries and translations.
class CorrectionPanelClass
{
public:
    void setupUi(QWidget *panel);
    void retranslateUi(QWidget *panel);

    QVBoxLayout *outerLayout = nullptr;
    QScrollArea *scrollArea = nullptr;
    QWidget *contents = nullptr;
    QVBoxLayout *contentsLayout = nullptr;

    QWidget *translation_panel = nullptr;
    QComboBox *sourceBox = nullptr;
    QPushButton *exchangeButton = nullptr;
    QComboBox *targetBox = nullptr;

    QWidget *correctionArea = nullptr;
    QLabel *titleLabel = nullptr;
    QVBoxLayout *itemLayout = nullptr;
    QPushButton *ignoreButton = nullptr;
    QPushButton *addDictButton = nullptr;

    QTextBrowser *explanationView = nullptr;
};

} // namespace Ui

#endif
