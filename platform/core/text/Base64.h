#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Base64 (RFC 4648, standard alphabet, with padding): how binary data such as a picture is
// carried inside a text record.
namespace core {

std::string base64Encode(std::span<const std::uint8_t> bytes);
// False (and bytes left empty) for text that is not padded Base64: a character outside the
// alphabet, a length that is not a multiple of 4, padding anywhere but at the end, or bits
// set below the last whole byte (so every text that decodes is the encoding of its bytes).
bool base64Decode(std::string_view text, std::vector<std::uint8_t>& bytes);

} // namespace core
