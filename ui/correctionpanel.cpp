#include "correctionpanel.h"

#include "callbackobject.h"
#include "correctionitem.h"
#include "currentlanguage.h"
#include "custommenuitem.h"
#include "errortype.h"
#include "eventlog.h"
#include "explanation.h"
#include "lookupanswer.h"
#include "lookuprequest.h"
#include "preferences.h"
#include "translationlanguages.h"
#include "themecolours.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QNetworkReply>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

// The panel's pictures are compiled into the ui library.
static void loadPanelResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(panel);
        return true;
    }();
    Q_UNUSED(loaded);
}

namespace {

const char *const kTitleImprove =
    "QLabel{color: #19A0DC;\t\t\t\t\t\t\t\t\t\t\t font:Bold 11pt \"Arial, Sans-serif\";"
    "\t\t\t\t\t\t\t\t\t\t\t padding-left:10px;}";
const char *const kTitleError =
    "QLabel{color: #FA5050;\t\t\t\t\t\t\t\t\t\t\t font:Bold 11pt \"Arial, Sans-serif\";"
    "\t\t\t\t\t\t\t\t\t\t\t padding-left:10px;}";
const char *const kHintIconStyle =
    "QLabel{image: url(:/MainWnd/Resources/hint_normal.png);}\t\t\t\t\t\t\t "
    "QLabel:hover{image: url(:/MainWnd/Resources/hint_hover.png);}";
const char *const kProfanityTipStyle =
    "QLabel\t\t\t\t{ font:10pt \"Arial, Sans-serif\";\t\t\t\tborder-image: "
    "url(:/MainWnd/Resources/tip_3.png);\t\t\t\tpadding:2px;\t\t\t\tcolor:#be911e;\t\t\t\tborder-width:5px;}";

// Height of the hint tip for each kind of help in each interface language:
// the help texts are longer in Spanish and shorter in Chinese and Japanese.
int hintTipHeight(bool confused)
{
    const QString language = GammaLib::currentLanguage();
    if (language == QLatin1String("zh-CN"))
        return confused ? 100 : 50;
    if (language == QLatin1String("ja"))
        return confused ? 120 : 60;
    if (language == QLatin1String("es"))
        return confused ? 200 : 86;
    return confused ? 168 : 70;
}

} // namespace

