#include "platform/core/model/DlgMacroCutsData.h"

#include "platform/core/model/Vdn_CutConstraint.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/model/Vdn_Drawing.h"
#include "platform/core/text/StringHelpers.h"

#include <cwctype>
#include <vector>

namespace {

struct DefaultParameter {
    int offsetType;
    const wchar_t* value;
    bool inDialog;
};

// What a new cut of each type measures, and where it starts: the main offset is shown in the
// macro dialog, the fine adjustments are not.
std::vector<DefaultParameter> defaultsOf(int type) {
    switch (type) {
    case DlgMacroCutsData::kProfileVsPlate:
        return {{0, L"0", true}, {2, L"0", false}};
    case DlgMacroCutsData::kProfileVsProfile:
        return {{0, L"10", true}, {2, L"0", false}};
    case DlgMacroCutsData::kProfileInProfile:
        return {{4, L"5", true}, {5, L"5", false}};
    case DlgMacroCutsData::kThreeSegments:
        return {{0, L"10", true}, {1, L"0", false}, {3, L"50", false}};
    case DlgMacroCutsData::kChamfer:
        return {{6, L"15", true}, {7, L"15", false}};
    case DlgMacroCutsData::kFillet:
        return {{8, L"10", true}};
    default:
        return {};
    }
}

bool isVariableName(const Vdn_String& name) {
    if (name.isEmpty() || !std::iswalpha(static_cast<std::wint_t>(name[0])))
        return false;
    for (int i = 0; i < name.length(); ++i) {
        const wchar_t ch = name[i];
        if (!std::iswalnum(static_cast<std::wint_t>(ch)) && ch != L'_')
            return false;
    }
    return !name.startsWith(L"gen_", false);
}

bool hasCutNamed(const Vdn_Module& module, const Vdn_String& name) {
    for (const Vdn_CutConstraint& cut : module.cuts) {
        if (cut.name.equal(name, false))
            return true;
    }
    return false;
}

Acad::ErrorStatus refuse(Vdn_String* problem, const Vdn_String& why,
                         Acad::ErrorStatus status = Acad::eInvalidInput) {
    if (problem)
        *problem = why;
    return status;
}

} // namespace

bool DlgMacroCutsData::GetDefaultValues(int type) {
    if (!isCutType(type))
        return false;
    cutType = type;
    paramNames = Vdn_StringArray();
    paramValues = Vdn_StringArray();
    paramFlags = Vdn_Array<bool>();
    for (const DefaultParameter& parameter : defaultsOf(type)) {
        paramNames.append(Vdn_CutConstraint::offsetName(parameter.offsetType));
        paramValues.append(parameter.value);
        paramFlags.append(parameter.inDialog);
    }
    return true;
}

bool DlgMacroCutsData::CutNameInUse() const {
    if (editExisting)
        return false;
    const AcDbObjectId id = targetMacro();
    const Vdn_DbMacro* macro = id.isNull() ? nullptr : Vdn_Drawing::current().macro(id);
    const Vdn_Module* module = nullptr;
    if (!macro || macro->openModule(moduleName, module) != Acad::eOk)
        return false;
    return hasCutNamed(*module, cutName.trim());
}

bool DlgMacroCutsData::AreVarNamesValid() const {
    for (int i = 0; i < paramNames.length(); ++i) {
        if (!isVariableName(paramNames[i]))
            return false;
        for (int j = 0; j < i; ++j) {
            if (paramNames[j].equal(paramNames[i], false))
                return false;
        }
    }
    return true;
}

Acad::ErrorStatus DlgMacroCutsData::loadCut(const Vdn_DbMacro& macro, const Vdn_String& module,
                                            const Vdn_String& cut) {
    const Vdn_Module* found = nullptr;
    if (macro.openModule(module, found) != Acad::eOk)
        return Acad::eKeyNotFound;
    const Vdn_CutConstraint* existing = nullptr;
    if (found->getCutConstraint(cut, existing) != Acad::eOk)
        return Acad::eKeyNotFound;
    DlgMacroCutsData loaded;
    loaded.macros = macros;
    loaded.editExisting = true;
    loaded.moduleChoice = kThisMacro;
    loaded.moduleName = found->name;
    loaded.cutType = existing->type;
    loaded.cutName = existing->name;
    loaded.description = existing->description;
    for (int type = 0; type < Vdn_CutConstraint::kOffsetTypeCount; ++type) {
        const auto slot = static_cast<std::size_t>(type);
        if (!existing->offsets[slot])
            continue;
        loaded.paramNames.append(Vdn_CutConstraint::offsetName(type));
        loaded.paramValues.append(*existing->offsets[slot]);
        loaded.paramFlags.append(existing->inDialog[slot]);
    }
    loaded.cutState = existing->state;
    loaded.typeOption = existing->option;
    if (existing->type == kProfileVsPlate) {
        loaded.plateFace = existing->side == 1 ? 1 : 0;
        loaded.bevelFlanges = existing->bevelFlanges;
        loaded.bevelWeb = existing->bevelWeb;
    } else if (existing->type == kThreeSegments) {
        loaded.segmentGiven = existing->side >= 0;
        loaded.segmentProfile = existing->side == 1 ? 1 : 0;
    }
    *this = loaded;
    return Acad::eOk;
}

