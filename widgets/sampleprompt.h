#ifndef SAMPLEPROMPT_H
#define SAMPLEPROMPT_H

#include <QAbstractButton>

// The prompt an empty editor shows to new users: a line inviting them to
// try a sample text, with the start of that text beneath it. A click emits
// clicked() and signalAccepted() with the whole sample text, which the
// owner then puts into the editor. Without a sample text it shows nothing
// worth clicking and hides itself.
class SamplePrompt : public QAbstractButton
{
    Q_OBJECT
public:
    explicit SamplePrompt(QWidget *parent = nullptr);

    QString sampleText() const { return m_sample; }
    bool hasSample() const { return !m_sample.trimmed().isEmpty(); }

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // The start of the sample as the prompt shows it: blank runs folded into
    // single spaces, at most maxPreviewChars characters and "..." when cut.
    QString previewText() const;
    static int maxPreviewChars() { return 160; }

    QSize sizeHint() const override;

signals:
    void signalAccepted(const QString &text);

public slots:
    void setSampleText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void nextCheckState() override;

private:
    QString m_sample;
    QString m_caption;
    bool m_hovered = false;
};

#endif