CorrectionPanel::CorrectionPanel(QWidget *parent)
    : QWidget(parent)
{
    loadPanelResources();
    m_timedOutText = tr("Request timed out. Please retry. You may need to diagnose your network "
                        "connection if the problem lingers.");
    m_ui.setupUi(this);

    m_languageCodes = GammaLib::TranslationLanguages::codes();
    m_languageNames = {tr("English"), tr("Spanish"), tr("Chinese"), tr("French"),
                       tr("German"),  tr("Portuguese"), tr("Japanese")};
    m_ui.sourceBox->addItem(tr("Auto"));
    m_ui.sourceBox->addItems(m_languageNames);
    m_ui.targetBox->addItems(m_languageNames);
    m_ui.translation_panel->hide();
    m_ui.exchangeButton->setEnabled(false);

    m_helpEnrichment = tr("Enrichments suggest better word choices to avoid overuse of simple words, "
                          "repetition or ambiguity.");
    m_helpConfused = tr("A word will be highlighted and flagged as \"Confused Words\" if Quillet thinks "
                        "you meant some other word(s) that better fits in here (with higher "
                        "probability).\nPlease note that there's a common possibility the word flagged "
                        "as \"Confused Words\" is correct after all and is indeed what you want to say "
                        "here.");
    m_styleEnrichment = QStringLiteral(
        "QLabel\t\t\t\t   { font:10pt \"Arial, Sans-serif\";\t\t\t\t   border-image: "
        "url(:/MainWnd/Resources/tip.png);\t\t\t\t   padding:2px;\t\t\t\t   color:#be911e;\t\t\t\t   "
        "border-width:5px;}");
    m_styleConfused = QStringLiteral(
        "QLabel\t\t\t\t{ font:10pt \"Arial, Sans-serif\";\t\t\t\tborder-image: "
        "url(:/MainWnd/Resources/tip_2.png);\t\t\t\tpadding:2px;\t\t\t\tcolor:#be911e;\t\t\t\t"
        "border-width:5px;}");

    // The hint icon and its tip float over the top of the view.
    m_hintIcon = new QLabel(m_ui.contents);
    m_hintIcon->setObjectName(QStringLiteral("hintIcon"));
    m_hintIcon->setStyleSheet(QLatin1String(kHintIconStyle));
    m_hintIcon->setFixedSize(16, 16);
    m_hintIcon->setAttribute(Qt::WA_Hover);
    m_hintIcon->installEventFilter(this);
    m_hintIcon->hide();
    m_hintTip = new QLabel(m_ui.contents);
    m_hintTip->setObjectName(QStringLiteral("hintTip"));
    m_hintTip->setWordWrap(true);
    m_hintTip->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_hintTip->hide();

    m_profanityTip = new QLabel(this);
    m_profanityTip->setObjectName(QStringLiteral("profanityTip"));
    m_profanityTip->setWordWrap(true);
    m_profanityTip->setText(tr("This option may contain profanity. Please use with caution."));
    m_profanityTip->setStyleSheet(QLatin1String(kProfanityTipStyle));
    // Tall enough for the text in every interface language.
    m_profanityTip->resize(238, qMax(48, m_profanityTip->heightForWidth(238)));
    m_profanityTip->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_profanityTip->hide();

    selectStoredTarget();

    connect(m_ui.addDictButton, &QPushButton::clicked, this, &CorrectionPanel::slotAddDict);
    connect(m_ui.ignoreButton, &QPushButton::clicked, this, &CorrectionPanel::slotIgnor);
    connect(m_ui.explanationView->document(), &QTextDocument::contentsChanged, this,
            &CorrectionPanel::slotTestAreaChanged);
    connect(m_ui.explanationView, &QTextBrowser::anchorClicked, this,
            &CorrectionPanel::slotSimilarWordsClicked);
    connect(&m_dictManager, &QNetworkAccessManager::finished, this, &CorrectionPanel::slotDictFinished);
    connect(&m_translateManager, &QNetworkAccessManager::finished, this,
            &CorrectionPanel::slotTranslateFinished);
    connect(m_ui.sourceBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CorrectionPanel::slotCombboxIndexChanged);
    connect(m_ui.targetBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CorrectionPanel::slotCombboxIndexChanged);
    connect(m_ui.exchangeButton, &QPushButton::clicked, this, &CorrectionPanel::slotExchanged);
    m_ui.explanationView->installEventFilter(this);
}

CorrectionPanel::~CorrectionPanel()
{
    // Answers that arrive while the panel goes away are of no use.
    m_dictManager.disconnect(this);
    m_translateManager.disconnect(this);
}

void CorrectionPanel::selectStoredTarget()
{
    // The target language is the one last chosen; on first use the system's.
    Preferences preferences;
    QString code = preferences.translationTarget();
    if (code.isEmpty()) {
        code = QLocale::system().bcp47Name();
        preferences.setTranslationTarget(code);
    }
    const int index = int(m_languageCodes.indexOf(code));
    if (index >= 0)
        m_ui.targetBox->setCurrentIndex(index);
}

void CorrectionPanel::bindSearchBox(QLineEdit *searchBox)
{
    if (m_searchBox || !searchBox)
        return;
    m_searchBox = searchBox;
    connect(searchBox, &QLineEdit::textChanged, this, &CorrectionPanel::slotContentChanged);
    connect(searchBox, &QLineEdit::returnPressed, this, &CorrectionPanel::slotSearch);
}

// Marks ---------------------------------------------------------------------------------

