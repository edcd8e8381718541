#include "club/address_cipher.h"

#include <gtest/gtest.h>

#include <random>

namespace tarnel {
namespace {

TEST(AddressCipher, RoundTripsAnyBytesUnderEveryKeyAsPrintableText) {
  std::mt19937 random(33);
  for (int round = 0; round < 300; ++round) {
    std::string plain(static_cast<size_t>(random() % 80), '\0');
    for (char& c : plain)
      c = static_cast<char>(random());
    auto key = static_cast<std::uint16_t>(random());
    std::string enciphered = EncipherAddress(plain, key);
    EXPECT_EQ(enciphered.size(), plain.size() * 2);
    for (char c : enciphered) {
      // Letters only: no "#" (ends directory values), no spaces or line breaks.
      EXPECT_TRUE((c >= 'A' && c <= 'P') || (c >= 'a' && c <= 'p')) << int(c);
    }
    EXPECT_EQ(DecipherAddress(enciphered, key), plain);
  }
}

TEST(AddressCipher, TheKeyMatters) {
  const std::string plain = "http://127.0.0.1:8033/wtgames.php";
  std::string a = EncipherAddress(plain, kBoardAddressKey);
  EXPECT_NE(a, EncipherAddress(plain, kStatAddressKey));
  EXPECT_NE(a, EncipherAddress(plain, kBoardAddressKey ^ 1));
  EXPECT_EQ(a.find("http"), std::string::npos);
  EXPECT_NE(AddressCipher(a, kStatAddressKey), plain);
  // Repeated characters do not show as repeated pairs.
  std::string same = EncipherAddress("aaaaaaaa", kBoardAddressKey);
  EXPECT_NE(same.substr(0, 2), same.substr(2, 2));
}

TEST(AddressCipher, DamagedTextDoesNotDecipher) {
  std::string good = EncipherAddress("http://x/", kAccountAddressKey);
  for (std::string bad : {good.substr(1), good + "#", good.substr(0, 4) + " " + good.substr(5),
                          std::string("http://x/"), good.substr(0, 2) + "Qa"}) {
    EXPECT_FALSE(DecipherAddress(bad, kAccountAddressKey).has_value()) << bad;
    EXPECT_EQ(AddressCipher(bad, kAccountAddressKey), "");
  }
  EXPECT_EQ(DecipherAddress("", kAccountAddressKey), "");
}

TEST(AddressCipher, BuiltInAddressesDecipherToWebAddresses) {
  EXPECT_EQ(AddressCipher(BuiltInBoardAddress(), kBoardAddressKey).rfind("http://", 0), 0u);
  EXPECT_EQ(AddressCipher(BuiltInStatAddress(), kStatAddressKey).rfind("http://", 0), 0u);
}

}  // namespace
}  // namespace tarnel
