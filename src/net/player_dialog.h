// What the player dialog shows and decides, without its window: the proposed name, which fields
// are open, and the checks of OK with their messages. Texts here are Windows-1251 bytes, as the
// club file and the settings hold them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/words/word_rows.h"

namespace tarnel {

inline constexpr int kNewPlayerSlot = 6;
inline constexpr std::size_t kNameLimit = 20;
inline constexpr std::size_t kNetNameLimit = 9;
inline constexpr int kPlayerDialogHeight = 295;
inline constexpr int kPlayerDialogNetworkHeight = 455;

enum class PlayerField { Name, Password, Repeat, Address, Port };

struct PlayerDialogInput {
  int SelectedPlayer = kNewPlayerSlot;  // 1..5 a member, 6 a new player
  bool NetworkMode = false;
  bool Renaming = false;      // opened during a game to rename the player
  std::string MemberLine;     // the member's club line (slots 1..5)
  std::string PlayerName;     // the running game's name (renaming)
  std::string LastTypedName;  // from the settings
  std::string MrX;            // the word table's "Mr.X", already in Windows-1251
};

struct PlayerDialogSetup {
  std::string Name;  // trimmed
  bool NameEditable = true;
  bool RepeatEditable = true;
  std::size_t NameLimit = kNameLimit;
  PlayerField Focus = PlayerField::Name;
  int ClientHeight = kPlayerDialogHeight;
  bool NetworkSection = false;
};

PlayerDialogSetup SetUpPlayerDialog(const PlayerDialogInput& input);

struct PlayerDialogEntry {
  std::string Name;
  std::string Password;
  std::string Repeat;
};

// Who sits down at the table after a successful dialog.
struct Admission {
  std::string PlayerName;       // padded to 20
  std::string EncodedPassword;  // 15 digits
  std::string GamesText;        // "  0" for a new player, else the member's games
  std::string ScoreText;        // "     0" for a new player
  std::string MemberLine;       // the member's line as read, empty for a new player
};

struct PlayerDialogVerdict {
  bool Accepted = false;
  int MessageRow = rows::kNone;  // the word-table row to show when refused
  PlayerField Focus = PlayerField::Name;
  std::optional<std::string> LastTypedName;  // to keep in the settings, once a name was typed
  Admission Admitted;
};

// OK outside network mode. `storedPassword` is the member's 5 stored characters (nullopt when the
// club file cannot give them, which refuses like a wrong password).
PlayerDialogVerdict ConfirmPlayerDialog(const PlayerDialogInput& input,
                                        const PlayerDialogEntry& entry,
                                        const std::optional<std::string>& storedPassword);

// The network section. Role 1 is the server, 2 the client.
inline constexpr int kServerRole = 1;
inline constexpr int kClientRole = 2;
inline constexpr int kAddressBoxes = 6;
inline constexpr const char* kLoopbackAddress = "127.0.0.1";

// The address field after a change: anything but digits and dots puts back the stored address.
// A kept, non-empty text typed as client becomes the stored address.
std::string FilterAddressField(const std::string& text, int role, std::string& serverAddress);
// The port field after a change: anything but digits puts back the stored port; the field's
// text is always stored.
std::string FilterPortField(const std::string& text, std::string& serverPort);

// Four dot-separated groups of 1 to 3 characters; the digits are not range-checked.
bool IsAcceptedAddress(const std::string& text);

// OK's network checks after the player checks passed: the message row and the field to focus,
// or rows::kNone when the connection may start.
struct NetworkVerdict {
  int MessageRow = rows::kNone;
  PlayerField Focus = PlayerField::Address;
};
NetworkVerdict ConfirmNetworkSection(int role, const std::string& address, const std::string& port);

// One read-only address box: the text and its hint (empty when none).
struct AddressBox {
  std::string Text;
  std::string Hint;
};
// The six boxes: the local addresses in order, then the external address with the club server as
// hint, then the loop-back address with "Loop"; with five or more local addresses the last two
// fall into the last box or are not shown.
std::vector<AddressBox> FillAddressBoxes(const std::vector<std::string>& local,
                                         const std::string& external, const std::string& clubServer,
                                         const std::string& loopHint);

std::string PadRight(std::string text, std::size_t width);
std::string TrimSpaces(const std::string& text);

}  // namespace tarnel
