#include "club/club_addresses.h"

#include "club/address_cipher.h"
#include "club/club_wire.h"
#include "core/cp1251.h"

#ifndef TARNEL_CLUB_SERVER
#define TARNEL_CLUB_SERVER "http://127.0.0.1:8033"
#endif

namespace tarnel {

std::string BuiltInClubServer() {
  return TARNEL_CLUB_SERVER;
}

std::string BuiltInAccountAddress() {
  return EncipherAddress(BuiltInClubServer() + "/tarnel/account.php", kAccountAddressKey);
}

ClubAddresses BuiltInClubAddresses() {
  const std::string base = BuiltInClubServer();
  ClubAddresses a;
  a.DirectoryAddress = EncipherAddress(base + "/tarnel/directory.txt", kDirectoryAddressKey);
  a.AccountAddress = BuiltInAccountAddress();
  a.StatAddress = BuiltInStatAddress();
  a.StatAddressPlain = AddressCipher(a.StatAddress, kStatAddressKey);
  a.BoardAddress = BuiltInBoardAddress();
  a.BoardAddressPlain = AddressCipher(a.BoardAddress, kBoardAddressKey);
  a.PhotoAddress = EncipherAddress(base + "/photos/", kPhotoAddressKey);
  // The club's FTP server for photos listens beside the web server (see server/club/README).
  std::string host = base.substr(base.find("://") + 3);
  host = host.substr(0, host.find(':'));
  a.PhotoUpload = EncipherAddress("ftp://anonymous:tarnel@" + host + ":8021/", kPhotoAddressKey);
  a.TournamentAddress = EncipherAddress(base + "/tarnel/tour.php", kTournamentAddressKey);
  a.NewsAddress = EncipherAddress(base + "/tarnel/news.txt", kNewsAddressKey);
  a.RadioListAddress = base + "/radio/QelRadio.rad";
  a.MusicAddress = base + "/musik/";
  return a;
}

void ReadServiceDirectory(ClubAddresses& addresses, const ClubGetter& get) {
  const std::string directory = AddressCipher(addresses.DirectoryAddress, kDirectoryAddressKey);
  auto read = [&]() -> std::optional<std::string> {
    std::optional<std::string> document = get(directory);
    if (!document) return std::nullopt;
    return Utf8ToCp1251(*document);
  };

  if (std::optional<std::string> t = read()) {
    addresses.ChatEnabled = t->find("CTGamesPause") == std::string::npos;
    if (t->find("WTGamesPause") != std::string::npos) {
      addresses.BoardsEnabled = false;
    } else {
      addresses.BoardsEnabled = true;
      if (std::optional<std::string> board = DirectoryValue(*t, "WTGamesPatt")) {
        addresses.BoardAddress = *board;
        addresses.BoardAddressPlain = AddressCipher(*board, kBoardAddressKey);
      }
    }
    constexpr std::string_view kAnnouncementKey = "NewsTarnel5.3";
    std::size_t at = t->find(kAnnouncementKey);
    if (at != std::string::npos && at + kAnnouncementKey.size() < t->size()) {
      at += kAnnouncementKey.size() + 1;
      addresses.Announcement = t->substr(at, t->find('\n', at) - at);
    }
  } else {
    addresses.BoardsEnabled = true;
    addresses.ChatEnabled = true;
  }

  if (std::optional<std::string> t = read()) {
    if (std::optional<std::string> stat = DirectoryValue(*t, "StatPath")) {
      addresses.StatAddress = *stat;
      addresses.StatAddressPlain = AddressCipher(*stat, kStatAddressKey);
    }
  }

  addresses.AccountAddress = BuiltInAccountAddress();
  if (std::optional<std::string> t = read()) {
    if (std::optional<std::string> account = DirectoryValue(*t, "AccPath"))
      addresses.AccountAddress = *account;
  }
}

}  // namespace tarnel
