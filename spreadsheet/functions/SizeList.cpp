#include "spreadsheet/functions/SizeList.h"

#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/text/StringHelpers.h"
#include "spreadsheet/functions/DataFileSearch.h"
#include "spreadsheet/functions/ParsedFileCache.h"

namespace ss {

namespace {

constexpr std::size_t kCachedSizeLists = 64;

ParsedFileCache<SizeList>& sizeListCache() {
    static ParsedFileCache<SizeList> cache(kCachedSizeLists);
    return cache;
}

SizeList parseSizeList(const Vdn_StringArray& lines) {
    SizeList sizes;
    for (const Vdn_String& raw : lines) {
        const Vdn_String line = removeLineComment(removeComments(raw));
        if (line.isEmpty())
            continue;
        Vdn_String left;
        Vdn_String right;
        if (splitStringAtSymbol(line, L'x', left, right, true)) {
            sizes.firstValues.append(left.toDouble());
            sizes.secondValues.append(right.toDouble());
        } else {
            sizes.firstValues.append(line.toDouble());
            sizes.secondValues.append(0.0);
        }
    }
    return sizes;
}

} // namespace

SizeList readSizeList(const Vdn_String& name) {
    const std::optional<DataFile> file = locateDataFile(name);
    if (!file)
        return {};
    const std::shared_ptr<const SizeList> sizes =
        sizeListCache().get(file->path, [&file](const std::filesystem::path&) {
            Vdn_StringArray lines;
            if (!ObjectExportReadFile(file->name, lines))
                return std::optional<SizeList>();
            return std::optional<SizeList>(parseSizeList(lines));
        });
    return sizes ? *sizes : SizeList();
}

void clearSizeListCache() {
    sizeListCache().clear();
}

} // namespace ss
