#include "platform/ui/registry/Registry.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/ui/registry/RegistryText.h"

#include <system_error>

namespace ui {

namespace {

constexpr std::wstring_view kRootNames[3] = {L"HKEY_CLASSES_ROOT", L"HKEY_CURRENT_USER",
                                             L"HKEY_LOCAL_MACHINE"};
constexpr std::uintmax_t kMaxFileSize = 64u << 20;

std::unique_ptr<Registry>& currentRegistry() {
    static std::unique_ptr<Registry> registry;
    return registry;
}

// Handle values are never reused, also across registries, so a stale handle stays invalid.
std::uintptr_t nextHandleValue() {
    static std::uintptr_t next = 0x1000;
    next += 4;
    return next;
}

// The root index of a predefined handle, or -1.
int predefinedRoot(HKEY handle) {
    const HKEY roots[3] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};
    for (int i = 0; i < 3; ++i) {
        if (handle == roots[i])
            return i;
    }
    return -1;
}

bool hasControlCharacter(std::wstring_view name) {
    for (wchar_t ch : name) {
        if (static_cast<std::uint32_t>(ch) < 0x20)
            return true;
    }
    return false;
}

// Splits a key path into names. One trailing backslash is allowed; a leading one or an
// empty name in between is not.
LONG splitPath(std::wstring_view path, std::vector<std::wstring_view>& names) {
    names.clear();
    if (!path.empty() && path.back() == L'\\')
        path.remove_suffix(1);
    if (path.empty())
        return ERROR_SUCCESS;
    while (true) {
        const std::size_t separator = path.find(L'\\');
        const std::wstring_view name = path.substr(0, separator);
        if (name.empty())
            return ERROR_BAD_PATHNAME;
        if (name.size() > static_cast<std::size_t>(kMaxKeyNameLength) || hasControlCharacter(name))
            return ERROR_INVALID_PARAMETER;
        names.push_back(name);
        if (separator == std::wstring_view::npos)
            return ERROR_SUCCESS;
        path.remove_prefix(separator + 1);
    }
}

bool isValidValueName(std::wstring_view name) {
    return name.size() <= static_cast<std::size_t>(kMaxValueNameLength) &&
           !hasControlCharacter(name);
}

} // namespace

Registry::Registry(std::filesystem::path folder, Access access)
    : folder_(std::move(folder)), access_(access) {
    for (int root = 0; root < 3; ++root)
        load(root);
}

Registry::~Registry() = default;

Registry& Registry::current() {
    std::unique_ptr<Registry>& registry = currentRegistry();
    if (!registry)
        registry = std::make_unique<Registry>(core::toNativePath(gSettings.registryDir()));
    return *registry;
}

Registry& Registry::open(std::filesystem::path folder, Access access) {
    std::unique_ptr<Registry>& registry = currentRegistry();
    registry = std::make_unique<Registry>(std::move(folder), access);
    return *registry;
}

std::filesystem::path Registry::fileOf(HKEY root) const {
    const int index = predefinedRoot(root);
    if (index < 0)
        return {};
    return folder_ / (std::wstring(kRootNames[index]) + L".reg");
}

void Registry::load(int root) {
    roots_[root] = std::make_shared<RegistryKey>(std::wstring(kRootNames[root]));
    const std::filesystem::path file = folder_ / (std::wstring(kRootNames[root]) + L".reg");
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return;
    const auto damaged = [&](int line, std::wstring reason) {
        damaged_[root] = static_cast<int>(problems_.size());
        problems_.push_back({file, line, std::move(reason), {}});
    };
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error)
        return damaged(0, L"the file cannot be read");
    if (size > kMaxFileSize)
        return damaged(0, L"the file is too large for a registry file");
    const auto text = core::readTextFile(core::fromNativePath(file));
    if (!text)
        return damaged(0, L"the file cannot be read");
    RegistryText::Parsed parsed = RegistryText::parse(*text, kRootNames[root]);
    if (parsed.error)
        return damaged(parsed.error->line, parsed.error->reason);
    roots_[root] = std::move(parsed.root);
}

