// Fuzz entries for the core stand-in's readers of outside input: the text decoder, the
// numbered-text files and both forms of the property list.
#include "fuzz/FuzzEntry.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/files/TextTable.h"
#include "platform/core/files/Vdn_PropertiesList.h"
#include "platform/core/model/DlgDstvPoints.h"
#include "platform/core/model/GenVarsFile.h"
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/model/MacroRecalculation.h"
#include "platform/core/sections/SectionTableFormat.h"
#include "platform/core/sections/SectionTranslations.h"
#include "platform/core/text/Base64.h"
#include "platform/core/text/TextCodec.h"
#include "platform/core/workshop/WsUiSettingsFile.h"
#include "platform/core/workshop/WsUiSettingsOutline.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

using fuzz::bytesOf;
using fuzz::require;

// One scratch file per process: the file readers take paths.
std::filesystem::path scratchFile() {
    return std::filesystem::temp_directory_path() /
           ("tessa-fuzz-" + std::to_string(::getpid()) + ".txt");
}

} // namespace

// Whatever the bytes, decoding gives text that survives UTF-8 and UTF-16 unchanged, and
// Windows-1252 input keeps every byte.
TESSA_FUZZ_ENTRY(core_text_codec) {
    const std::string_view bytes = bytesOf(data, size);
    core::TextEncoding detected{};
    const std::wstring text = core::TextCodec::decode(bytes, &detected);
    std::wstring again;
    require(core::TextCodec::decodeUtf8(core::TextCodec::encodeUtf8(text), again));
    require(again == text);
    require(core::TextCodec::decodeUtf16(core::TextCodec::encodeUtf16(text, false), false) ==
            again);
    if (detected == core::TextEncoding::Windows1252) {
        bool lossless = false;
        require(core::TextCodec::encodeWindows1252(text, &lossless) == bytes && lossless);
    }
}

TESSA_FUZZ_ENTRY(core_text_table) {
    const std::wstring text = core::TextCodec::decode(bytesOf(data, size));
    core::TextTable table;
    table.parse(core::splitLines(text), L"fuzz");
    (void)table.size(core::TextTable::Table::Dialog);
}

// The compact form is stable after one pass: reading what was written gives the same text.
TESSA_FUZZ_ENTRY(core_properties_compact) {
    const Vdn_String text = core::TextCodec::decode(bytesOf(data, size));
    Vdn_PropertiesList list;
    if (!list.fromString(text)) {
        require(list.length() == 0);
        return;
    }
    Vdn_String once;
    if (!list.toString(once)) {
        return;
    }
    Vdn_PropertiesList reread;
    require(reread.fromString(once));
    Vdn_String twice;
    require(reread.toString(twice));
    Vdn_PropertiesList third;
    require(third.fromString(twice));
    Vdn_String thrice;
    require(third.toString(thrice) && thrice == twice);
}

// The file form reads back exactly what it wrote.
TESSA_FUZZ_ENTRY(core_properties_file) {
    const std::filesystem::path path = scratchFile();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const Vdn_String name = Vdn_String::fromUtf8(path.string());
    Vdn_PropertiesList list;
    if (list.readFromFile(name)) {
        require(list.writeToFile(name));
        Vdn_PropertiesList reread;
        require(reread.readFromFile(name) && reread == list);
    } else {
        require(list.length() == 0);
    }
    std::filesystem::remove(path);
}

// A macro file that reads writes to JSON that reads back and writes the same again.
TESSA_FUZZ_ENTRY(core_macro_file) {
    const core::MacroReadResult read = Vdn_DbMacro::readFromText(bytesOf(data, size));
    if (!read) {
        require(!read.message().isEmpty());
        return;
    }
    const std::string written = read.macro().toJsonText();
    const core::MacroReadResult again = Vdn_DbMacro::readFromText(written);
    require(again.ok());
    require(again.macro().toJsonText() == written);
    // Recalculating either succeeds or says why and changes nothing.
    Vdn_DbMacro recalculated = read.macro();
    Vdn_String message;
    if (!core::MacroRecalculation::run(recalculated, message)) {
        require(!message.isEmpty());
        require(recalculated == read.macro());
    }
}

