#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "spreadsheet/Vdn_Spread.h"
#include "spreadsheet/editor/FreshCopy.h"
#include "spreadsheet/editor/PrintFilePaths.h"
#include "spreadsheet/editor/SheetPrintSettings.h"
#include "spreadsheet/editor/TfSSSettings.h"

namespace {

// What bringing one picture beside the saved sheet did.
struct Brought {
    bool ok = true;      // no copy failed
    bool stored = false; // the picture is beside the sheet; store it by its bare name
    Vdn_String name;     // the name to store
};

Brought bringBeside(const Vdn_String& picture, const Vdn_String& folder) {
    Brought result;
    if (picture.isEmpty() || !core::fileExists(picture))
        return result;
    const Vdn_String copy = folder + ss::fileNameOf(picture);
    if (ss::copyUnlessNewer(picture, copy) == ss::FreshCopyResult::Failed) {
        result.ok = false;
        return result;
    }
    // A header drawn from another format usually has its bitmap form beside it.
    const Vdn_String bitmap = removeExtension(picture) + L".bmp";
    if (core::fileExists(bitmap) &&
        ss::copyUnlessNewer(bitmap, folder + ss::fileNameOf(bitmap)) == ss::FreshCopyResult::Failed)
        result.ok = false;
    result.stored = true;
    result.name = copy;
    return result;
}

} // namespace

bool copyHeaderFooterBesideSheet(Vdn_Spread& sheet, const Vdn_String& savedSheetPath) {
    TfSSSettings settings;
    settings.readFromSheet(sheet);
    const Vdn_String folder = getPath(savedSheetPath);

    const Brought header = bringBeside(settings.getHeaderFile(folder), folder);
    if (header.stored)
        settings.setHeaderFile(header.name, folder);
    const Brought footer = bringBeside(settings.getFooterFile(folder), folder);
    if (footer.stored)
        settings.setFooterFile(footer.name, folder);

    bool ok = header.ok && footer.ok;
    if (header.stored || footer.stored)
        ok = settings.writeToSheet(sheet) && ok;
    return ok;
}
