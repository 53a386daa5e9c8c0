// Any bytes as an INI file, read the way the gauges read theirs: every section, every key of it
// and every value, into buffers of a size the input picks. The answer must fit the buffer and
// keep to the counts the platform returns.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/windows_api.h"

namespace {

// A bare file name would mean the Windows folder; the INI path names the current folder.
constexpr const char* kInputFile = "input.ini";
constexpr const char* kInputPath = ".\\input.ini";

// The names of a list answer: each ends with a null, the list with another.
std::vector<std::string> names_in(const char* list, DWORD length) {
  std::vector<std::string> names;
  for (DWORD at = 0; at < length;) {
    names.emplace_back(list + at);
    at += static_cast<DWORD>(names.back().size()) + 1;
  }
  return names;
}

// One call into an exactly sized heap buffer, so a write past it is caught.
std::string query(const char* section, const char* key, DWORD size, DWORD& length) {
  auto buffer = std::make_unique<char[]>(size);
  length = GetPrivateProfileStringA(section, key, "dflt", buffer.get(), size, kInputPath);
  if (size > 0 && length >= size) std::abort();
  return std::string(buffer.get(), size > 0 ? length : 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const DWORD buffer_size = data[0];  // 0 to 255, small sizes cut the answers
  std::FILE* file = std::fopen(kInputFile, "wb");
  if (file == nullptr) return 0;
  std::fwrite(data + 1, 1, size - 1, file);
  std::fclose(file);

  DWORD length = 0;
  const std::string sections = query(nullptr, nullptr, 4096, length);
  int calls = 0;
  for (const std::string& section : names_in(sections.c_str(), length)) {
    DWORD keys_length = 0;
    const std::string keys = query(section.c_str(), nullptr, 4096, keys_length);
    for (const std::string& key : names_in(keys.c_str(), keys_length)) {
      if (++calls > 64) return 0;
      DWORD value_length = 0;
      query(section.c_str(), key.c_str(), buffer_size, value_length);
    }
    query(section.c_str(), nullptr, buffer_size, keys_length);
  }
  query(nullptr, nullptr, buffer_size, length);
  return 0;
}
