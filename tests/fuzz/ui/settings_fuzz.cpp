// Any bytes read as "Tarnel.ini" give settings that write out and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/settings/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  tarnel::Settings first;
  tarnel::SetSettingDefaults(first);
  tarnel::ReadSettings(bytes, first);

  const std::string written = tarnel::SettingsFileBytes(first);
  tarnel::Settings second;
  tarnel::SetSettingDefaults(second);
  tarnel::ReadSettings(written, second);
  if (tarnel::SettingsFileBytes(second) != written) std::abort();
  return 0;
}
