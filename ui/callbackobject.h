#ifndef CALLBACKOBJECT_H
#define CALLBACKOBJECT_H

#include "menuitemtype.h"

#include <QObject>

#include "correctionitem.h"

// The one hub through which labels, the side panel and the context menu hand
// every action on a mark to the main window.
class CallbackObject : public QObject
{
    Q_OBJECT
public:
    static CallbackObject &instance();

    // Emits the four-argument signal with the mark's candidate list joined by "\n".
    void invokeCallback(CorrectionItem *item, MenuItemType type, int index);

signals:
    void signalCallback(CorrectionItem *item, MenuItemType type, int nIndex);
    void signalCallback(CorrectionItem *item, MenuItemType type, int nIndex,
                        const QString &correctionList);

private:
    CallbackObject() = default;
};

#endif
