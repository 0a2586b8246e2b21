#include "platform/host/AcDbHostApplicationServices.h"

AcDbHostApplicationServices* acdbHostApplicationServices() {
    static AcDbHostApplicationServices services;
    return &services;
}