void CorrectionPanel::clearRows()
{
    m_ui.titleLabel->clear();
    for (CustomMenuItem *row : std::as_const(m_rows)) {
        m_ui.itemLayout->removeWidget(row);
        row->hide();
        // The row may be the one whose click is being handled.
        row->deleteLater();
    }
    m_rows.clear();
}

void CorrectionPanel::showMark(CorrectionItem *mark)
{
    if (!m_mark && !mark && m_searchMode)
        return; // a search result stays

    m_searchMode = false;
    m_lookupReply = nullptr;
    m_ui.translation_panel->hide();
    m_mark = mark;
    clearRows();
    hideHint();

    if (!mark) {
        m_ui.correctionArea->hide();
        m_profanityTip->hide();
        clearView();
        return;
    }

    const bool improve = mark->markErrorType() == IMPROVE;
    m_ui.titleLabel->setStyleSheet(QLatin1String(improve ? kTitleImprove : kTitleError));
    m_ui.titleLabel->setText(QStringLiteral("<s>") + mark->flaggedText().toHtmlEscaped()
                             + QStringLiteral("</s>"));
    const QStringList candidates = mark->candidateList();
    for (int i = 0; i < candidates.size(); ++i) {
        auto *row = new CustomMenuItem(i, candidates.at(i), m_ui.correctionArea);
        m_ui.itemLayout->insertWidget(i, row);
        m_rows.append(row);
        connect(row, qOverload<int>(&CustomMenuItem::signalClicked), this,
                &CorrectionPanel::slotItemClicked);
        connect(row, &CustomMenuItem::signalShowTip, this, &CorrectionPanel::slotShowTip);
        connect(row, &CustomMenuItem::signalHideTip, this, &CorrectionPanel::slotHideTip);
    }
    m_ui.addDictButton->setVisible(mark->canAddToGlossary());
    m_ui.correctionArea->show();

    setView(tr("<body>Loading...</body>"));
    ++m_requestCount;
    ++m_requestSerial;
    auto *explanation = new GammaLib::Explanation(m_requestSerial, &mark->correctionRecord(), this);
    connect(explanation, &GammaLib::Explanation::signalExplanation, this, &CorrectionPanel::slotUpdateExp);
    explanation->fetch();
}

void CorrectionPanel::clearMark()
{
    m_ui.translation_panel->hide();
    m_searchMode = false;
    m_lookupReply = nullptr;
    m_mark = nullptr;
    clearRows();
    hideHint();
    m_profanityTip->hide();
    m_ui.correctionArea->hide();
    clearView();
}

void CorrectionPanel::slotUpdateExp(QObject *obj, const QString &result)
{
    auto *explanation = qobject_cast<GammaLib::Explanation *>(obj);
    // Only the newest request speaks for the mark shown: an earlier one may
    // belong to a mark the user has left, and may answer last.
    if (explanation && explanation->requestNumber() == m_requestSerial && m_mark && !m_searchMode) {
        const QString html = result.isEmpty() ? m_timedOutText : result;
        if (!result.isEmpty())
            m_mark->correctionRecord().explanation = result;
        if (m_mark->markErrorType() == IMPROVE)
            placeHint(EnrichmentHint);
        else if (m_mark->markErrorType() == REAL)
            placeHint(ConfusedHint);
        if (result.isEmpty())
            hideHint();
        setView(html);
    }
    if (obj)
        obj->deleteLater();
    if (m_requestCount > 0)
        --m_requestCount;
}

void CorrectionPanel::slotItemClicked(int index)
{
    if (!m_mark)
        return;
    EventLog::log(QStringLiteral("QL_Main_Sidebar_Correct"));
    CallbackObject::instance().invokeCallback(m_mark, ApplyCandidate, index);
}

void CorrectionPanel::slotIgnor()
{
    if (!m_mark)
        return;
    EventLog::log(QStringLiteral("QL_Main_Sidebar_Ignore"));
    CallbackObject::instance().invokeCallback(m_mark, IgnoreMark, 0);
}