bool Registry::keepDamagedFile(int root) {
    LoadProblem& problem = problems_[static_cast<std::size_t>(damaged_[root])];
    std::error_code error;
    for (int attempt = 1; attempt < 1000; ++attempt) {
        std::filesystem::path kept = problem.file;
        kept += attempt == 1 ? std::wstring(L".damaged") : L".damaged" + std::to_wstring(attempt);
        if (std::filesystem::exists(kept, error))
            continue;
        std::filesystem::rename(problem.file, kept, error);
        if (error && std::filesystem::exists(problem.file))
            return false;
        problem.keptAs = error ? std::filesystem::path() : kept;
        damaged_[root] = -1;
        return true;
    }
    return false;
}

bool Registry::save(int root) {
    if (access_ == Access::ReadOnly)
        return false;
    if (batches_ > 0) {
        unsaved_[root] = true;
        return true;
    }
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error || !std::filesystem::is_directory(folder_, error))
        return false;
    if (damaged_[root] >= 0 && !keepDamagedFile(root))
        return false;
    const std::filesystem::path file = folder_ / (std::wstring(kRootNames[root]) + L".reg");
    return core::writeTextFile(core::fromNativePath(file),
                               RegistryText::format(*roots_[root], kRootNames[root]),
                               core::TextEncoding::Utf8);
}

Registry::WriteBatch::WriteBatch(Registry& registry) : registry_(registry) {
    for (int root = 0; root < static_cast<int>(before_.size()); ++root)
        before_[root] = RegistryText::format(*registry_.roots_[root], kRootNames[root]);
    ++registry_.batches_;
}

Registry::WriteBatch::~WriteBatch() {
    commit();
}

bool Registry::WriteBatch::commit() {
    if (!open_)
        return true;
    open_ = false;
    if (--registry_.batches_ > 0)
        return true; // the outermost batch writes
    bool ok = true;
    for (int root = 0; root < static_cast<int>(registry_.unsaved_.size()); ++root) {
        if (!registry_.unsaved_[root])
            continue;
        registry_.unsaved_[root] = false;
        if (!registry_.save(root)) {
            RegistryText::Parsed before = RegistryText::parse(before_[root], kRootNames[root]);
            if (before.root)
                registry_.roots_[root] = std::move(before.root);
            ok = false;
        }
    }
    return ok;
}

LONG Registry::resolve(HKEY handle, Resolved& resolved) const {
    const int root = predefinedRoot(handle);
    if (root >= 0) {
        resolved = {root, roots_[root], KEY_ALL_ACCESS, 0};
        return ERROR_SUCCESS;
    }
    const auto it = handles_.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == handles_.end())
        return ERROR_INVALID_HANDLE;
    RegistryKey::Ptr key = it->second.key.lock();
    if (!key)
        return ERROR_KEY_DELETED;
    resolved = {it->second.root, std::move(key), it->second.access, it->second.depth};
    return ERROR_SUCCESS;
}

HKEY Registry::addHandle(const Resolved& parent, RegistryKey::Ptr key, REGSAM access, int depth) {
    const std::uintptr_t value = nextHandleValue();
    handles_[value] = OpenKey{parent.root, key, access, depth};
    return reinterpret_cast<HKEY>(value);
}

