#include "app/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initSorvanelResources()
{
    Q_INIT_RESOURCE(images);
    Q_INIT_RESOURCE(styles);
    Q_INIT_RESOURCE(generated);
}

void initResources()
{
    static bool done = false;
    if (!done) {
        initSorvanelResources();
        done = true;
    }
}
