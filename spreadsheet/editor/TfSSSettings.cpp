#include "spreadsheet/editor/TfSSSettings.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/files/Vdn_PropertiesList.h"
#include "platform/core/text/TextCodec.h"
#include "platform/io/InputLog.h"
#include "spreadsheet/TSpread.h"
#include "spreadsheet/editor/PrintFilePaths.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>

namespace {

constexpr const wchar_t* kVarNames = L"varNames";
constexpr const wchar_t* kVarValues = L"varValues";

Vdn_String indexedKey(const wchar_t* base, int index) {
    return Vdn_String(base) + Vdn_String(index);
}

// The values of base0, base1, ... up to the first index that is missing (or not a text).
Vdn_StringArray readIndexed(const Vdn_PropertiesList& list, const wchar_t* base) {
    Vdn_StringArray values;
    Vdn_String value;
    while (list.getString(indexedKey(base, values.length()), value))
        values.append(value);
    return values;
}

void cutTo(Vdn_StringArray& list, int length) {
    while (list.length() > length)
        list.removeAt(list.length() - 1);
}

// The settings file is 8-bit Windows-1252 text; one saved with a byte-order mark by an editor
// is read in that encoding instead. Line ends after the last separator are not part of it.
std::optional<Vdn_String> readSettingsText(const Vdn_String& path) {
    const auto file = core::resolveExisting(path);
    std::error_code error;
    if (!file || !std::filesystem::is_regular_file(*file, error))
        return std::nullopt;
    std::ifstream in(*file, std::ios::binary);
    if (!in)
        return std::nullopt;
    // Streamed through the stream (not read from its buffer directly), so that a read error
    // becomes a state of the stream rather than an exception.
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    io::InputLog::note(*file);
    const std::string bytes = buffer.str();
    core::TextEncoding encoding = core::TextEncoding::Windows1252;
    std::wstring text = core::TextCodec::decode(bytes, &encoding);
    if (encoding != core::TextEncoding::Utf8Bom && encoding != core::TextEncoding::Utf16Le &&
        encoding != core::TextEncoding::Utf16Be)
        text = core::TextCodec::decodeWindows1252(bytes);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r'))
        text.pop_back();
    return Vdn_String(std::move(text));
}

bool isSettingsName(const Vdn_String& name) {
    return !name.trim().isEmpty() && !hasInvalidFileNameChars(name);
}

} // namespace

TfSSSettings::~TfSSSettings() = default;

void TfSSSettings::reset() {
    const TSpread* window = window_;
    const bool valid = valid_;
    *this = TfSSSettings();
    window_ = window;
    valid_ = valid;
}

bool TfSSSettings::toText(Vdn_String& text) const {
    Vdn_PropertiesList list;
    list.setString(L"headerFile", headerFile);
    list.setString(L"footerFile", footerFile);
    list.setString(L"defaultFont", defaultFont);
    list.setInt(L"defaultTextHeight", defaultTextHeight);
    list.setInt(L"marginLeft", marginLeft);
    list.setInt(L"marginRight", marginRight);
    list.setInt(L"marginTop", marginTop);
    list.setInt(L"marginBottom", marginBottom);
    list.setBool(L"smartPrint", smartPrint);
    list.setBool(L"colors", colors);
    list.setBool(L"colHeader", colHeader);
    list.setBool(L"rowHeader", rowHeader);
    list.setBool(L"cellSeperators", cellSeperators);
    list.setBool(L"border", border);
    for (int i = 0; i < varNames.length(); ++i)
        list.setString(indexedKey(kVarNames, i), varNames[i]);
    for (int i = 0; i < varValues.length(); ++i)
        list.setString(indexedKey(kVarValues, i), varValues[i]);
    return list.toString(text);
}

bool TfSSSettings::fromText(const Vdn_String& text) {
    reset();
    Vdn_PropertiesList list;
    if (!list.fromString(text))
        return false;
    list.getString(L"headerFile", headerFile);
    list.getString(L"footerFile", footerFile);
    list.getString(L"defaultFont", defaultFont);
    list.getInt(L"defaultTextHeight", defaultTextHeight);
    list.getInt(L"marginLeft", marginLeft);
    list.getInt(L"marginRight", marginRight);
    list.getInt(L"marginTop", marginTop);
    list.getInt(L"marginBottom", marginBottom);
    list.getBool(L"smartPrint", smartPrint);
    list.getBool(L"colors", colors);
    list.getBool(L"colHeader", colHeader);
    list.getBool(L"rowHeader", rowHeader);
    list.getBool(L"cellSeperators", cellSeperators);
    list.getBool(L"border", border);
    varNames = readIndexed(list, kVarNames);
    varValues = readIndexed(list, kVarValues);
    const int pairs = std::min(varNames.length(), varValues.length());
    cutTo(varNames, pairs);
    cutTo(varValues, pairs);
    return true;
}

bool TfSSSettings::readFromSheet(const TSpread& sheet) {
    reset();
    valid_ = true;
    window_ = &sheet;
    std::wstring tag;
    sheet.SSGetCellTag(TSpread::kHeader, TSpread::kHeader, tag);
    return fromText(Vdn_String(std::move(tag)));
}

bool TfSSSettings::writeToSheet(TSpread& sheet) const {
    Vdn_String text;
    if (!valid_ || !toText(text))
        return false;
    return sheet.SSSetCellTag(TSpread::kHeader, TSpread::kHeader, text.str());
}

Vdn_String TfSSSettings::settingsFilePath(const Vdn_String& name) {
    return ss::printSettingsFolder() + name + kFileExtension;
}

bool TfSSSettings::loadFile(const Vdn_String& name) {
    reset();
    valid_ = true;
    if (!isSettingsName(name))
        return false;
    const std::optional<Vdn_String> text = readSettingsText(settingsFilePath(name));
    return text && fromText(*text);
}

bool TfSSSettings::saveFile(const Vdn_String& name) const {
    Vdn_String text;
    if (!valid_ || !isSettingsName(name) || !toText(text))
        return false;
    bool lossless = true;
    core::TextCodec::encodeWindows1252(text.str(), &lossless);
    if (!lossless)
        return false;
    return core::writeTextFile(settingsFilePath(name), text.str(), core::TextEncoding::Windows1252);
}

Vdn_String TfSSSettings::getHeaderFile(const Vdn_String& baseFolder) const {
    return ss::resolvePrintFile(headerFile, baseFolder);
}

Vdn_String TfSSSettings::getFooterFile(const Vdn_String& baseFolder) const {
    return ss::resolvePrintFile(footerFile, baseFolder);
}

void TfSSSettings::setHeaderFile(const Vdn_String& name, const Vdn_String& baseFolder) {
    headerFile = ss::storedPrintFile(name, baseFolder);
}

void TfSSSettings::setFooterFile(const Vdn_String& name, const Vdn_String& baseFolder) {
    footerFile = ss::storedPrintFile(name, baseFolder);
}
