#include "mainwnd.h"

MainWnd::MainWnd(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Quillet"));
    setObjectName(QStringLiteral("MainWnd"));
    resize(850, 640);
}