void CorrectionPanel::slotAddDict()
{
    if (!m_mark)
        return;
    EventLog::log(QStringLiteral("QL_Main_Sidebar_AppendedGLossary"));
    CallbackObject::instance().invokeCallback(m_mark, AddToGlossary, 0);
}

// View ----------------------------------------------------------------------------------

void CorrectionPanel::setView(const QString &html)
{
    m_shownHtml = html;
    // The page's own style sheet was written for a light panel: its greys
    // follow the palette, so the text stays readable under a dark theme.
    QString shown = html;
    const qsizetype open = shown.indexOf(QLatin1String("<style"), 0, Qt::CaseInsensitive);
    const qsizetype close = open < 0 ? -1 : shown.indexOf(QLatin1String("</style>"), open, Qt::CaseInsensitive);
    if (close > open)
        shown.replace(open, close - open, ThemeColours::themed(shown.mid(open, close - open)));
    m_ui.explanationView->setHtml(shown);
}

void CorrectionPanel::clearView()
{
    m_shownHtml.clear();
    m_ui.explanationView->clear();
}

void CorrectionPanel::slotTestAreaChanged()
{
    QTextBrowser *view = m_ui.explanationView;
    QTextDocument *document = view->document();
    document->setTextWidth(view->width());
    if (document->size().height() > view->height())
        document->setTextWidth(view->width() - m_ui.scrollArea->verticalScrollBar()->width());
    const int height = int(document->size().height()) + 2 * view->frameWidth();
    if (view->minimumHeight() != height)
        view->setMinimumHeight(height);
}

// Hints ---------------------------------------------------------------------------------

void CorrectionPanel::hideHint()
{
    m_hintIcon->hide();
    m_hintTip->hide();
}

void CorrectionPanel::placeHint(HintKind kind)
{
    m_hintKind = kind;
    const bool confused = kind == ConfusedHint;
    // Above the right end of the view's first line, the tip under it.
    m_ui.contents->layout()->activate();
    const QRect view = m_ui.explanationView->geometry();
    m_hintIcon->move(view.right() - 26, view.top() + 6);
    m_hintTip->setStyleSheet(confused ? m_styleConfused : m_styleEnrichment);
    m_hintTip->setText(confused ? m_helpConfused : m_helpEnrichment);
    // The height of the language's table, or more when the text needs it.
    const int width = qMax(120, view.width() - 16);
    m_hintTip->setGeometry(view.left() + 8, view.top() + 26, width,
                           qMax(hintTipHeight(confused), m_hintTip->heightForWidth(width)));
    m_hintIcon->raise();
    m_hintTip->raise();
    m_hintIcon->show();
}

bool CorrectionPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_hintIcon) {
        if (event->type() == QEvent::Enter) {
            m_hintTip->raise();
            m_hintTip->show();
        } else if (event->type() == QEvent::Leave) {
            m_hintTip->hide();
        }
    } else if (watched == m_ui.explanationView && event->type() == QEvent::Resize) {
        // A new width changes the height the text needs.
        if (m_ui.explanationView->width() != m_viewWidth) {
            m_viewWidth = m_ui.explanationView->width();
            slotTestAreaChanged();
            if (m_hintIcon->isVisible())
                placeHint(m_hintKind);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CorrectionPanel::slotShowTip()
{
    auto *row = qobject_cast<QWidget *>(sender());
    if (!row || !row->parentWidget())
        return;
    const QPoint at = row->parentWidget()->mapTo(this, row->pos() + QPoint(0, 30));
    m_profanityTip->move(at);
    m_profanityTip->raise();
    m_profanityTip->show();
}

void CorrectionPanel::slotHideTip()
{
    m_profanityTip->hide();
}

// Search, dictionary and translation -------------------------------------------------------

void CorrectionPanel::slotSearch()
{
    hideHint();
    const QString text = m_searchBox ? m_searchBox->text().trimmed() : QString();
    if (text.isEmpty())
        return;
    m_searchMode = true;
    m_mark = nullptr;
    m_profanityTip->hide();
    m_ui.correctionArea->hide();
    clearView();
    setView(tr("<body>Loading...</body>"));
    EventLog::log(QStringLiteral("QL_Main_Search"));
    m_ui.translation_panel->hide();
    m_lookupReply = m_dictManager.get(GammaLib::LookupRequest::make(GammaLib::LookupRequest::dictionaryUrl(text)));
}

void CorrectionPanel::slotDictFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != m_lookupReply || !m_searchMode)
        return; // an earlier look-up, or the panel has moved on
    const bool failed = reply->error() != QNetworkReply::NoError;
    const QString body = GammaLib::LookupAnswer::body(reply);
    if (!failed && body.isEmpty()) {
        // Not in the dictionary: try a translation.
        translate();
        return;
    }
    setView(failed ? m_timedOutText : body);
}

