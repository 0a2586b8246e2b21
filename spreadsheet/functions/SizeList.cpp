#include "spreadsheet/functions/SizeList.h"

#include "platform/core/StringHelpers.h"
#include "platform/core/TextFileHelpers.h"
#include "spreadsheet/functions/DataFileSearch.h"

namespace ss {

SizeList readSizeList(const Vdn_String& name) {
    SizeList sizes;
    const std::optional<Vdn_String> path = findDataFile(name);
    Vdn_StringArray lines;
    if (!path || !ObjectExportReadFile(*path, lines))
        return sizes;
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

} // namespace ss
