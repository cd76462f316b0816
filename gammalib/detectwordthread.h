#ifndef DETECTWORDTHREAD_H
#define DETECTWORDTHREAD_H

#include <QString>
#include <QThread>

namespace GammaLib {

// Counts the words of the whole document with a limit, off the main thread,
// so that an over-long submission is refused before a review starts. One
// instance is reused for every review; the result is read after finished().
class DetectWordThread : public QThread
{
    Q_OBJECT

public:
    explicit DetectWordThread(QObject *parent = nullptr);
    ~DetectWordThread() override;

    // Stores the text and the limit and starts the thread. Refused (false)
    // while a count is still running.
    bool startWordCount(const QString &text, int limit);

    // The word count, or -1 when it exceeded the limit; valid after finished().
    int wordCountResult() const { return m_result; }

protected:
    void run() override;

private:
    int m_limit = 0;
    QString m_text;
    int m_result = 0;
};

} // namespace GammaLib

#endif // DETECTWORDTHREAD_H
