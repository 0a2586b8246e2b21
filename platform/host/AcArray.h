#pragma once

// The type lives with the core stand-in, whose model returns it too.
#include "platform/core/model/AcArray.h"
