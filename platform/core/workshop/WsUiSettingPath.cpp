#include "platform/core/workshop/WsUiSettingPath.h"

Vdn_String WsUiSettingPath::component(int index) const {
    return components_.isValidIndex(index) ? components_[index] : Vdn_String();
}

bool WsUiSettingPath::removeLastPath() {
    return components_.removeAt(components_.length() - 1);
}

int WsUiSettingPath::findPath(const Vdn_String& name) const {
    return components_.find(name, true);
}

void WsUiSettingPath::removeAllPathsFrom(int index) {
    while (components_.length() > std::max(index, 0))
        components_.removeAt(components_.length() - 1);
}

Vdn_String WsUiSettingPath::toText() const {
    std::wstring text;
    for (int i = 0; i < components_.length(); ++i) {
        if (i > 0)
            text += L'/';
        for (const wchar_t ch : components_[i].str()) {
            if (ch == L'/' || ch == L'\\')
                text += L'\\';
            text += ch;
        }
    }
    return Vdn_String(std::move(text));
}

bool WsUiSettingPath::fromText(const Vdn_String& text, WsUiSettingPath& path) {
    Vdn_StringArray components;
    if (text.isEmpty()) {
        path.components_ = components;
        return true;
    }
    std::wstring current;
    const std::wstring& s = text.str();
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == L'\\') {
            if (i + 1 == s.size() || (s[i + 1] != L'/' && s[i + 1] != L'\\'))
                return false;
            current += s[++i];
        } else if (s[i] == L'/') {
            components.append(Vdn_String(std::move(current)));
            current.clear();
        } else {
            current += s[i];
        }
    }
    components.append(Vdn_String(std::move(current)));
    path.components_ = std::move(components);
    return true;
}

WsUiSettingPath createPath(const WsUiSettingPath& path, const Vdn_String& name) {
    WsUiSettingPath result = path;
    result.appendPath(name);
    return result;
}
