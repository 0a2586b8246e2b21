#pragma once

#include "module/TfSheetEntry.h"
#include "platform/core/text/Vdn_Array.h"

#include <functional>
#include <memory>

// The core module's record copied into the sheets manager: the sheet entries it lists, and
// the core module's command that changes the format of the sheets.
class TfSheetsMgrDlgData {
public:
    // What the core module does when asked to change the sheets' format; false when it refused.
    using FormatChange = std::function<bool(const Vdn_String& format)>;

    TfSheetsMgrDlgData() = default;
    TfSheetsMgrDlgData(const TfSheetsMgrDlgData&) = default;
    TfSheetsMgrDlgData& operator=(const TfSheetsMgrDlgData&) = default;
    virtual ~TfSheetsMgrDlgData() = default;

    int length() const { return entries_.length(); }
    // The entry with index i; i must be in 0..length()-1.
    const TfSheetEntry& getAt(int i) const { return entries_[i]; }
    void append(TfSheetEntry entry) { entries_.append(std::move(entry)); }

    // Asks the core module to change the format of the sheets; false without a command.
    bool changeFormatCmd(const Vdn_String& format) const {
        return formatChange_ && *formatChange_ && (*formatChange_)(format);
    }
    // Copies share the command.
    void setFormatChange(FormatChange change) {
        formatChange_ = std::make_shared<FormatChange>(std::move(change));
    }

    // The entries; the command is behaviour, not content.
    friend bool operator==(const TfSheetsMgrDlgData& a, const TfSheetsMgrDlgData& b) {
        return a.entries_ == b.entries_;
    }

private:
    Vdn_Array<TfSheetEntry> entries_;
    std::shared_ptr<const FormatChange> formatChange_;
};
