#pragma once
// CFileDialog: the open / save file dialog. DoModal hands a ui::FileDialogRecord to the current
// user and returns IDOK with the chosen path(s) or IDCANCEL. As in Win32, a chosen name without
// extension gets ".<default extension>" when there is one. Nothing touches the file system.

#include "platform/ui/dialogs/FileDialogRecord.h"
#include "platform/ui/windows/WinTypes.h"

#include <string>
#include <vector>

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
constexpr DWORD OFN_ALLOWMULTISELECT = 0x00000200;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD OFN_CREATEPROMPT = 0x00002000;
constexpr DWORD OFN_NOREADONLYRETURN = 0x00008000;
constexpr DWORD OFN_EXPLORER = 0x00080000;

// The fields of Win32's OPENFILENAME that callers set before DoModal.
struct OPENFILENAME {
    DWORD Flags = 0;
    std::wstring lpstrInitialDir;
    std::wstring lpstrTitle;
    DWORD nFilterIndex = 0;
};

// Iteration over the chosen paths (GetStartPosition / GetNextPathName); null at the end.
struct PositionTag;
using POSITION = PositionTag*;

class CFileDialog {
public:
    explicit CFileDialog(BOOL openFileDialog, const std::wstring& defaultExt = L"",
                         const std::wstring& fileName = L"",
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         const std::wstring& filter = L"", CWnd* parent = nullptr);

    OPENFILENAME m_ofn;

    INT_PTR DoModal();

    // The first chosen path, its file name, extension (without dot) and title (name without
    // extension). Empty before a successful DoModal.
    std::wstring GetPathName() const;
    std::wstring GetFileName() const;
    std::wstring GetFileExt() const;
    std::wstring GetFileTitle() const;
    POSITION GetStartPosition() const;
    std::wstring GetNextPathName(POSITION& position) const;

    // The record of the last DoModal, as the user saw and answered it.
    const ui::FileDialogRecord& record() const { return record_; }

private:
    bool open_;
    std::wstring defaultExt_;
    std::wstring fileName_;
    std::wstring filter_;
    CWnd* parent_;
    ui::FileDialogRecord record_;
    std::vector<std::wstring> paths_;
};
