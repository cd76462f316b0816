#ifndef WINDOWACCESSIBILITY_H
#define WINDOWACCESSIBILITY_H

#include <QObject>
#include <QString>

class CorrectionItem;
class MainWnd;

// What assistive technology learns about the main window beyond the texts
// of its buttons: descriptions naming the keys of the review commands,
// names for the controls without text, and the current mark. When the
// current mark changes, the editor's description becomes the flagged text
// with its first suggestion, and screen readers are told.
class WindowAccessibility : public QObject
{
    Q_OBJECT
public:
    explicit WindowAccessibility(MainWnd *window);

    // The editor's description while mark is current.
    static QString markDescription(const CorrectionItem *mark);

private slots:
    void followCurrentMark();

private:
    MainWnd *m_window = nullptr;
    const CorrectionItem *m_announced = nullptr;
    QString m_editorDescription;
};

#endif
