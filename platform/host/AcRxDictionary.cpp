#include "platform/host/AcRxDictionary.h"

#include "platform/host/AcEdCommandStack.h"
#include "platform/host/AcRxDynamicLinker.h"

AcRxObject* AcRxDictionary::at(const wchar_t* key) const {
    if (key == nullptr)
        return nullptr;
    const auto found = entries_.find(key);
    return found == entries_.end() ? nullptr : found->second;
}

AcRxObject* AcRxDictionary::atPut(const wchar_t* key, AcRxObject* object) {
    if (key == nullptr)
        return nullptr;
    AcRxObject* previous = at(key);
    entries_[key] = object;
    return previous;
}

namespace {

// The objects behind the system registry; they live as long as the program.
struct SystemRegistry {
    SystemRegistry() {
        dictionary.atPut(ACRX_DYNAMIC_LINKER, &linker);
        dictionary.atPut(ACRX_COMMAND_DOCK, &commands);
        dictionary.atPut(ACRX_CLASS_DICTIONARY, &classes);
        dictionary.atPut(L"AcEdCommandStack", &commands);
    }

    AcRxDictionary dictionary;
    AcRxDynamicLinker linker;
    AcEdCommandStack commands;
    AcRxDictionary classes;
};

} // namespace

AcRxDictionary* acrxSysRegistry() {
    static SystemRegistry registry;
    return &registry.dictionary;
}
