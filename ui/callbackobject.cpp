#include "callbackobject.h"

#include "correctionitem.h"

CallbackObject &CallbackObject::instance()
{
    static CallbackObject hub;
    return hub;
}

void CallbackObject::invokeCallback(CorrectionItem *item, MenuItemType type, int index)
{
    const QString list = item ? item->candidateList().join(QLatin1Char('\n')) : QString();
    emit signalCallback(item, type, index, list);
}
