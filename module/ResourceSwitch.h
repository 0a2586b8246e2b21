#pragma once

class TfTempResourceOverride;

namespace frame {

// Makes the module's resources current for the lifetime of the object: construction calls
// SetDefaultResource() on the module's resource-override object, destruction calls
// RestoreOriginalResource() exactly when that call returned true. Every launcher opens one
// before it builds its dialog, so the switch spans the dialog's whole life and is undone on
// every way out, an exception included.
class ResourceSwitch {
public:
    ResourceSwitch();
    // Switches on the given override object instead of the module's own.
    explicit ResourceSwitch(TfTempResourceOverride& resourceOverride);
    ~ResourceSwitch();

    ResourceSwitch(const ResourceSwitch&) = delete;
    ResourceSwitch& operator=(const ResourceSwitch&) = delete;

    // Whether this switch changed the current resources (and will restore them).
    bool switched() const { return switched_; }

private:
    TfTempResourceOverride& override_;
    bool switched_ = false;
};

} // namespace frame
