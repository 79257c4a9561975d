#pragma once
// Reads the "[Group]" / "Key=Value" files of the desktop: application launchers
// (.desktop) and the metadata a Flatpak deploy keeps beside its files. Only what the
// applications scan needs: plain and localized string values of one group. The files
// are untrusted input and are never executed.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class KeyFile {
  public:
    static KeyFile parse(std::string_view content);

    // The value with the standard escapes (\s \n \t \r \\) resolved.
    std::optional<std::string> value(std::string_view group, std::string_view key) const;
    // The value for `locale` ("de_DE") by the desktop's fallbacks (de_DE, de, then unlocalized).
    std::optional<std::string> localizedValue(std::string_view group, std::string_view key,
                                              std::string_view locale) const;
    // Every translation of `key`: locale ("de", "zh_CN") → value.
    std::map<std::string, std::string> translations(std::string_view group, std::string_view key) const;
    bool hasGroup(std::string_view group) const;
    std::vector<std::string> groups() const;

  private:
    std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> groups_;
};

// The program a launcher starts: TryExec when present, else the first word of Exec
// (quotes and field codes handled as the desktop does). Empty when neither is usable.
std::string launcherProgram(const KeyFile& desktopEntry);
