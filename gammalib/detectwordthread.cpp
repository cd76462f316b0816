#include "detectwordthread.h"

#include "sentencesplitter.h"
#include "wordcounter.h"

namespace GammaLib {

DetectWordThread::DetectWordThread(QObject *parent)
    : QThread(parent)
{
    prepareSegmentation();
}

DetectWordThread::~DetectWordThread()
{
    wait();
}

bool DetectWordThread::startWordCount(const QString &text, int limit)
{
    if (isRunning())
        return false;
    m_text = text;
    m_limit = limit;
    m_result = 0;
    start();
    return true;
}

void DetectWordThread::run()
{
    msleep(100);
    m_result = countWordsUpTo(m_text, m_limit);
}

} // namespace GammaLib
