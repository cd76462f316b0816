#ifndef VOCCATAPROGRESSBAR_H
#define VOCCATAPROGRESSBAR_H

#include <QPointer>
#include <QProgressBar>

#include "voccatalabel.h"

// One bar of the vocabulary level chart: filled to the level's share of the
// largest level; hovering it shows the level and its word count in a small
// fading tooltip, leaving it closes the tooltip.
class VocCataProgressBar : public QProgressBar
{
    Q_OBJECT
public:
    explicit VocCataProgressBar(QWidget *parent = nullptr);
    ~VocCataProgressBar() override;

    // percentage: bar fill 0..100; count: words of the level; text: the
    // level's name.
    void setValue(int percentage, int count, const QString &text);

    int percentage() const { return m_value; }
    int count() const { return m_count; }
    QString levelText() const { return m_text; }
    VocCataLabel *tooltip() const { return m_tooltip; }
    QString tooltipText() const;

    static QString tooltipStyle() { return QStringLiteral("QLabel { border:2px solid #5c8dcb; }"); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showTooltip(const QPoint &globalPos);
    void closeTooltip();

    QPointer<VocCataLabel> m_tooltip;
    int m_value = 0;
    int m_count = 0;
    QString m_text;
};

#endif
