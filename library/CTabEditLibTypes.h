#pragma once
// CTabEditLibTypes: the section-types page of the section-library editor (template 8139). Besides
// what every entry has, a type belongs to a group (by id; none shows no selection and stores
// -1) and names its value table.

#include "library/CTabEditLibEntries.h"

class CTabEditLibTypes : public CTabEditLibEntries {
public:
    static constexpr UINT IDD = 8139;
    static constexpr Ids kIds{2311, 2312, 2313, 2314, 2315, 2316, 2317, 2318, 2319, 2324, 20451};
    static constexpr int kGroupLabel = 2320;
    static constexpr int kGroupCombo = 2321;
    static constexpr int kTableLabel = 2322;
    static constexpr int kTableCombo = 2323;

    explicit CTabEditLibTypes(CWnd* parent = nullptr) : CTabEditLibEntries(IDD, kIds, parent) {}

    BOOL OnInitDialog() override;
    // Refills the group list from the record (the groups page may have changed them).
    void refreshGroups();

protected:
    int entryCount() const override { return data_->types.length(); }
    Vdn_String& entryName(int index) override { return data_->types[index].name; }
    bool& entryEnabled(int index) override { return data_->types[index].enabled; }
    Vdn_String& entryImage(int index) override { return data_->types[index].imageFile; }
    Vdn_StringArray& entryNames(int index) override { return data_->types[index].languageNames; }
    int appendEntry() override;
    void removeEntry(int index) override { data_->types.removeAt(index); }
    void swapEntries(int first, int second) override;
    void showOwn(int index) override;
    void storeOwn(int index) override;

private:
    Vdn_Array<int> groupIds_;
};
