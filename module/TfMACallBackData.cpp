#include "module/TfMACallBackData.h"

void TfMACallBackData::initDataClass(const MacroData& data) {
    if (!mMacroData)
        mMacroData = std::make_shared<MacroData>(data);
}
