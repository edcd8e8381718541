#include "club/address_cipher.h"

#include "club/club_addresses.h"

namespace tarnel {
namespace {

// 16-bit linear congruential step; its high byte is the keystream.
struct KeyStream {
  std::uint16_t State;
  unsigned char Next() {
    State = static_cast<std::uint16_t>(State * 25173u + 13849u);
    return static_cast<unsigned char>(State >> 8);
  }
};

}  // namespace

std::string EncipherAddress(std::string_view plain, std::uint16_t key) {
  KeyStream stream{key};
  unsigned char previous = static_cast<unsigned char>(key & 0xFF);
  std::string out;
  out.reserve(plain.size() * 2);
  for (char ch : plain) {
    unsigned char c = static_cast<unsigned char>(ch) ^ stream.Next();
    c = static_cast<unsigned char>(c + previous);
    previous = c;
    out += static_cast<char>('A' + (c >> 4));
    out += static_cast<char>('a' + (c & 0x0F));
  }
  return out;
}

std::optional<std::string> DecipherAddress(std::string_view enciphered, std::uint16_t key) {
  if (enciphered.size() % 2 != 0) return std::nullopt;
  KeyStream stream{key};
  unsigned char previous = static_cast<unsigned char>(key & 0xFF);
  std::string out;
  out.reserve(enciphered.size() / 2);
  for (size_t i = 0; i < enciphered.size(); i += 2) {
    char high = enciphered[i];
    char low = enciphered[i + 1];
    if (high < 'A' || high > 'P' || low < 'a' || low > 'p') return std::nullopt;
    auto c = static_cast<unsigned char>(((high - 'A') << 4) | (low - 'a'));
    auto plain =
        static_cast<unsigned char>(static_cast<unsigned char>(c - previous) ^ stream.Next());
    previous = c;
    out += static_cast<char>(plain);
  }
  return out;
}

std::string AddressCipher(std::string_view enciphered, std::uint16_t key) {
  return DecipherAddress(enciphered, key).value_or(std::string());
}

std::string BuiltInBoardAddress() {
  return EncipherAddress(BuiltInClubServer() + "/tarnel/board.php", kBoardAddressKey);
}

std::string BuiltInStatAddress() {
  return EncipherAddress(BuiltInClubServer() + "/tarnel/stat.php", kStatAddressKey);
}

}  // namespace tarnel
