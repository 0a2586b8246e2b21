#include "platform/ui/dialogs/DlgOpenMulti.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/ui/dialogs/CFileDialog.h"
#include "platform/ui/windows/WinConstants.h"

#include <filesystem>

bool DlgOpenMulti(bool forOpening, const Vdn_String& extension, const Vdn_String& filterName,
                  const Vdn_String& title, const Vdn_String& folder, Vdn_StringArray& paths,
                  CWnd* parent) {
    paths = Vdn_StringArray();
    const Vdn_String pattern = L"*." + extension;
    const Vdn_String filter = filterName + L" (" + pattern + L")|" + pattern + L"||";
    CFileDialog dialog(forOpening ? TRUE : FALSE, extension.str(), L"",
                       OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_EXPLORER, filter.str(),
                       parent);
    const auto existing = core::resolveExisting(folder);
    std::filesystem::path start = existing ? *existing : core::toNativePath(folder);
    if (!start.has_filename())
        start = start.parent_path(); // no trailing separator
    dialog.m_ofn.lpstrInitialDir = core::fromNativePath(start).str();
    dialog.m_ofn.lpstrTitle = title.str();
    if (dialog.DoModal() != IDOK)
        return false;
    POSITION position = dialog.GetStartPosition();
    while (position != nullptr)
        paths.append(Vdn_String(dialog.GetNextPathName(position)));
    return !paths.isEmpty();
}
