#pragma once
// The user's settings file: UTF-8 text of `key=value` lines under `[section]` headers, with blank lines and
// comment lines (starting with '#' or ';'). Small by nature; what does not read as such a file is corrupt.
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class Settings {
 public:
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  void Set(std::string_view section, std::string_view key, std::string_view value);
  friend bool operator==(const Settings&, const Settings&) = default;

  // Sections in name order, keys in name order within each.
  const std::map<std::string, std::map<std::string, std::string>>& Sections() const { return sections; }

 private:
  std::map<std::string, std::map<std::string, std::string>> sections;
};

// The settings in `text`, or std::nullopt with `problem` naming the first bad line ("line 3: ...").
std::optional<Settings> ParseSettings(std::string_view text, std::string& problem);
// Text that ParseSettings reads back as the same settings (values keep no line breaks: they are cut there).
std::string FormatSettings(const Settings& settings);

struct LoadedSettings {
  enum class Status { loaded, missing, bad };
  Status status = Status::missing;
  Settings settings;    // empty unless loaded
  std::string problem;  // when bad: what is wrong, naming the file
};

// Reads the settings file at `path`. A missing file is no problem (a first start); an unreadable, oversized
// or corrupt one is `bad`, and the caller goes on with its defaults.
LoadedSettings LoadSettings(const std::string& path);
// Writes the settings file atomically (platform/atomic_file.h); empty, or what failed.
std::string SaveSettings(const std::string& path, const Settings& settings);

}  // namespace platform
