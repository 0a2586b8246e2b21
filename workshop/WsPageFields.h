#pragma once
// Moving single workshop settings between a page's controls and the settings, by member name
// below a path. A setting that cannot be read leaves its control as it was; a combo box shows
// value v as entry v - 1, and one without a selection keeps the stored value.

#include "platform/core/workshop/WsUiSettingsBase.h"

class CWnd;

namespace wspage {

void loadText(CWnd& page, int id, const WsUiSettingsBase& settings, const WsUiSettingPath& path,
              const wchar_t* member);
void saveText(const CWnd& page, int id, WsUiSettingsBase& settings, const WsUiSettingPath& path,
              const wchar_t* member);
void loadFlag(CWnd& page, int id, const WsUiSettingsBase& settings, const WsUiSettingPath& path,
              const wchar_t* member);
void saveFlag(const CWnd& page, int id, WsUiSettingsBase& settings, const WsUiSettingPath& path,
              const wchar_t* member);
// Fills the combo with entries (when given) and selects the stored value's entry.
void loadChoice(CWnd& page, int id, const WsUiSettingsBase& settings, const WsUiSettingPath& path,
                const wchar_t* member);
void saveChoice(const CWnd& page, int id, WsUiSettingsBase& settings, const WsUiSettingPath& path,
                const wchar_t* member);
void fillCombo(CWnd& page, int id, std::initializer_list<Vdn_String> entries);
void enable(CWnd& page, int id, bool on);

} // namespace wspage
