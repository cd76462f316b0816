#ifndef RINGCHART_H
#define RINGCHART_H

#include <QColor>
#include <QString>
#include <QWidget>

// A ring showing one share of the report: an arc of the given span over a
// light ring, with the share's text in the middle. The arc starts at a
// random angle each time a value is set.
class RingChart : public QWidget
{
    Q_OBJECT
public:
    explicit RingChart(QWidget *parent = nullptr);

    // span: arc in degrees (0..360); text: shown in the middle, e.g. "25%".
    void setValue(int span, const QString &text);

    int span() const { return m_span; }
    QString text() const { return m_text; }
    int startAngle() const { return m_startAngle; }

    QColor innerColor() const { return m_innerColor; }
    QColor backgroundColor() const { return m_backgroundColor; }
    QColor arcColor() const { return m_arcColor; }
    int innerDiameter() const { return m_innerDiameter; }
    int outerDiameter() const { return m_outerDiameter; }

    // The ring's size; the text in the middle keeps in proportion.
    void setDiameters(int outer, int inner);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_innerColor{QStringLiteral("#FFFFFF")};
    QColor m_backgroundColor{QStringLiteral("#F3f7FB")};
    QColor m_arcColor{QStringLiteral("#3572BF")};
    int m_innerDiameter = 120;
    int m_outerDiameter = 180;
    int m_fontSize = 14;
    int m_startAngle = 0;
    int m_span = 0;
    QString m_text = QStringLiteral("0%");
};

#endif
