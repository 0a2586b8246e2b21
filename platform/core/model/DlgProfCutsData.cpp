#include "platform/core/model/DlgProfCutsData.h"

#include "platform/core/model/Vdn_Drawing.h"

namespace {

const Vdn_Module* profileOf(const DlgProfCutsData& data) {
    const Vdn_DbMacro* macro = Vdn_Drawing::current().macro(data.macroId);
    const Vdn_Module* module = nullptr;
    if (!macro || macro->openModule(data.moduleName, module) != Acad::eOk)
        return nullptr;
    return module;
}

Vdn_Module* profileOf(DlgProfCutsData& data) {
    Vdn_DbMacro* macro = Vdn_Drawing::current().macro(data.macroId);
    Vdn_Module* module = nullptr;
    if (!macro || macro->openModule(data.moduleName, module) != Acad::eOk)
        return nullptr;
    return module;
}

} // namespace

void DlgProfCutsData::getCutDescs(Vdn_StringArray& descs) const {
    descs = Vdn_StringArray();
    const Vdn_Module* module = profileOf(*this);
    if (!module)
        return;
    for (const Vdn_CutConstraint& cut : module->cuts)
        descs.append(cut.description.isEmpty() ? cut.name : cut.name + L": " + cut.description);
}

int DlgProfCutsData::cutCount() const {
    const Vdn_Module* module = profileOf(*this);
    return module ? module->cuts.length() : 0;
}

bool DlgProfCutsData::drawCutPreview(int index, bool on) const {
    const Vdn_Module* module = profileOf(*this);
    if (!module || !module->cuts.isValidIndex(index))
        return false;
    Vdn_Drawing::current().setCutPreview(macroId, module->name, module->cuts[index].name, on);
    return true;
}

void DlgProfCutsData::removeAllPreviews() const {
    for (int i = 0; i < cutCount(); ++i)
        drawCutPreview(i, false);
}

bool DlgProfCutsData::removeCut(int index) {
    Vdn_Module* module = profileOf(*this);
    if (!module || !module->cuts.isValidIndex(index))
        return false;
    drawCutPreview(index, false);
    module->cuts.removeAt(index);
    return true;
}

bool DlgProfCutsData::selectOtherProf(const ObjectPicker& pick) {
    AcDbObjectId picked;
    if (!pick || !pick(picked))
        return false;
    const Vdn_DbMacro* macro = Vdn_Drawing::current().macro(picked);
    if (!macro)
        return false;
    const Vdn_Module* chosen = nullptr;
    for (const Vdn_Module& module : macro->modules) {
        if (module.kind == Vdn_Module::Kind::Profile) {
            chosen = &module;
            break;
        }
    }
    for (int i = 0; !chosen && i < macro->modules.length(); ++i) {
        if (!macro->modules[i].cuts.isEmpty())
            chosen = &macro->modules[i];
    }
    if (!chosen)
        return false;
    macroId = picked;
    moduleName = chosen->name;
    return true;
}
