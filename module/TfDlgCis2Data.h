#pragma once

// The options of a CIS/2 export.
class TfDlgCis2Data {
public:
    TfDlgCis2Data() = default;
    TfDlgCis2Data(const TfDlgCis2Data&) = default;
    TfDlgCis2Data& operator=(const TfDlgCis2Data&) = default;
    virtual ~TfDlgCis2Data() = default;

    friend bool operator==(const TfDlgCis2Data&, const TfDlgCis2Data&) = default;

    bool firstScope = true;
    bool firstOption = true;
    bool secondChoice = false;
    bool hiddenOption = false;
    bool thirdOption = false;
};
