#include "platform/ui/dialogs/CFileDialog.h"

#include "platform/ui/users/User.h"
#include "platform/ui/windows/WindowRegistry.h"

namespace {

// The file-name part of a path written with '\' or '/'.
std::wstring fileNameOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::size_t extensionDot(const std::wstring& name) {
    const std::size_t dot = name.find_last_of(L'.');
    return dot == 0 ? std::wstring::npos : dot;
}

} // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, const std::wstring& defaultExt,
                         const std::wstring& fileName, DWORD flags, const std::wstring& filter,
                         CWnd* parent)
    : open_(openFileDialog != FALSE), defaultExt_(defaultExt), fileName_(fileName), filter_(filter),
      parent_(parent) {
    m_ofn.Flags = flags;
}

INT_PTR CFileDialog::DoModal() {
    ui::DispatchGuard guard;
    record_ = ui::FileDialogRecord();
    record_.openDialog = open_;
    record_.defaultExt = defaultExt_;
    record_.fileName = fileName_;
    record_.flags = m_ofn.Flags;
    record_.filter = filter_;
    record_.filterIndex = static_cast<int>(m_ofn.nFilterIndex);
    record_.initialDir = m_ofn.lpstrInitialDir;
    record_.title = m_ofn.lpstrTitle;
    paths_.clear();
    if (!ui::User::current().fileDialog(record_) || record_.chosenPaths.empty()) {
        record_.accepted = false;
        return IDCANCEL;
    }
    for (std::wstring path : record_.chosenPaths) {
        // As the Win32 dialog does: a name typed without extension gets the default one.
        const std::wstring name = fileNameOf(path);
        if (!defaultExt_.empty() && !name.empty() && extensionDot(name) == std::wstring::npos) {
            path += L"." + defaultExt_;
        }
        paths_.push_back(path);
    }
    record_.chosenPaths = paths_;
    return IDOK;
}

std::wstring CFileDialog::GetPathName() const {
    return paths_.empty() ? std::wstring() : paths_.front();
}

std::wstring CFileDialog::GetFileName() const {
    return fileNameOf(GetPathName());
}

std::wstring CFileDialog::GetFileExt() const {
    const std::wstring name = GetFileName();
    const std::size_t dot = extensionDot(name);
    return dot == std::wstring::npos ? std::wstring() : name.substr(dot + 1);
}

std::wstring CFileDialog::GetFileTitle() const {
    const std::wstring name = GetFileName();
    const std::size_t dot = extensionDot(name);
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

POSITION CFileDialog::GetStartPosition() const {
    return paths_.empty() ? nullptr : reinterpret_cast<POSITION>(std::uintptr_t{1});
}

std::wstring CFileDialog::GetNextPathName(POSITION& position) const {
    const auto index = reinterpret_cast<std::uintptr_t>(position);
    if (index == 0 || index > paths_.size()) {
        position = nullptr;
        return {};
    }
    const std::wstring path = paths_[index - 1];
    position = index < paths_.size() ? reinterpret_cast<POSITION>(index + 1) : nullptr;
    return path;
}