LONG Registry::createKey(HKEY parent, std::wstring_view path, REGSAM access, HKEY& result,
                         DWORD* disposition) {
    Resolved from;
    std::vector<std::wstring_view> names;
    if (LONG status = resolve(parent, from); status != ERROR_SUCCESS)
        return status;
    if (LONG status = splitPath(path, names); status != ERROR_SUCCESS)
        return status;
    const int depth = from.depth + static_cast<int>(names.size());
    if (depth > kMaxKeyDepth)
        return ERROR_INVALID_PARAMETER;
    RegistryKey::Ptr key = from.key;
    std::size_t existing = 0;
    for (; existing < names.size(); ++existing) {
        RegistryKey::Ptr sub = key->findSubKey(names[existing]);
        if (!sub)
            break;
        key = std::move(sub);
    }
    const bool creates = existing < names.size();
    if (creates) {
        if (access_ == Access::ReadOnly || (from.access & KEY_CREATE_SUB_KEY) == 0)
            return ERROR_ACCESS_DENIED;
        const RegistryKey::Ptr attachPoint = key;
        for (std::size_t i = existing; i < names.size(); ++i)
            key = key->addSubKey(names[i]);
        if (!save(from.root)) {
            attachPoint->detachSubKey(names[existing]);
            return ERROR_ACCESS_DENIED;
        }
    }
    result = addHandle(from, key, access, depth);
    if (disposition)
        *disposition = creates ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    return ERROR_SUCCESS;
}

LONG Registry::openKey(HKEY parent, std::wstring_view path, REGSAM access, HKEY& result) {
    Resolved from;
    std::vector<std::wstring_view> names;
    if (LONG status = resolve(parent, from); status != ERROR_SUCCESS)
        return status;
    if (LONG status = splitPath(path, names); status != ERROR_SUCCESS)
        return status;
    RegistryKey::Ptr key = from.key;
    for (std::wstring_view name : names) {
        key = key->findSubKey(name);
        if (!key)
            return ERROR_FILE_NOT_FOUND;
    }
    result = addHandle(from, key, access, from.depth + static_cast<int>(names.size()));
    return ERROR_SUCCESS;
}

LONG Registry::closeKey(HKEY key) {
    if (predefinedRoot(key) >= 0)
        return ERROR_SUCCESS;
    return handles_.erase(reinterpret_cast<std::uintptr_t>(key)) > 0 ? ERROR_SUCCESS
                                                                     : ERROR_INVALID_HANDLE;
}

LONG Registry::setValue(HKEY key, std::wstring_view name, RegistryValue value) {
    Resolved target;
    if (LONG status = resolve(key, target); status != ERROR_SUCCESS)
        return status;
    if ((target.access & KEY_SET_VALUE) == 0)
        return ERROR_ACCESS_DENIED;
    if (!isValidValueName(name))
        return ERROR_INVALID_PARAMETER;
    if (isRegistryTextType(value.type) && value.data.size() % sizeof(wchar_t) != 0)
        return ERROR_INVALID_PARAMETER;
    if (value.type == REG_DWORD && value.data.size() != sizeof(DWORD))
        return ERROR_INVALID_PARAMETER;
    if (access_ == Access::ReadOnly)
        return ERROR_ACCESS_DENIED;
    std::optional<RegistryValue> previous = target.key->setValue(name, std::move(value));
    if (save(target.root))
        return ERROR_SUCCESS;
    if (previous)
        target.key->setValue(name, std::move(*previous));
    else
        target.key->removeValue(name);
    return ERROR_ACCESS_DENIED;
}

LONG Registry::getValue(HKEY key, std::wstring_view name, RegistryValue& value) const {
    Resolved target;
    if (LONG status = resolve(key, target); status != ERROR_SUCCESS)
        return status;
    if ((target.access & KEY_QUERY_VALUE) == 0)
        return ERROR_ACCESS_DENIED;
    const RegistryValue* found = target.key->findValue(name);
    if (!found)
        return ERROR_FILE_NOT_FOUND;
    value = *found;
    return ERROR_SUCCESS;
}

LONG Registry::deleteValue(HKEY key, std::wstring_view name) {
    Resolved target;
    if (LONG status = resolve(key, target); status != ERROR_SUCCESS)
        return status;
    if ((target.access & KEY_SET_VALUE) == 0)
        return ERROR_ACCESS_DENIED;
    if (!target.key->findValue(name))
        return ERROR_FILE_NOT_FOUND;
    if (access_ == Access::ReadOnly)
        return ERROR_ACCESS_DENIED;
    auto removed = target.key->removeValue(name);
    if (save(target.root))
        return ERROR_SUCCESS;
    target.key->insertValue(removed->first, std::move(removed->second));
    return ERROR_ACCESS_DENIED;
}

