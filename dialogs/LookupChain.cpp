#include "dialogs/LookupChain.h"

#include "platform/core/files/PathBoundary.h"

#include <algorithm>

LookupChain::Link::Link() {
    links().push_back(this);
}

LookupChain::Link::~Link() {
    auto& all = links();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

std::vector<const LookupChain::Link*>& LookupChain::links() {
    static std::vector<const Link*> all;
    return all;
}

bool LookupChain::holds(const Vdn_String& fileName) {
    const auto wanted = core::resolveExisting(fileName);
    if (!wanted)
        return false;
    const auto key = wanted->lexically_normal();
    return std::any_of(links().begin(), links().end(), [&key](const Link* link) {
        if (link->held().isEmpty())
            return false;
        const auto file = core::resolveExisting(link->held());
        return file && file->lexically_normal() == key;
    });
}
