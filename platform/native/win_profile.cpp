#include "platform/native/win_profile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/native/win_paths.h"

namespace {

struct Entry {
  std::string key;
  std::string value;
};

struct Section {
  std::string name;
  std::vector<Entry> entries;
};

constexpr std::string_view kBlanks = " \t";

std::string_view trim(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Surrounding quotes, single or double, are not part of the value.
std::string_view unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// Names match without regard to case, byte by byte: an empty name is a name like any other.
bool same_name(std::string_view a, std::string_view b) {
  return std::ranges::equal(
      a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::optional<std::string> read_whole_file(LPCSTR file_name) {
  std::FILE* file = platform::open_file_for_reading(file_name, "rb");
  if (file == nullptr) return std::nullopt;
  std::string text;
  char chunk[4096];
  for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) {
    text.append(chunk, got);
  }
  std::fclose(file);
  return text;
}

// Lines before the first section header belong to a section without a name. Comment lines,
// lines without '=' and headers without ']' are skipped.
std::vector<Section> parse(std::string_view text) {
  constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
  if (text.starts_with(kUtf8Mark)) text.remove_prefix(kUtf8Mark.size());
  std::vector<Section> sections(1);
  while (!text.empty()) {
    const auto end = text.find_first_of("\r\n");
    const std::string_view line = trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const auto close = line.find(']');
      if (close != std::string_view::npos) {
        sections.push_back({.name = std::string(trim(line.substr(1, close - 1)))});
      }
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    sections.back().entries.push_back(
        {.key = std::string(trim(line.substr(0, equals))),
         .value = std::string(unquote(trim(line.substr(equals + 1))))});
  }
  return sections;
}

// The first section of that name; later ones of the same name are never consulted.
const Section* find_section(const std::vector<Section>& sections, std::string_view name) {
  for (const Section& section : sections) {
    if (same_name(section.name, name)) return &section;
  }
  return nullptr;
}

// A single string: cut to the buffer and terminated; the count excludes the terminator.
DWORD copy_string(std::string_view text, LPSTR returned, DWORD size) {
  const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
  std::copy_n(text.begin(), count, returned);
  returned[count] = '\0';
  return static_cast<DWORD>(count);
}

// Names one after another, each terminated, the list closed by another null. A list that does
// not fit ends with the last name cut short and two nulls, and counts size − 2.
DWORD copy_list(const std::vector<std::string_view>& names, LPSTR returned, DWORD size) {
  std::size_t at = 0;
  for (std::string_view name : names) {
    if (at + name.size() + 2 > size) {
      if (size < 2) {
        returned[0] = '\0';
        return 0;
      }
      // A list that filled the buffer to the last byte has no room left for part of a name.
      const std::size_t room = at + 2 <= size ? size - 2 - at : 0;
      std::copy_n(name.begin(), room, returned + at);
      returned[size - 2] = '\0';
      returned[size - 1] = '\0';
      return size - 2;
    }
    std::copy_n(name.begin(), name.size(), returned + at);
    at += name.size();
    returned[at++] = '\0';
  }
  returned[at] = '\0';
  return static_cast<DWORD>(at);
}

// The default loses its trailing blanks.
std::string_view default_of(LPCSTR default_value) {
  if (default_value == nullptr) return {};
  std::string_view text(default_value);
  return text.substr(0, text.find_last_not_of(kBlanks) + 1);
}

}  // namespace

extern "C" DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR default_value,
                                          LPSTR returned, DWORD size, LPCSTR file_name) {
  if (returned == nullptr || size == 0) return 0;
  std::vector<Section> sections;
  if (file_name != nullptr && std::strpbrk(file_name, "/\\") != nullptr) {
    if (auto text = read_whole_file(file_name)) sections = parse(*text);
  }

  // Sections without a name are found by "" but never listed.
  if (section == nullptr) {
    std::vector<std::string_view> names;
    for (const Section& each : sections) {
      if (!each.name.empty()) names.push_back(each.name);
    }
    return copy_list(names, returned, size);
  }
  const Section* found = find_section(sections, trim(section));
  if (key == nullptr) {
    // A list with nothing in it, or with no room for a name, gives the default instead.
    std::vector<std::string_view> names;
    if (found != nullptr) {
      for (const Entry& entry : found->entries) names.push_back(entry.key);
    }
    if (const DWORD count = copy_list(names, returned, size); count != 0) return count;
  } else if (found != nullptr) {
    for (const Entry& entry : found->entries) {
      if (same_name(entry.key, trim(key))) return copy_string(entry.value, returned, size);
    }
  }
  return copy_string(default_of(default_value), returned, size);
}
