#ifndef CORRECTIONPANEL_H
#define CORRECTIONPANEL_H

#include "correctionpanelclass.h"

#include <QList>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <QWidget>

class CorrectionItem;
class CustomMenuItem;
class QLabel;
class QLineEdit;
class QNetworkReply;

// The side bar of the main window. For the current mark it shows the flagged
// text struck through, one row per candidate, "Ignore" and "Add to Glossary",
// and the explanation of the rule; for the search box it shows the dictionary
// entry of the word or, failing that, its translation with a bar to choose
// the languages. Actions on a mark go to the main window through the
// CallbackObject hub; the panel never changes the document itself.
class CorrectionPanel : public QWidget
{
    Q_OBJECT
public:
    explicit CorrectionPanel(QWidget *parent = nullptr);
    ~CorrectionPanel() override;

    // Called whenever the current mark changes (none when no mark is current).
    void showMark(CorrectionItem *mark);
    // Hides the translation bar, leaves search mode, forgets the mark and
    // clears the rows and the view.
    void clearMark();
    // The main window's search field; bound once.
    void bindSearchBox(QLineEdit *searchBox);

    CorrectionItem *mark() const { return m_mark; }
    bool isSearchMode() const { return m_searchMode; }
    // Explanation requests not answered yet.
    int requestCount() const { return m_requestCount; }
    // The HTML the view was given last (empty when cleared).
    QString shownHtml() const { return m_shownHtml; }
    QString timedOutText() const { return m_timedOutText; }
    QList<CustomMenuItem *> rows() const { return m_rows; }
    const Ui::CorrectionPanelClass &form() const { return m_ui; }
    QLabel *hintIcon() const { return m_hintIcon; }
    QLabel *hintTip() const { return m_hintTip; }
    QLabel *profanityTip() const { return m_profanityTip; }
    // The managers of the dictionary and translation look-ups.
    QNetworkAccessManager &dictionaryManager() { return m_dictManager; }
    QNetworkAccessManager &translationManager() { return m_translateManager; }

public slots:
    void slotItemClicked(int index);
    void slotIgnor();
    void slotUpdateExp(QObject *obj, const QString &result);
    void slotTestAreaChanged();
    void slotSearch();
    void slotContentChanged(const QString &text);
    void slotDictFinished(QNetworkReply *reply);
    void slotTranslateFinished(QNetworkReply *reply);
    void slotCombboxIndexChanged(int index);
    void slotExchanged();
    void slotAddDict();
    void slotSimilarWordsClicked(const QUrl &link);
    void slotShowTip();
    void slotHideTip();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum HintKind { EnrichmentHint, ConfusedHint };

    void clearRows();
    void setView(const QString &html);
    void clearView();
    void hideHint();
    void placeHint(HintKind kind);
    void translate();
    void selectStoredTarget();

    QString m_timedOutText;
    Ui::CorrectionPanelClass m_ui;
    QList<CustomMenuItem *> m_rows;
    CorrectionItem *m_mark = nullptr;
    int m_requestCount = 0;
    // Number of the newest explanation request; only its answer is shown.
    int m_requestSerial = 0;
    QNetworkAccessManager m_dictManager;
    QNetworkAccessManager m_translateManager;
    // The newest dictionary or translation request; answers of earlier
    // ones are dropped.
    QPointer<QNetworkReply> m_lookupReply;
    QStringList m_languageCodes;
    QStringList m_languageNames;
    bool m_searchMode = false;

    QLabel *m_hintIcon = nullptr;
    QLabel *m_hintTip = nullptr;
    HintKind m_hintKind = EnrichmentHint;
    QString m_helpEnrichment;
    QString m_helpConfused;
    QString m_styleEnrichment;
    QString m_styleConfused;

    QPointer<QLineEdit> m_searchBox;
    QLabel *m_profanityTip = nullptr;
    QString m_shownHtml;
    int m_viewWidth = -1;
};

#endif
