#pragma once

#include "platform/core/workshop/WsUiGlobalSettings.h"

#include <optional>
#include <string>
#include <string_view>

// Workshop settings files (docs/workshop-settings.md): one JSON object whose keys are the
// settings' member names, lists in their order, keys the settings do not know kept and written
// back.
namespace core {

// Reads settings from the UTF-8 JSON text. False, with settings unchanged, when the text is
// not a settings file (also an object with none of the global settings' keys); message then
// says where (line and column, or the JSON path such as
// mGroupedSettings[1].mAssemblySettings.mViews[0].mViewType) and why.
bool readWsUiSettings(std::string_view utf8Json, WsUiGlobalSettings& settings, Vdn_String& message);
// The same for a file (a regular file of at most kMaxTextFileBytes); messages start with its
// name.
bool readWsUiSettingsFile(const Vdn_String& path, WsUiGlobalSettings& settings,
                          Vdn_String& message);

// The settings as the text of a settings file (UTF-8, indented, ending in a line break).
std::string wsUiSettingsText(const WsUiGlobalSettings& settings);
// Writes the settings file; a failed write leaves an existing file as it was.
bool writeWsUiSettingsFile(const Vdn_String& path, const WsUiGlobalSettings& settings);

// The JSON text (one line) of what path names in the settings, as the file holds it: a value,
// a part, a list or an element of a list; nullopt when the path names nothing.
std::optional<std::string> wsUiSettingsPartText(const WsUiGlobalSettings& settings,
                                                const WsUiSettingPath& path);

} // namespace core
