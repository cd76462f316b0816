#ifndef TUTORIALOVERLAY_H
#define TUTORIALOVERLAY_H

#include "overlay.h"

#include <QList>

class QLabel;
class QPushButton;

// The first-run guide laid over the main window: a few pages that show how
// a review works, stepped through with "Next"; the last page's "Go" button
// emits signalGoClicked(), after which the owner removes the overlay.
class TutorialOverlay : public Overlay
{
    Q_OBJECT
public:
    struct Page
    {
        QString title;
        QString text;
    };

    explicit TutorialOverlay(QWidget *parent);

    // The built-in pages.
    static QList<Page> defaultPages();
    void setPages(const QList<Page> &pages);
    QList<Page> pages() const { return m_pages; }

    int pageCount() const { return int(m_pages.size()); }
    int currentPage() const { return m_current; }
    bool isLastPage() const { return m_current >= pageCount() - 1; }

    QPushButton *nextButton() const { return m_next; }
    QPushButton *goButton() const { return m_go; }

signals:
    void signalGoClicked();

public slots:
    void setCurrentPage(int index);
    void next();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // The tutorial takes the keyboard focus, so Return and the arrows work
    // without a click first.
    void showEvent(QShowEvent *event) override;

private:
    void showPage();
    bool m_keepingFocus = false;

    QList<Page> m_pages;
    int m_current = 0;
    QLabel *m_title = nullptr;
    QLabel *m_text = nullptr;
    QLabel *m_dots = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_go = nullptr;
};

#endif
