#pragma once

// The core's text files use the sheet's codec: one implementation of UTF-8, UTF-16 and
// Windows-1252 for the whole module.
#include "platform/grid/files/TextCodec.h"

namespace core {

using TextEncoding = grid::TextEncoding;
using TextCodec = grid::TextCodec;

} // namespace core