AcDbObjectId DlgMacroCutsData::targetMacro() const {
    if (!editExisting && moduleChoice == kOtherMacro)
        return macros.otherMacro();
    return macros.ownMacro();
}

Acad::ErrorStatus DlgMacroCutsData::writeToMacro(Vdn_DbMacro& macro, Vdn_String* problem) const {
    Vdn_Module* module = nullptr;
    if (macro.openModule(moduleName, module) != Acad::eOk) {
        return refuse(problem, L"the macro has no module \"" + moduleName + L"\"",
                      Acad::eKeyNotFound);
    }
    Vdn_CutConstraint cut;
    int index = -1;
    if (editExisting) {
        for (int i = 0; i < module->cuts.length() && index < 0; ++i) {
            if (module->cuts[i].name.equal(cutName, false))
                index = i;
        }
        if (index < 0) {
            return refuse(problem,
                          L"module \"" + module->name + L"\" has no cut \"" + cutName + L"\"",
                          Acad::eKeyNotFound);
        }
        cut = module->cuts[index];
    } else {
        cut.name = cutName.trim();
        cut.type = cutType;
        if (cut.name.isEmpty())
            return refuse(problem, L"a cut needs a name");
        if (hasCutNamed(*module, cut.name))
            return refuse(problem, L"module \"" + module->name + L"\" has a cut \"" + cut.name +
                                       L"\" already");
        if (!isCutType(cut.type))
            return refuse(problem, L"the cut type " + Vdn_String(cut.type) + L" is not 1 to 6");
    }
    if (cutState < 0 || cutState > 3)
        return refuse(problem, L"the cut state " + Vdn_String(cutState) + L" is not 0 to 3");

    cut.description = description;
    cut.offsets = {};
    cut.inDialog = {};
    for (int i = 0; i < paramNames.length(); ++i) {
        const int type = Vdn_CutConstraint::offsetTypeOf(paramNames[i]);
        if (type < 0)
            return refuse(problem, L"\"" + paramNames[i] + L"\" is no parameter of a cut");
        const auto slot = static_cast<std::size_t>(type);
        if (cut.offsets[slot])
            return refuse(problem, L"the parameter \"" + paramNames[i] + L"\" is given twice");
        const Vdn_String value = i < paramValues.length() ? paramValues[i].trim() : L"0";
        if (!isNumber(value))
            return refuse(problem, L"the value \"" + value + L"\" of \"" + paramNames[i] +
                                       L"\" is not a number");
        cut.offsets[slot] = value;
        cut.inDialog[slot] = i < paramFlags.length() && paramFlags[i];
    }
    cut.state = cutState;
    cut.option = false;
    cut.bevelFlanges = false;
    cut.bevelWeb = false;
    switch (cut.type) {
    case kProfileVsPlate:
        cut.side = plateFace == 1 ? 1 : 0;
        cut.bevelFlanges = bevelFlanges;
        cut.bevelWeb = bevelWeb;
        cut.option = typeOption;
        break;
    case kProfileInProfile:
        cut.option = typeOption;
        break;
    case kThreeSegments:
        cut.side = segmentGiven ? (segmentProfile == 1 ? 1 : 0) : -1;
        break;
    default:
        break;
    }
    if (index < 0)
        module->cuts.append(cut);
    else
        module->cuts[index] = cut;
    return Acad::eOk;
}

Acad::ErrorStatus DlgMacroCutsData::writeToDrawing(Vdn_String* problem) const {
    const AcDbObjectId id = targetMacro();
    Vdn_DbMacro* macro = id.isNull() ? nullptr : Vdn_Drawing::current().macro(id);
    if (!macro) {
        return refuse(problem, L"the drawing holds no macro for the cut", Acad::eKeyNotFound);
    }
    return writeToMacro(*macro, problem);
}