// A workshop settings file that reads writes to JSON that reads back and writes the same
// again, and every item of its outline leads to settings that exist.
TESSA_FUZZ_ENTRY(core_workshop_settings) {
    WsUiGlobalSettings settings;
    Vdn_String message;
    if (!core::readWsUiSettings(bytesOf(data, size), settings, message)) {
        require(!message.isEmpty());
        require(settings == WsUiGlobalSettings());
        return;
    }
    const std::string written = core::wsUiSettingsText(settings);
    WsUiGlobalSettings again;
    require(core::readWsUiSettings(written, again, message));
    require(again == settings);
    require(core::wsUiSettingsText(again) == written);
    for (const WsUiOutlineItem& item : wsUiSettingsOutline(settings))
        require(core::wsUiSettingsPartText(settings, item.path).has_value());
}

// Section-table rows that parse write to lines that parse back to the same rows.
TESSA_FUZZ_ENTRY(core_section_table) {
    const Vdn_StringArray lines = core::splitLines(core::TextCodec::decode(bytesOf(data, size)));
    Vdn_Array<Vdn_StringArray> rows;
    Vdn_String problem;
    if (!core::parseSectionTableLines(lines, rows, problem)) {
        require(!problem.isEmpty() && rows.isEmpty());
        return;
    }
    Vdn_Array<Vdn_StringArray> again;
    require(core::parseSectionTableLines(core::sectionTableLines(rows), again, problem));
    require(again == rows);
}

// Base64 carries embedded pictures inside sheet files: decoding either fails cleanly or gives
// bytes that encode back to the very text.
TESSA_FUZZ_ENTRY(core_base64) {
    const std::string_view text = bytesOf(data, size);
    std::vector<std::uint8_t> bytes{1};
    if (!core::base64Decode(text, bytes)) {
        require(bytes.empty());
        return;
    }
    require(core::base64Encode(bytes) == text);
}

// A general-variables file that reads writes to JSON that reads back and writes the same again.
TESSA_FUZZ_ENTRY(core_genvars_file) {
    const core::GenVarsReadResult read = core::readGenVarsText(bytesOf(data, size));
    if (!read.ok) {
        require(!read.message.isEmpty());
        return;
    }
    const std::string written = core::genVarsToJsonText(read.data);
    const core::GenVarsReadResult again = core::readGenVarsText(written);
    require(again.ok);
    require(core::genVarsToJsonText(again.data) == written);
}

// A DSTV point group reads into sound points or a reason, leaving the points untouched on
// failure; what reads writes back to the same text.
TESSA_FUZZ_ENTRY(core_dstv_points) {
    Vdn_Array<Vdn_DstvPointInfo> points = {Vdn_DstvPointInfo(L"kept")};
    std::string problem;
    if (!DlgDstvPoints::parse(bytesOf(data, size), points, problem)) {
        require(!problem.empty() && points.length() == 1 && points[0].name() == L"kept");
        return;
    }
    for (const Vdn_DstvPointInfo& point : points) {
        require(Vdn_DstvPointInfo::sidePair(point.sideSelection1()) !=
                Vdn_DstvPointInfo::sidePair(point.sideSelection2()));
        require(point.drillRadius() >= 0 && point.minPlateSideDist() >= 0);
    }
    const std::string written = DlgDstvPoints::toText(points);
    Vdn_Array<Vdn_DstvPointInfo> again;
    require(DlgDstvPoints::parse(written, again, problem));
    require(again == points);
}

// Profile-name translations that parse are pairs the editor may store, and their file's lines
// parse back to the same pairs.
TESSA_FUZZ_ENTRY(core_section_translation) {
    const Vdn_StringArray lines = core::splitLines(core::TextCodec::decode(bytesOf(data, size)));
    Vdn_StringArray names;
    Vdn_StringArray translations;
    Vdn_String problem;
    if (!parseSectionTranslation(lines, names, translations, &problem)) {
        require(!problem.isEmpty() && names.isEmpty() && translations.isEmpty());
        return;
    }
    require(checkSectionTranslation(names, translations).isEmpty());
    Vdn_StringArray again;
    Vdn_StringArray againTranslations;
    require(parseSectionTranslation(sectionTranslationLines(names, translations), again,
                                    againTranslations));
    require(again == names && againTranslations == translations);
}
