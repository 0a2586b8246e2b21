#pragma once
// CTabEditLibGroups: the groups page of the section-library editor (template 8138).

#include "library/CTabEditLibEntries.h"

class CTabEditLibGroups : public CTabEditLibEntries {
public:
    static constexpr UINT IDD = 8138;
    static constexpr Ids kIds{2301, 2302, 2303, 2304, 2305, 2306, 2307, 2308, 2309, 2310, 20450};

    explicit CTabEditLibGroups(CWnd* parent = nullptr) : CTabEditLibEntries(IDD, kIds, parent) {}

protected:
    int entryCount() const override { return data_->groups.length(); }
    Vdn_String& entryName(int index) override { return data_->groups[index].name; }
    bool& entryEnabled(int index) override { return data_->groups[index].enabled; }
    Vdn_String& entryImage(int index) override { return data_->groups[index].imageFile; }
    Vdn_StringArray& entryNames(int index) override { return data_->groups[index].languageNames; }
    int appendEntry() override;
    void removeEntry(int index) override { data_->groups.removeAt(index); }
    void swapEntries(int first, int second) override;
};
