// The enciphered text form of the club service addresses. Addresses are kept and stored only in
// this form and deciphered right before use; the club's service directory hands out addresses in
// the same form.
//
// Each byte is mixed with a keystream drawn from the 16-bit key and chained to the previous
// enciphered byte, then written as two letters ("A".."P" for the high half, "a".."p" for the low
// half). The result is printable, never holds "#", a space or a line break (the directory ends its
// values with "#", the settings file keeps one address per line), and is twice as long as the
// plain text. A text that is not of that shape does not decipher.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// One key per group of address slots.
inline constexpr std::uint16_t kDirectoryAddressKey = 0x5A3C;
inline constexpr std::uint16_t kAccountAddressKey = 0x71E9;
inline constexpr std::uint16_t kBoardAddressKey = 0x2D4B;
inline constexpr std::uint16_t kStatAddressKey = 0x9C17;

std::string EncipherAddress(std::string_view plain, std::uint16_t key);

// The plain address, or nothing when the text is not an enciphered address (odd length, a
// character outside the two alphabets).
std::optional<std::string> DecipherAddress(std::string_view enciphered, std::uint16_t key);

// AddressCipher as the request code uses it: the plain address, "" when the text is damaged.
std::string AddressCipher(std::string_view enciphered, std::uint16_t key);

// Built-in addresses of the board and statistics services, enciphered. The club server listens on
// the local machine unless the service directory or the settings file says otherwise.
std::string BuiltInBoardAddress();
std::string BuiltInStatAddress();

}  // namespace tarnel
