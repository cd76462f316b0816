#ifndef LOADINGCOVER_H
#define LOADINGCOVER_H

#include "rotatingpicture.h"

#include <QPointer>

// The kit's turning loading picture kept in the middle of an area of its
// window (a web view, say, or the whole window when there is no area) and
// shown while something loads.
class LoadingCover : public RotatingPicture
{
public:
    explicit LoadingCover(QWidget *parent);

    // The widget to centre on; followed as it moves and resizes.
    void setArea(QWidget *area);
    // Shows and starts the picture over everything else, or stops and hides it.
    void setShown(bool shown);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    QPointer<QWidget> m_area;
};

#endif
