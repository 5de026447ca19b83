// Profile files with the platform's rules, kept as real UTF-8 files so tests can read what was written.
#include "platform/fake/fake_profile_file.h"

#include <fstream>
#include <iterator>
#include <optional>

#include "platform/fake/fake_text.h"

namespace zv::platform {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) { return faketext::Fold(a) == faketext::Fold(b); }

std::vector<std::string> LoadLines(std::string_view path) {
  std::ifstream in{std::string(path), std::ios::binary};
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (line.ends_with('\r')) line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

bool SaveLines(std::string_view path, const std::vector<std::string>& lines) {
  std::ofstream out{std::string(path), std::ios::binary | std::ios::trunc};
  for (const std::string& line : lines) out << line << "\r\n";
  return static_cast<bool>(out.flush());
}

// The name of a "[name]" line, nullopt for other lines.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimBlanks(line);
  if (!line.starts_with('[')) return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimBlanks(line.substr(1, close - 1));
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

// A "key=value" line; nullopt for lines without "=".
std::optional<Entry> ParseEntry(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Entry{TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1))};
}

// Lines [first, last) of the first section with that name; nullopt when there is none.
struct Range {
  std::size_t first;
  std::size_t last;
};
std::optional<Range> FindSection(const std::vector<std::string>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i]);
    if (!name || !SameName(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !SectionName(lines[end])) ++end;
    return Range{i + 1, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<std::string>& lines, Range range, std::string_view key) {
  for (std::size_t i = range.first; i < range.last; ++i) {
    const auto entry = ParseEntry(lines[i]);
    if (entry && SameName(entry->key, key)) return i;
  }
  return std::nullopt;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '\'' || value.front() == '"') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The platform counts UTF-16 units: one per character, two for one outside the Basic Multilingual Plane.
std::size_t Utf16Units(unsigned char lead) {
  if (lead >= 0xF0) return 2;
  return (lead & 0xC0) == 0x80 ? 0 : 1;
}

// The longest start of `text` of at most `units` UTF-16 units, cut between characters; sets `count`.
std::string_view CutToUnits(std::string_view text, std::size_t units, std::size_t& count) {
  count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t width = Utf16Units(static_cast<unsigned char>(text[i]));
    if (width == 0) continue;  // continuation byte of the character before
    if (count + width > units) return text.substr(0, i);
    count += width;
  }
  return text;
}

}  // namespace

std::size_t FakeProfileFile::Read(std::string_view path, std::string_view section, std::string_view key,
                                  std::size_t bufferChars, std::string& value) {
  calls.push_back("Read " + std::string(section) + " " + std::string(key));
  value.clear();
  if (bufferChars == 0) return 0;
  const std::vector<std::string> lines = LoadLines(path);
  const auto range = FindSection(lines, section);
  if (!range) return 0;
  const auto line = FindKey(lines, *range, key);
  if (!line) return 0;
  std::size_t count = 0;
  value = CutToUnits(Unquote(ParseEntry(lines[*line])->value), bufferChars - 1, count);
  return count;
}

bool FakeProfileFile::Write(std::string_view path, std::string_view section, std::string_view key,
                            std::string_view value) {
  calls.push_back("Write " + std::string(section) + " " + std::string(key) + "=" + std::string(value));
  std::vector<std::string> lines = LoadLines(path);
  const std::string entry = std::string(key) + "=" + std::string(value);
  const auto range = FindSection(lines, section);
  if (!range) {
    lines.push_back("[" + std::string(section) + "]");
    lines.push_back(entry);
    return SaveLines(path, lines);
  }
  if (const auto line = FindKey(lines, *range, key)) {
    // The key keeps the spelling it has in the file.
    lines[*line] = std::string(ParseEntry(lines[*line])->key) + "=" + std::string(value);
    return SaveLines(path, lines);
  }
  // After the section's last non-blank line, so blank lines before the next section stay there.
  std::size_t insert = range->last;
  while (insert > range->first && TrimBlanks(lines[insert - 1]).empty()) --insert;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert), entry);
  return SaveLines(path, lines);
}

}  // namespace zv::platform
