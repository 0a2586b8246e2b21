#include "platform/core/workshop/WsUiNamingItems.h"

#include <span>

namespace {

struct NamingItem {
    int code;
    const wchar_t* description;
};

constexpr NamingItem kPartItems[] = {
    {kPrPlName, L"Naam"},
    {kPrPlMark, L"Merk"},
    {kPrPlPosition, L"Positienummer"},
    {kPrPlSection, L"Profiel"},
    {kPrPlMaterial, L"Materiaal"},
    {kPrPlLength, L"Lengte"},
    {kPrPlWidth, L"Breedte"},
    {kPrPlThickness, L"Dikte"},
    {kPrPlWeight, L"Gewicht"},
    {kPrPlQuantity, L"Aantal"},
    {kPrPlPhase, L"Fase"},
    {kPrPlLayer, L"Laag"},
    {kPrPlFinish, L"Afwerking"},
    {kPrPlKind, L"Soort onderdeel"},
};

constexpr NamingItem kSheetItems[] = {
    {kSheetPageNumber, L"Paginanummer"},
    {kSheetName, L"Bladnaam"},
    {kSheetFormat, L"Formaat"},
    {kSheetScale, L"Schaal"},
    {kSheetDrawingNumber, L"Tekeningnummer"},
    {kSheetRevision, L"Revisie"},
    {kSheetProject, L"Project"},
    {kSheetDate, L"Datum"},
};

template <std::size_t N> Vdn_StringArray descriptions(const NamingItem (&items)[N]) {
    Vdn_StringArray result;
    for (const NamingItem& item : items)
        result.append(item.description);
    return result;
}

template <typename Matches> const NamingItem* findItem(Matches matches) {
    for (const std::span<const NamingItem> table :
         {std::span<const NamingItem>(kPartItems), std::span<const NamingItem>(kSheetItems)}) {
        for (const NamingItem& item : table) {
            if (matches(item))
                return &item;
        }
    }
    return nullptr;
}

} // namespace

Vdn_StringArray getAllPrPlDescs() {
    return descriptions(kPartItems);
}

Vdn_StringArray getAllSheetDescs() {
    return descriptions(kSheetItems);
}

Vdn_String getDescFromEnum(int code) {
    const NamingItem* item = findItem([code](const NamingItem& it) { return it.code == code; });
    return item ? Vdn_String(item->description) : Vdn_String();
}

int getEnumFromDesc(const Vdn_String& description) {
    const NamingItem* item = findItem(
        [&description](const NamingItem& it) { return description.equal(it.description, false); });
    return item ? item->code : -1;
}

Vdn_String getPrPlPropertyDesc(int code) {
    const Vdn_String description = getDescFromEnum(code);
    return description.isEmpty() ? Vdn_String(L"#" + std::to_wstring(code)) : description;
}

Vdn_StringArray getAllNamingDescs() {
    Vdn_StringArray all = getAllPrPlDescs();
    all.append(getAllSheetDescs());
    return all;
}

Vdn_StringArray getNamingDescs(const Vdn_Array<int>& codes) {
    Vdn_StringArray descriptions;
    for (const int code : codes)
        descriptions.append(getPrPlPropertyDesc(code));
    return descriptions;
}

bool getNamingCodes(const Vdn_StringArray& descriptions, Vdn_Array<int>& codes,
                    Vdn_String* unknown) {
    Vdn_Array<int> result;
    for (const Vdn_String& description : descriptions) {
        int code = getEnumFromDesc(description);
        bool ok = code >= 0;
        if (!ok && description.startsWith(L"#", true)) {
            code = description.substr(1).toInt(&ok);
            // Only the exact text getNamingDescs gives ("#7", not "# 7" or "#07").
            ok = ok && Vdn_String(L"#" + std::to_wstring(code)) == description;
        }
        if (!ok) {
            if (unknown)
                *unknown = description;
            return false;
        }
        result.append(code);
    }
    codes = std::move(result);
    return true;
}
