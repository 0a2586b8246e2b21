#pragma once

#include "platform/core/text/Vdn_String.h"

namespace ss {

enum class FreshCopyResult {
    Copied, // the target was missing or older and is now a copy of the source
    Kept,   // the target is as new as the source or newer, or is the source itself
    Failed, // the source is missing, the target is no file, or the copy could not be made;
            // the target is unchanged
};

// Copies source to target unless the target is at least as new, as Windows' CopyFile is used
// for pictures that go along with a file: the copy keeps the source's modification time. The
// copy is made beside the target and then takes its place, so a failed copy never leaves a
// half-written target.
FreshCopyResult copyUnlessNewer(const Vdn_String& source, const Vdn_String& target);

} // namespace ss
