// settings: print a "Tarnel.ini" as the program reads it, or write one from the defaults.
#include <functional>
#include <iostream>
#include <optional>
#include <variant>

#include "club/address_cipher.h"
#include "command.h"
#include "core/cp1251.h"
#include "ui/settings/settings.h"

namespace tarnel::lab {
namespace {

struct IntField {
  int Settings::*Member;
  int Low, High;
};
struct TextField {
  std::string Settings::*Member;
  size_t MaxLength;  // characters; 0 for no limit
};
struct AddressField {
  std::string Settings::*Enciphered;
  std::string Settings::*Plain;
  std::uint16_t Key;
};
struct LanguageField {};
using Field = std::variant<bool Settings::*, IntField, TextField, AddressField, LanguageField>;

struct NamedField {
  const char* Name;
  Field Kind;
};

const NamedField kFields[] = {
    {"LanguageIndex", LanguageField{}},
    {"SoundOn", &Settings::SoundOn},
    {"MusicOn", &Settings::MusicOn},
    {"AnimationsOn", &Settings::AnimationsOn},
    {"FlyCards", &Settings::FlyCards},
    {"ClubDisplay", IntField{&Settings::ClubDisplay, 1, 2}},
    {"NetworkMode", &Settings::NetworkMode},
    {"OwnCursor", &Settings::OwnCursor},
    {"FlySpeed", IntField{&Settings::FlySpeed, 1, 6}},
    {"WindowMode", IntField{&Settings::WindowMode, 1, 5}},
    {"UniqueStartReported", &Settings::UniqueStartReported},
    {"Liked", &Settings::Liked},
    {"RadioFromServer", &Settings::RadioFromServer},
    {"CaptionScheme", IntField{&Settings::CaptionScheme, 1, 7}},
    {"NewButtons", &Settings::NewButtons},
    {"PurpleDialogs", &Settings::PurpleDialogs},
    {"DialogDesign", IntField{&Settings::DialogDesign, 1, 3}},
    {"MainMenuDesign", IntField{&Settings::MainMenuDesign, 0, 1}},
    {"TableDesign", IntField{&Settings::TableDesign, 0, 1}},
    {"SaluteButtons", &Settings::SaluteButtons},
    {"SaluteCards", &Settings::SaluteCards},
    {"CardDesign", IntField{&Settings::CardDesign, 0, 47}},
    {"BackSet", IntField{&Settings::BackSet, 0, 12}},
    {"AlwaysOneBack", &Settings::AlwaysOneBack},
    {"HandSizeOption", IntField{&Settings::HandSizeOption, 6, 10}},
    {"LargeFont", TextField{&Settings::LargeFont, 0}},
    {"SmallFont", TextField{&Settings::SmallFont, 0}},
    {"SpecialFont1", TextField{&Settings::SpecialFont1, 0}},
    {"SpecialFont2", TextField{&Settings::SpecialFont2, 0}},
    {"LargeFontScale", IntField{&Settings::LargeFontScale, 50, 150}},
    {"SmallFontScale", IntField{&Settings::SmallFontScale, 50, 150}},
    {"SpecialFont1Scale", IntField{&Settings::SpecialFont1Scale, 50, 150}},
    {"SpecialFont2Scale", IntField{&Settings::SpecialFont2Scale, 50, 150}},
    {"ServerAddress", TextField{&Settings::ServerAddress, 0}},
    {"ServerPort", TextField{&Settings::ServerPort, 0}},
    {"BackgroundIndex", IntField{&Settings::BackgroundIndex, 0, 10}},
    {"BackgroundColour", IntField{&Settings::BackgroundColour, 0, 6}},
    {"LastTypedName", TextField{&Settings::LastTypedName, 0}},
    {"BoardAddress",
     AddressField{&Settings::BoardAddress, &Settings::BoardAddressPlain, kBoardAddressKey}},
    {"PassportNick", TextField{&Settings::PassportNick, 12}},
    {"PassportCountry", TextField{&Settings::PassportCountry, 5}},
    {"PassportCity", TextField{&Settings::PassportCity, 15}},
    {"PassportSex", TextField{&Settings::PassportSex, 1}},
    {"StatAddress",
     AddressField{&Settings::StatAddress, &Settings::StatAddressPlain, kStatAddressKey}},
    {"SaveGif", &Settings::SaveGif},
    {"GifSource", IntField{&Settings::GifSource, 1, 2}},
    {"GifDelay", IntField{&Settings::GifDelay, 10, 5000}},
};

template <class... F>
struct Overload : F... {
  using F::operator()...;
};
template <class... F>
Overload(F...) -> Overload<F...>;

std::string ValueText(const Settings& s, const Field& field) {
  return std::visit(Overload{
                        [&](bool Settings::*flag) { return std::string(s.*flag ? "1" : "0"); },
                        [&](const IntField& f) { return std::to_string(s.*(f.Member)); },
                        [&](const TextField& f) { return Cp1251ToUtf8(s.*(f.Member)); },
                        [&](const AddressField& f) { return Cp1251ToUtf8(s.*(f.Plain)); },
                        [&](const LanguageField&) { return std::to_string(s.LanguageIndex); },
                    },
                    field);
}

std::optional<int> Number(const std::string& text, int low, int high) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  int value = std::stoi(text);
  if (value < low || value > high) return std::nullopt;
  return value;
}

// Sets the field from UTF-8 `text`; returns an error message or "".
std::string SetValue(Settings& s, const Field& field, const std::string& text) {
  if (text.find_first_of("\r\n") != std::string::npos) return "a value cannot hold a line break";
  return std::visit(Overload{
                        [&](bool Settings::*flag) -> std::string {
                          if (text != "0" && text != "1") return "a flag is 0 or 1";
                          s.*flag = text == "1";
                          return "";
                        },
                        [&](const IntField& f) -> std::string {
                          std::optional<int> value = Number(text, f.Low, f.High);
                          bool hand = f.Member == &Settings::HandSizeOption;
                          if (!value || (hand && *value != 6 && *value != 10)) {
                            return hand ? "6 or 10"
                                        : "a number from " + std::to_string(f.Low) + " to " +
                                              std::to_string(f.High);
                          }
                          s.*(f.Member) = *value;
                          return "";
                        },
                        [&](const TextField& f) -> std::string {
                          std::string bytes = Utf8ToCp1251(text);
                          if (f.MaxLength && bytes.size() > f.MaxLength) {
                            return "at most " + std::to_string(f.MaxLength) + " characters";
                          }
                          if (f.Member == &Settings::PassportCountry && !ValidCountryCode(bytes)) {
                            return "a country code R-NNN";
                          }
                          if (f.Member == &Settings::PassportSex && bytes != "M" && bytes != "W")
                            return "M or W";
                          s.*(f.Member) = bytes;
                          return "";
                        },
                        [&](const AddressField& f) -> std::string {
                          if (text.empty()) return "an address cannot be empty";
                          s.*(f.Plain) = Utf8ToCp1251(text);
                          s.*(f.Enciphered) = EncipherAddress(s.*(f.Plain), f.Key);
                          return "";
                        },
                        [&](const LanguageField&) -> std::string {
                          std::optional<int> value = Number(text, 0, 20);
                          if (!value) return "a number from 0 to 20";
                          s.LanguageIndex = static_cast<std::uint8_t>(*value);
                          return "";
                        },
                    },
                    field);
}

int Show(const std::string& file, std::ostream& out) {
  Settings s;
  LoadSettings(file, s);
  for (const NamedField& f : kFields)
    out << f.Name << "=" << ValueText(s, f.Kind) << "\n";
  return 0;
}

int Write(const std::string& file, const Args& pairs, std::ostream& out, std::ostream& err) {
  // The passport a typed name brings, so a file with a name reads through to its last line.
  Settings s;
  SetPassportDefaults(s);
  for (const std::string& pair : pairs) {
    size_t eq = pair.find('=');
    if (eq == std::string::npos) throw UsageError{"expected Name=value, not '" + pair + "'"};
    std::string name = pair.substr(0, eq);
    const NamedField* field = nullptr;
    for (const NamedField& f : kFields) {
      if (name == f.Name) field = &f;
    }
    if (!field) throw UsageError{"unknown setting '" + name + "'"};
    std::string problem = SetValue(s, field->Kind, pair.substr(eq + 1));
    if (!problem.empty()) throw UsageError{name + ": " + problem};
  }
  SaveSettingsResult result = SaveSettings(file, s);
  if (result.Outcome != SaveSettingsOutcome::kSaved) {
    err << "cannot write " << file << "\n";
    return 1;
  }
  out << "wrote " << file << "\n";
  return 0;
}

int RunSettings(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() >= 2 && args[0] == "show" && args.size() == 2) return Show(args[1], out);
  if (args.size() >= 2 && args[0] == "write") {
    return Write(args[1], Args(args.begin() + 2, args.end()), out, err);
  }
  throw UsageError{"expected 'show FILE' or 'write FILE [Name=value ...]'"};
}

Registrar settings("settings", "settings show FILE | settings write FILE [Name=value ...]",
                   RunSettings);

}  // namespace
}  // namespace tarnel::lab
