#pragma once

// Result code of host and core-module operations and of this module's operations; the values
// are the host SDK's. It lives with the core stand-in because the core module returns it too.
namespace Acad {

enum ErrorStatus {
    eOk = 0,
    eInvalidInput = 3,
};

} // namespace Acad
