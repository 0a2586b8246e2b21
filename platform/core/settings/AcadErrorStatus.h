#pragma once

// Result code of host and core-module operations and of this module's operations; the values
// are the host SDK's. It lives with the core stand-in because the core module returns it too.
namespace Acad {

enum ErrorStatus {
    eOk = 0,
    // The operation does not apply to this kind of object (a bolt call on a plate module, an
    // offset the cut type does not have, a value that cannot be set).
    eNotApplicable = 2,
    eInvalidInput = 3,
    // No object with the given name.
    eKeyNotFound = 22,
    // An index or a numbered choice (offset type, pattern direction) outside its range.
    eOutOfRange = 151,
};

} // namespace Acad
