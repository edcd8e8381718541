// Any request body parses or is refused without a crash; an encoded body built from the parsed
// fields parses back to the same fields, and every reply reader copes with the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "club/club_wire.h"
#include "core/cp1251.h"
#include "form_body.h"
#include "jpeg_size.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::optional<tarnel::server::FormFields> form = tarnel::server::ParseFormBody(bytes);
  if (form && !form->Entries.empty()) {
    std::vector<tarnel::ClubField> fields;
    bool plain = true;
    for (const auto& [name, value] : form->Entries) {
      // Names and values holding the line breaks or "=" of the entry text cannot travel.
      if (name.find_first_of("\r\n=") != std::string::npos ||
          value.find_first_of("\r\n") != std::string::npos)
        plain = false;
      fields.push_back({name, value});
    }
    if (plain && fields.size() > 1) {
      std::string body = tarnel::PostFieldsBody(tarnel::PostFieldsLines(fields));
      std::optional<tarnel::server::FormFields> again = tarnel::server::ParseFormBody(body);
      if (!again || again->Entries.size() != fields.size()) std::abort();
      for (std::size_t i = 0; i < fields.size(); ++i) {
        // Windows-1251 through UTF-8 and back is exact.
        if (again->Entries[i].first != fields[i].first ||
            again->Entries[i].second != fields[i].second)
          std::abort();
      }
    }
  }
  tarnel::ReadTailNumber(bytes);
  tarnel::ReadReportReply(bytes);
  for (const tarnel::ClubRecord& r : tarnel::ReadRecords(bytes, '*', ' ', 10))
    for (const std::string& token : r.Tokens) {
      tarnel::ParseClubInt(token);
      tarnel::ReadClubDecimal(token);
    }
  tarnel::DirectoryValue(bytes, "StatPath");
  tarnel::server::JpegSize(bytes);
  return 0;
}
