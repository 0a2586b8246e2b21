#include "spreadsheet/standards/MappingKinds.h"

#include <array>

namespace ss {

namespace {

struct KindInfo {
    int kind;
    const wchar_t* keyword;
    TfValueType type;
};

// In the order in which a keyword is recognised at the start of a text.
constexpr std::array<KindInfo, MappingKinds::kLastKind> kKinds = {{
    {MappingKinds::kDistance, L"Distance", tfDouble},
    {MappingKinds::kGenVar, L"GenVar", tfDouble},
    {MappingKinds::kCutOffset, L"CutOffset", tfDouble},
    {MappingKinds::kCutPolyOffset, L"CutPolyOffset", tfDouble},
    {MappingKinds::kCutLengthOffset, L"CutLengthOffset", tfDouble},
    {MappingKinds::kCutCenterOffset, L"CutCenterOffset", tfDouble},
    {MappingKinds::kCutInsideOffset, L"CutInsideOffset", tfDouble},
    {MappingKinds::kCutOutsideOffset, L"CutOutsideOffset", tfDouble},
    {MappingKinds::kCutChamferOffset1, L"CutChamferOffset1", tfDouble},
    {MappingKinds::kCutChamferOffset2, L"CutChamferOffset2", tfDouble},
    {MappingKinds::kCutRadius, L"CutRadius", tfDouble},
    {MappingKinds::kPatternNrBolts1, L"PatternNrBolts1", tfString},
    {MappingKinds::kPatternNrBolts2, L"PatternNrBolts2", tfString},
    {MappingKinds::kPatternReverseStart1, L"PatternReverseStart1", tfInteger},
    {MappingKinds::kPatternReverseStart2, L"PatternReverseStart2", tfInteger},
    {MappingKinds::kPrPlName, L"PrPlName", tfString},
    {MappingKinds::kPrPlMaterial, L"PrPlMaterial", tfString},
    {MappingKinds::kOwnedMemberName, L"OwnedMemberName", tfString},
    {MappingKinds::kMemberSectionSize, L"MemberSectionSize", tfDouble},
    {MappingKinds::kBoltsDiameter, L"BoltsDiameter", tfDouble},
    {MappingKinds::kBoltsHoleOffset, L"BoltsHoleOffset", tfDouble},
}};

const KindInfo* infoOf(int kind) {
    for (const KindInfo& info : kKinds) {
        if (info.kind == kind)
            return &info;
    }
    return nullptr;
}

} // namespace

Vdn_String MappingKinds::keyword(int kind) {
    const KindInfo* info = infoOf(kind);
    return info ? Vdn_String(info->keyword) : Vdn_String();
}

std::optional<TfValueType> MappingKinds::valueType(int kind) {
    const KindInfo* info = infoOf(kind);
    return info ? std::optional<TfValueType>(info->type) : std::nullopt;
}

int MappingKinds::fromText(const Vdn_String& text) {
    for (const KindInfo& info : kKinds) {
        if (text.startsWith(info.keyword, false))
            return info.kind;
    }
    return kNone;
}

} // namespace ss
