#ifndef EXPLANATION_H
#define EXPLANATION_H

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>

struct CCorrection;
class QNetworkReply;

namespace GammaLib {

// Fetches the explanation page of one correction's rule from the explanation
// service. One object per request; the answer always comes by
// signalExplanation, at once when the correction already holds a text.
class Explanation : public QObject
{
    Q_OBJECT

public:
    // baseUrl: "http://" + explanation host + "/eng" (see
    // ServiceAddresses::explanationBase()). The correction is borrowed and
    // must outlive the request.
    Explanation(const QString &baseUrl, int requestNumber, CCorrection *correction,
                QObject *parent = nullptr);
    // With the explanation address of the service address table.
    Explanation(int requestNumber, CCorrection *correction, QObject *parent = nullptr);

    int requestNumber() const { return m_requestNumber; }
    // The address fetch() requests: baseUrl followed by the correction's query.
    QByteArray address() const;

    void fetch();

signals:
    // exp is the page text, empty when the request failed.
    void signalExplanation(QObject *obj, QString exp);

private slots:
    void slotFinished(QNetworkReply *reply);

private:
    QNetworkAccessManager m_manager;
    CCorrection *m_correction = nullptr;
    int m_requestNumber = 0;
    QString m_baseUrl;
};

} // namespace GammaLib

#endif