LONG Registry::resolveOwner(HKEY parent, std::wstring_view path, Resolved& from,
                            RegistryKey::Ptr& owner, std::vector<std::wstring_view>& names) const {
    if (LONG status = resolve(parent, from); status != ERROR_SUCCESS)
        return status;
    if (LONG status = splitPath(path, names); status != ERROR_SUCCESS)
        return status;
    owner = from.key;
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        owner = owner->findSubKey(names[i]);
        if (!owner)
            return ERROR_FILE_NOT_FOUND;
    }
    return ERROR_SUCCESS;
}

LONG Registry::deleteKey(HKEY parent, std::wstring_view path) {
    Resolved from;
    RegistryKey::Ptr owner;
    std::vector<std::wstring_view> names;
    if (LONG status = resolveOwner(parent, path, from, owner, names); status != ERROR_SUCCESS)
        return status;
    if (names.empty())
        return ERROR_INVALID_PARAMETER;
    const RegistryKey::Ptr target = owner->findSubKey(names.back());
    if (!target)
        return ERROR_FILE_NOT_FOUND;
    if (!target->subKeys().empty() || access_ == Access::ReadOnly)
        return ERROR_ACCESS_DENIED;
    owner->detachSubKey(names.back());
    if (save(from.root))
        return ERROR_SUCCESS;
    owner->attachSubKey(target);
    return ERROR_ACCESS_DENIED;
}

LONG Registry::deleteTree(HKEY parent, std::wstring_view path) {
    Resolved from;
    RegistryKey::Ptr owner;
    std::vector<std::wstring_view> names;
    if (LONG status = resolveOwner(parent, path, from, owner, names); status != ERROR_SUCCESS)
        return status;
    if (names.empty()) {
        if (owner->values().empty() && owner->subKeys().empty())
            return ERROR_SUCCESS;
        if (access_ == Access::ReadOnly)
            return ERROR_ACCESS_DENIED;
        RegistryKey::Contents contents = owner->takeContents();
        if (save(from.root))
            return ERROR_SUCCESS;
        owner->restoreContents(std::move(contents));
        return ERROR_ACCESS_DENIED;
    }
    const RegistryKey::Ptr target = owner->findSubKey(names.back());
    if (!target)
        return ERROR_FILE_NOT_FOUND;
    if (access_ == Access::ReadOnly)
        return ERROR_ACCESS_DENIED;
    owner->detachSubKey(names.back());
    if (save(from.root))
        return ERROR_SUCCESS;
    owner->attachSubKey(target);
    return ERROR_ACCESS_DENIED;
}

LONG Registry::enumKey(HKEY key, DWORD index, std::wstring& name) const {
    Resolved target;
    if (LONG status = resolve(key, target); status != ERROR_SUCCESS)
        return status;
    if ((target.access & KEY_ENUMERATE_SUB_KEYS) == 0)
        return ERROR_ACCESS_DENIED;
    if (index >= target.key->subKeys().size())
        return ERROR_NO_MORE_ITEMS;
    name = target.key->subKeys()[index]->name();
    return ERROR_SUCCESS;
}

LONG Registry::enumValue(HKEY key, DWORD index, std::wstring& name, RegistryValue& value) const {
    Resolved target;
    if (LONG status = resolve(key, target); status != ERROR_SUCCESS)
        return status;
    if ((target.access & KEY_QUERY_VALUE) == 0)
        return ERROR_ACCESS_DENIED;
    if (index >= target.key->values().size())
        return ERROR_NO_MORE_ITEMS;
    const RegistryKey::NamedValue& entry = target.key->values()[index];
    name = entry.name;
    value = entry.value;
    return ERROR_SUCCESS;
}

} // namespace ui
