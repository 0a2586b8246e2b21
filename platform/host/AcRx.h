#pragma once

// Messages the host sends to an application's entry point and the entry point's answers; the
// values are the host SDK's.
namespace AcRx {

enum AppMsgCode {
    kInitAppMsg = 1,
    kUnloadAppMsg = 2,
    kLoadDwgMsg = 3,
};

enum AppRetCode {
    kRetOK = 0,
    kRetError = 3,
};

} // namespace AcRx

// The interface version an application reports from acrxGetApiVersion; the host loads only
// applications built for its own version (release 18).
inline constexpr int ACRX_APIVERSION = 18;
