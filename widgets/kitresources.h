#ifndef KITRESOURCES_H
#define KITRESOURCES_H

#include <QString>

// The kit's compiled-in images. The kit is a static library, so its
// resources are registered explicitly before first use.
class KitResources
{
public:
    static void ensureLoaded();

    // The turning image of the loading box.
    static QString loadingImage();
};

#endif