void CorrectionPanel::translate()
{
    const QString text = m_searchBox ? m_searchBox->text().trimmed() : QString();
    if (text.isEmpty())
        return;
    EventLog::log(QStringLiteral("QL_Main_Translate"));
    setView(tr("<body>Loading...</body>"));
    const int source = m_ui.sourceBox->currentIndex();
    const int target = m_ui.targetBox->currentIndex();
    const QString pairEvent = GammaLib::TranslationLanguages::pairEvent(target, source);
    if (!pairEvent.isEmpty())
        EventLog::log(pairEvent);
    const QString sourceCode = GammaLib::TranslationLanguages::sourceCode(source);
    const QString targetCode = m_languageCodes.value(target, m_languageCodes.first());
    m_lookupReply = m_translateManager.get(GammaLib::LookupRequest::make(
        GammaLib::LookupRequest::translationUrl(text, sourceCode, targetCode)));
}

void CorrectionPanel::slotTranslateFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != m_lookupReply || !m_searchMode)
        return;
    QString text = m_timedOutText;
    const QString body = GammaLib::LookupAnswer::body(reply);
    if (!body.isEmpty())
        text = GammaLib::LookupAnswer::withLocalLogos(body);
    m_ui.translation_panel->show();
    setView(text);
}

void CorrectionPanel::slotSimilarWordsClicked(const QUrl &link)
{
    if (!m_searchBox)
        return;
    m_searchBox->setText(link.path(QUrl::FullyDecoded));
    slotSearch();
}

void CorrectionPanel::slotContentChanged(const QString &text)
{
    if (text.isEmpty() && !m_mark) {
        // A look-up still on its way no longer has a question to answer.
        m_lookupReply = nullptr;
        clearView();
    }
}

void CorrectionPanel::slotCombboxIndexChanged(int)
{
    const int source = m_ui.sourceBox->currentIndex();
    const int target = m_ui.targetBox->currentIndex();
    m_ui.exchangeButton->setEnabled(source != 0 && source - 1 != target);
    if (target >= 0 && target < m_languageCodes.size())
        Preferences().setTranslationTarget(m_languageCodes.at(target));
    // The bar is shown only with a translation; outside a search there is
    // nothing to translate again.
    if (m_searchMode)
        translate();
}

void CorrectionPanel::slotExchanged()
{
    const int source = m_ui.sourceBox->currentIndex();
    const int target = m_ui.targetBox->currentIndex();
    if (source < 1)
        return;
    // Only the target's change translates again.
    disconnect(m_ui.sourceBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
               &CorrectionPanel::slotCombboxIndexChanged);
    m_ui.sourceBox->setCurrentIndex(target + 1);
    connect(m_ui.sourceBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CorrectionPanel::slotCombboxIndexChanged);
    m_ui.targetBox->setCurrentIndex(source - 1);
}
