#pragma once

// Result code of host operations and of this module's operations; the values are the host
// SDK's.
namespace Acad {

enum ErrorStatus {
    eOk = 0,
    eInvalidInput = 3,
};

} // namespace Acad
