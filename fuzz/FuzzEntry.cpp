#include "fuzz/FuzzEntry.h"

namespace fuzz {

std::map<std::string, Entry>& entries() {
    static std::map<std::string, Entry> registered;
    return registered;
}

} // namespace fuzz
