#ifndef CHECKTASKTHREAD_H
#define CHECKTASKTHREAD_H

#include "cresultstate.h"
#include "storedindices.h"
#include "vocabularydata.h"

#include <QHash>
#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QStringList>

class CheckStorageThread;
class ResultStore;
namespace GammaLib {
class CheckTask;
class TextChunk;
class UserCountLog;
}

// One review of a document: answers the sentences checked before from the
// result store, sends the whole document to the checking service in one
// request (retried once on failure), passes every result on as it arrives,
// keeps the document scores and the statistics, stores new results, and
// reports the end only after the statistics uploads have finished.
//
// Lives on the main thread; one instance for the main window's lifetime.
class CheckTaskThread : public QObject
{
    Q_OBJECT

public:
    // The check address and the vocabulary for the interface language come
    // from the service address table and the current language.
    explicit CheckTaskThread(QObject *parent = nullptr);
    // checkUrl: the check address; language: interface language choosing the
    // vocabulary levels; dataFolder: where the vocabulary files are (empty:
    // the program folder).
    CheckTaskThread(const QString &checkUrl, const QString &language,
                    const QString &dataFolder = QString(), QObject *parent = nullptr);
    ~CheckTaskThread() override;

    // Starts a run over the chunks of the document: sentences[i] is the text
    // of chunks[i] as the editor selects it. The chunks are borrowed for the
    // run; store is the main window's result store, kept across runs.
    // englishLevel is the confidence the request asks for.
    void startTask(const QString &sessionKey, ResultStore *store, const QStringList &sentences,
                   const QList<GammaLib::TextChunk *> &chunks, int englishLevel);
    // Stops delivering results at once. A request in flight is aborted and
    // the run ends with signalFinished(OperationCanceledError); during the
    // look-up the run ends without signalFinished. When it returns, the run
    // no longer reads the chunks.
    void cancel();

    double lexicalScore() const { return m_lexicalScore; }
    double syntaxScore() const { return m_syntaxScore; }
    // Words per vocabulary level of the last run, lowest level first (six).
    QList<int> levelCounts() const { return m_levelCounts; }
    // Corrections per ErrorType code of the last run.
    QHash<int, int> errorTypeCounts() const { return m_errorTypeCounts; }
    // Total words of the last run, as counted for the statistics.
    int wordTotal() const { return m_wordTotal; }
    QNetworkReply::NetworkError lastError() const { return m_lastError; }

    GammaLib::CheckTask *task() const { return m_task; }
    CheckStorageThread *storage() const { return m_storage; }
    GammaLib::UserCountLog *usageLog() const { return m_usageLog; }
    const VocabularyData &vocabulary() const { return m_vocabulary; }

    // The words of a text for the statistics, split as the word counter does.
    static QStringList statisticsWords(const QString &text);

signals:
    void signalUpdateState(CResultState state);
    void signalFinished(QNetworkReply::NetworkError err);

public slots:
    void slotUpdateResult(CResultState state);
    void slotFinished(QNetworkReply::NetworkError err);
    void slotCheckStorageFinished();
    void slotUploadTaskFinished(int n);

private:
    void countVocabulary();
    void sendRequest();
    void storeResult(const CResultState &state);

    GammaLib::CheckTask *m_task = nullptr;
    CheckStorageThread *m_storage = nullptr;
    QStringList m_sentences;
    QList<GammaLib::TextChunk *> m_chunks;
    QString m_session;
    int m_englishLevel = 2;
    ResultStore *m_store = nullptr;
    StoredIndices m_storedIndices;
    VocabularyData m_vocabulary;
    QString m_language;
    GammaLib::UserCountLog *m_usageLog = nullptr;
    QHash<int, int> m_errorTypeCounts;
    double m_lexicalScore = -1.0;
    double m_syntaxScore = -1.0;
    QList<int> m_levelCounts;
    int m_wordTotal = 0;
    QNetworkReply::NetworkError m_lastError = QNetworkReply::NoError;
    bool m_retried = false;
    QList<int> m_receivedIndices;
    bool m_cancelled = false;
    bool m_waitingForUploads = false;
};

#endif
