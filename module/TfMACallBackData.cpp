#include "module/TfMACallBackData.h"

void TfMACallBackData::initDataClass(const MacroData& data) {
    if (!macroData_)
        macroData_ = std::make_shared<MacroData>(data);
}
