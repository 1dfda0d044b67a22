#include "surface/fltk/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace quorex::fltk {
namespace {

// Larger files are not ours: only their first megabyte is read.
constexpr std::streamsize kLargestFile = 1 << 20;

std::string Escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char next = text[++i];
    out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
  }
  return out;
}

bool ValidName(std::string_view name) {
  return !name.empty() && name.find_first_of("[]=\n\r") == std::string_view::npos;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::string text(static_cast<size_t>(kLargestFile), '\0');
  in.read(text.data(), kLargestFile);
  text.resize(static_cast<size_t>(in.gcount()));
  return text;
}

void MakeFolders(const std::string& path) {
  for (size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    mkdir(path.substr(0, slash).c_str(), 0700);
  }
}

bool WriteAtomically(const std::string& path, const std::string& text) {
  MakeFolders(path);
  const std::string temporary = path + ".new." + std::to_string(getpid());
  const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) return false;
  size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = write(fd, text.data() + written, text.size() - written);
    if (n <= 0) break;
    written += static_cast<size_t>(n);
  }
  const bool complete = written == text.size() && fsync(fd) == 0;
  const bool closed = close(fd) == 0;
  if (!complete || !closed || rename(temporary.c_str(), path.c_str()) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace

SectionValues ParseSettings(std::string_view text) {
  SectionValues values;
  std::string section;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      // A header the writer could not write again opens no section: its keys are skipped.
      const std::string_view name = line.substr(1, line.size() - 2);
      section = ValidName(name) ? std::string(name) : std::string();
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || section.empty()) continue;
    const std::string_view key = line.substr(0, equals);
    if (!ValidName(key)) continue;
    values[section][std::string(key)] = Unescape(line.substr(equals + 1));
  }
  return values;
}

std::string FormatSettings(const SectionValues& values) {
  std::string text;
  for (const auto& [section, keys] : values) {
    if (!ValidName(section)) continue;
    text += "[" + section + "]\n";
    for (const auto& [key, value] : keys) {
      if (ValidName(key)) text += key + "=" + Escape(value) + "\n";
    }
  }
  return text;
}

std::string SettingsPath(const std::string& application) {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string folder;
  if (config && config[0] == '/') {
    folder = config;
  } else {
    const char* home = std::getenv("HOME");
    folder = std::string(home && home[0] ? home : "/tmp") + "/.config";
  }
  return folder + "/" + application + "/settings.ini";
}

std::optional<std::string> SettingsFile::Read(const std::string& application,
                                              const std::string& section,
                                              const std::string& key) {
  const SectionValues values = ParseSettings(ReadFile(SettingsPath(application)));
  const auto inSection = values.find(section);
  if (inSection == values.end()) return std::nullopt;
  const auto found = inSection->second.find(key);
  if (found == inSection->second.end()) return std::nullopt;
  return found->second;
}

void SettingsFile::Write(const std::string& application, const std::string& section,
                         const std::string& key, const std::string& text) {
  const std::string path = SettingsPath(application);
  SectionValues values = ParseSettings(ReadFile(path));
  values[section][key] = text;
  WriteAtomically(path, FormatSettings(values));
}

}  // namespace quorex::fltk
