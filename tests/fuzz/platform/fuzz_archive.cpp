// A damaged library: listing it, finding names and reading every entry must fail cleanly.
#include "platform/resource_library.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto library = tarnel::ResourceArchive::OpenMemory({data, size});
  if (!library) return 0;
  for (const auto& name : library->FileNames())
    (void)library->ReadFile(name);
  (void)tarnel::ReadPng(*library, "Pi3QOldB");
  (void)tarnel::ReadJpeg(*library, "fong");
  (void)tarnel::ReadGif(*library, "GIFMENU1");
  return 0;
}
