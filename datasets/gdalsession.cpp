#include "datasets/gdalsession.h"

#include <gdal.h>
#include <mutex>

void ensureGdal()
{
    static std::once_flag registered;
    std::call_once(registered, [] { GDALAllRegister(); });
}
