#ifndef MAINWND_H
#define MAINWND_H

#include <QWidget>

// The main window: editor, review workflow, side panel and report.
class MainWnd : public QWidget
{
    Q_OBJECT
public:
    explicit MainWnd(QWidget *parent = nullptr);
};

#endif
