#include "platform/settings_file.h"

#include <algorithm>

#include "platform/atomic_file.h"
#include "platform/utf8_codec.h"

namespace platform {
namespace {

// A settings file is a few lines; anything far larger is not one.
constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

std::string_view Trim(std::string_view s) {
  auto const blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t const start = pos;
    char32_t const c = DecodeUtf8(text, pos);
    // A genuine U+FFFD takes three bytes; a decoding failure advances by one.
    if (c == kReplacementCharacter && pos - start == 1) return false;
  }
  return true;
}

std::string OneLine(std::string_view value) {
  std::string line(value.substr(0, value.find_first_of("\r\n")));
  return std::string(Trim(line));
}

}  // namespace

std::optional<std::string> Settings::Get(std::string_view section, std::string_view key) const {
  auto const s = sections.find(std::string(section));
  if (s == sections.end()) return std::nullopt;
  auto const k = s->second.find(std::string(key));
  if (k == s->second.end()) return std::nullopt;
  return k->second;
}

void Settings::Set(std::string_view section, std::string_view key, std::string_view value) {
  sections[std::string(section)][std::string(key)] = OneLine(value);
}

std::optional<Settings> ParseSettings(std::string_view text, std::string& problem) {
  if (text.find('\0') != std::string_view::npos || !IsValidUtf8(text)) {
    problem = "not UTF-8 text";
    return std::nullopt;
  }
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte-order mark from a Windows editor
  Settings settings;
  std::string section;
  int number = 0;
  while (!text.empty() || number == 0) {
    ++number;
    std::size_t const end = std::min(text.find('\n'), text.size());
    std::string_view const line = Trim(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.empty() || line.front() == '#' || line.front() == ';') continue;
    if (line.front() == '[') {
      if (line.back() != ']' || line.size() < 3) {
        problem = "line " + std::to_string(number) + ": a section header needs a name and a closing ']'";
        return std::nullopt;
      }
      section = std::string(Trim(line.substr(1, line.size() - 2)));
      continue;
    }
    std::size_t const equals = line.find('=');
    if (equals == std::string_view::npos || Trim(line.substr(0, equals)).empty()) {
      problem = "line " + std::to_string(number) + ": expected key=value";
      return std::nullopt;
    }
    settings.Set(section, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
  }
  return settings;
}

std::string FormatSettings(const Settings& settings) {
  std::string text;
  for (auto const& [section, values] : settings.Sections()) {
    if (!section.empty()) text += (text.empty() ? "[" : "\n[") + section + "]\n";
    for (auto const& [key, value] : values) text += key + "=" + value + "\n";
  }
  return text;
}

LoadedSettings LoadSettings(const std::string& path) {
  LoadedSettings loaded;
  FileRead const file = ReadWholeFile(path, kMaxSettingsBytes);
  if (file.status == FileRead::Status::missing) return loaded;
  loaded.status = LoadedSettings::Status::bad;
  if (file.status == FileRead::Status::failed) {
    loaded.problem = file.problem;
    return loaded;
  }
  std::string problem;
  auto settings = ParseSettings(file.bytes, problem);
  if (!settings) {
    loaded.problem = path + ": " + problem;
    return loaded;
  }
  loaded.status = LoadedSettings::Status::loaded;
  loaded.settings = std::move(*settings);
  return loaded;
}

std::string SaveSettings(const std::string& path, const Settings& settings) {
  return WriteFileAtomically(path, FormatSettings(settings));
}

}  // namespace platform
