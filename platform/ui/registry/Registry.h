#pragma once

#include "platform/ui/registry/RegistryKey.h"
#include "platform/ui/registry/RegistryTypes.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ui {

// The file-backed registry: the trees of HKEY_CLASSES_ROOT, HKEY_CURRENT_USER and
// HKEY_LOCAL_MACHINE, each kept in its own file "<root name>.reg" (RegistryText syntax,
// UTF-8) in one folder.
//
// Files are read once, when the registry is opened. Every change is written at once: the
// root's file is rewritten beside itself and then replaces the old one, so a crash leaves
// either the old or the new file. When the write fails (read-only mode, a folder that cannot
// be created or written) the change is undone and the operation reports ERROR_ACCESS_DENIED,
// so memory and file always agree.
//
// A file that cannot be read or parsed is reported in loadProblems() (file, line, reason);
// its root starts empty and stays usable. The damaged file is left alone until the first
// change of that root, which first renames it to "<root name>.reg.damaged" (or .damaged2,
// ...) and records that name in the problem, so nothing in it is ever overwritten.
//
// Operations follow the Win32 functions (the global Reg* functions in RegistryApi.h are thin
// shells around them): handles from createKey/openKey carry the access they were opened with,
// paths are backslash-separated and case-insensitive, and results are Win32 error codes.
// Limits that the file format needs: names may not hold control characters (below U+0020),
// text values must be a whole number of wchar_t, REG_DWORD data four bytes.
class Registry {
public:
    enum class Access { ReadWrite, ReadOnly };

    struct LoadProblem {
        std::filesystem::path file;
        int line = 0; // 0 when the file as a whole is at fault
        std::wstring reason;
        std::filesystem::path keptAs; // set once the damaged file has been renamed
    };

    explicit Registry(std::filesystem::path folder, Access access = Access::ReadWrite);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // The registry the Reg* functions act on; opened from gSettings.registryDir() on first use.
    static Registry& current();
    // Makes a registry on folder the current one; handles of the previous one become invalid.
    static Registry& open(std::filesystem::path folder, Access access = Access::ReadWrite);

    const std::filesystem::path& folder() const { return folder_; }
    Access access() const { return access_; }
    const std::vector<LoadProblem>& loadProblems() const { return problems_; }
    // The file of a predefined root; empty for any other handle.
    std::filesystem::path fileOf(HKEY root) const;

    // Opens path below parent, creating the keys that are missing; disposition (optional)
    // receives REG_CREATED_NEW_KEY or REG_OPENED_EXISTING_KEY.
    LONG createKey(HKEY parent, std::wstring_view path, REGSAM access, HKEY& result,
                   DWORD* disposition);
    // An empty path opens a new handle to parent itself.
    LONG openKey(HKEY parent, std::wstring_view path, REGSAM access, HKEY& result);
    LONG closeKey(HKEY key);

    LONG setValue(HKEY key, std::wstring_view name, RegistryValue value);
    LONG getValue(HKEY key, std::wstring_view name, RegistryValue& value) const;
    LONG deleteValue(HKEY key, std::wstring_view name);
    // Deletes the key at path when it has no sub-keys (ERROR_ACCESS_DENIED otherwise).
    LONG deleteKey(HKEY parent, std::wstring_view path);
    // Deletes the key at path with everything below it; an empty path deletes everything
    // parent holds but keeps parent.
    LONG deleteTree(HKEY parent, std::wstring_view path);
    // The sub-key or value at an index in enumeration order; ERROR_NO_MORE_ITEMS past the end.
    LONG enumKey(HKEY key, DWORD index, std::wstring& name) const;
    LONG enumValue(HKEY key, DWORD index, std::wstring& name, RegistryValue& value) const;

    // Gathers the changes made while it lives into one write per root file, for callers that
    // make many changes at once (a module's registration writes dozens of keys). Changes are
    // applied in memory at once and written by commit(); when a file cannot be written, its
    // root returns to what it held when the batch began (what the file still holds), handles
    // into it become invalid, and commit() is false.
    // A batch left without commit() commits when it ends.
    class WriteBatch {
    public:
        explicit WriteBatch(Registry& registry);
        ~WriteBatch();
        WriteBatch(const WriteBatch&) = delete;
        WriteBatch& operator=(const WriteBatch&) = delete;
        bool commit();

    private:
        Registry& registry_;
        std::array<std::wstring, 3> before_; // each root as text when the batch began
        bool open_ = true;
    };

private:
    struct OpenKey {
        int root = 0;
        std::weak_ptr<RegistryKey> key;
        REGSAM access = 0;
        int depth = 0;
    };
    struct Resolved {
        int root = 0;
        RegistryKey::Ptr key;
        REGSAM access = 0;
        int depth = 0;
    };

    void load(int root);
    LONG resolve(HKEY handle, Resolved& resolved) const;
    // The key path names below parent, split into names; owner is the key that holds the
    // last name (parent itself for a path of one name or none).
    LONG resolveOwner(HKEY parent, std::wstring_view path, Resolved& from, RegistryKey::Ptr& owner,
                      std::vector<std::wstring_view>& names) const;
    HKEY addHandle(const Resolved& parent, RegistryKey::Ptr key, REGSAM access, int depth);
    // Writes a root's file; false when it cannot be written.
    bool save(int root);
    bool keepDamagedFile(int root);

    std::filesystem::path folder_;
    Access access_;
    std::array<RegistryKey::Ptr, 3> roots_;
    std::array<int, 3> damaged_{-1, -1, -1}; // index into problems_, -1 when the file is sound
    std::vector<LoadProblem> problems_;
    std::unordered_map<std::uintptr_t, OpenKey> handles_;
    int batches_ = 0;               // open WriteBatch scopes
    std::array<bool, 3> unsaved_{}; // roots changed inside them
};

} // namespace ui
