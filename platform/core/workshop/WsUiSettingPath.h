#pragma once

#include "platform/core/text/Vdn_StringArray.h"

// The address of one workshop setting: member names and element names from the root of the
// settings, for example mGroupedSettings / Plates / mAssemblySettings / mViews / Front /
// mViewType. The root path is empty. Member names compare exactly; element names (groups,
// views, formats) without regard to case, as the settings compare them.
//
// As text, components are separated by "/"; a "/" or "\" inside a component is written "\/"
// or "\\", so every path, whatever its names hold, reads back from its text.
class WsUiSettingPath {
public:
    WsUiSettingPath() = default;
    explicit WsUiSettingPath(Vdn_StringArray components) : components_(std::move(components)) {}

    int length() const { return components_.length(); }
    bool isEmpty() const { return components_.isEmpty(); }
    // The component at index, or the empty text outside the path.
    Vdn_String component(int index) const;
    const Vdn_StringArray& components() const { return components_; }

    void appendPath(const Vdn_String& component) { components_.append(component); }
    // Replaces the whole path.
    void setPath(const WsUiSettingPath& other) { components_ = other.components_; }
    // False when the path is already empty.
    bool removeLastPath();
    // Index of the first component equal to name (exactly), or -1.
    int findPath(const Vdn_String& name) const;
    // Keeps the components before index; an index past the end changes nothing.
    void removeAllPathsFrom(int index);

    Vdn_String toText() const;
    // The path of a text written by toText. False, with path unchanged, when the text ends in a
    // lone "\" or escapes another character.
    static bool fromText(const Vdn_String& text, WsUiSettingPath& path);

    friend bool operator==(const WsUiSettingPath&, const WsUiSettingPath&) = default;

private:
    Vdn_StringArray components_;
};

// path followed by name.
WsUiSettingPath createPath(const WsUiSettingPath& path, const Vdn_String& name);
