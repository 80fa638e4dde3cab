#include "platform/reg_file.h"

#include <algorithm>
#include <cstdint>

namespace dunra {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
    s.remove_suffix(1);
  }
  return s;
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string Quote(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

// Reads a quoted string at the start of s; returns its decoded text and
// leaves s after the closing quote. nullopt when it does not close.
std::optional<std::string> TakeQuoted(std::string_view& s) {
  if (s.empty() || s.front() != '"') return std::nullopt;
  std::string text;
  for (size_t i = 1; i < s.size(); ++i) {
    if (s[i] == '"') {
      s.remove_prefix(i + 1);
      return text;
    }
    // Only \\ and \" are written; another escaped character stands for itself.
    if (s[i] == '\\' && i + 1 < s.size()) ++i;
    text += s[i];
  }
  return std::nullopt;
}

// "01,ab,ff" (possibly empty).
bool IsHexList(std::string_view list) {
  if (list.empty()) return true;
  while (true) {
    if (list.size() < 2 || !IsHexDigit(list[0]) || !IsHexDigit(list[1])) return false;
    list.remove_prefix(2);
    if (list.empty()) return true;
    if (list.front() != ',') return false;
    list.remove_prefix(1);
  }
}

bool IsDword(std::string_view digits) {
  return !digits.empty() && digits.size() <= 8 &&
         std::all_of(digits.begin(), digits.end(), IsHexDigit);
}

// "hex:..." or "hex(7):..." with the continuations already joined.
bool IsHexValue(std::string_view data) {
  if (data.substr(0, 3) != "hex") return false;
  data.remove_prefix(3);
  if (!data.empty() && data.front() == '(') {
    const size_t close = data.find(')');
    if (close == std::string_view::npos || close == 1) return false;
    const std::string_view type = data.substr(1, close - 1);
    if (type.size() > 8 || !std::all_of(type.begin(), type.end(), IsHexDigit)) return false;
    data.remove_prefix(close + 1);
  }
  if (data.empty() || data.front() != ':') return false;
  return IsHexList(data.substr(1));
}

void AppendHexByte(std::string& out, uint8_t byte) {
  static const char kDigits[] = "0123456789abcdef";
  if (!out.empty() && out.back() != ':') out += ',';
  out += kDigits[byte >> 4];
  out += kDigits[byte & 15];
}

// The next code point of UTF-8 text; a byte that starts no valid sequence
// becomes U+FFFD.
uint32_t NextCodePoint(std::string_view text, size_t& i) {
  const auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
  const uint8_t lead = byte(i);
  int length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2
             : lead >= 0xE0 && lead < 0xF0 ? 3 : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
  if (length == 1) return byte(i++);
  uint32_t cp = length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
  bool valid = length != 0 && i + length <= text.size();
  for (int k = 1; valid && k < length; ++k) {
    valid = (byte(i + k) & 0xC0) == 0x80;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  valid = valid && !(length == 3 && (cp < 0x800 || (cp >= 0xD800 && cp < 0xE000))) &&
          !(length == 4 && (cp < 0x10000 || cp > 0x10FFFF));
  if (!valid) {
    ++i;
    return 0xFFFD;
  }
  i += length;
  return cp;
}

// A string holding line breaks or other control characters cannot stand
// between quotes; the export then spells it as UTF-16LE bytes.
std::string StringData(std::string_view text) {
  const bool plain = std::none_of(text.begin(), text.end(), [](char c) {
    return static_cast<uint8_t>(c) < 0x20 || c == 0x7F;
  });
  if (plain) return Quote(text);
  std::string data = "hex(1):";
  const auto unit = [&](uint32_t u) {
    AppendHexByte(data, u & 0xFF);
    AppendHexByte(data, u >> 8);
  };
  for (size_t i = 0; i < text.size();) {
    const uint32_t cp = NextCodePoint(text, i);
    if (cp >= 0x10000) {
      unit(0xD800 + ((cp - 0x10000) >> 10));
      unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      unit(cp);
    }
  }
  unit(0);
  return data;
}

bool HasEmptyComponent(std::string_view path) {
  return path.empty() || path.front() == '\\' || path.back() == '\\' ||
         path.find("\\\\") != std::string_view::npos;
}

}  // namespace

RegFileParseError::RegFileParseError(int line, const std::string& reason)
    : std::runtime_error("line " + std::to_string(line) + ": " + reason) {}

RegFile RegFile::Parse(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const std::vector<std::string_view> lines = SplitLines(text);
  RegFile file;
  bool header_seen = false;
  Key* current = nullptr;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int line_number = static_cast<int>(i) + 1;
    const std::string_view line = TrimRight(lines[i]);
    if (line.empty()) continue;
    if (!header_seen) {
      if (line != kRegFileHeader) {
        throw RegFileParseError(line_number, "not a registry export");
      }
      header_seen = true;
      continue;
    }
    if (line.front() == ';') continue;
    if (line.front() == '[') {
      if (line.back() != ']') throw RegFileParseError(line_number, "unclosed key");
      const std::string_view path = line.substr(1, line.size() - 2);
      if (!path.empty() && path.front() == '-') {
        throw RegFileParseError(line_number, "key deletion");
      }
      if (HasEmptyComponent(path)) throw RegFileParseError(line_number, "bad key path");
      current = &file.Ensure(path);
      continue;
    }
    if (current == nullptr) throw RegFileParseError(line_number, "value outside a key");
    std::string_view rest = line;
    std::string name;
    if (rest.front() == '@') {
      rest.remove_prefix(1);
    } else if (std::optional<std::string> quoted = TakeQuoted(rest)) {
      name = std::move(*quoted);
    } else {
      throw RegFileParseError(line_number, "bad value name");
    }
    if (rest.empty() || rest.front() != '=') {
      throw RegFileParseError(line_number, "missing '='");
    }
    rest.remove_prefix(1);
    std::string raw(rest);
    std::string joined(rest);
    while (!joined.empty() && joined.back() == '\\' && !joined.starts_with('"')) {
      if (++i == lines.size()) throw RegFileParseError(line_number, "unfinished value");
      const std::string_view next = TrimRight(lines[i]);
      raw += '\n';
      raw += next;
      joined.pop_back();
      joined += TrimLeft(next);
    }
    std::string_view data = joined;
    bool valid;
    if (data.starts_with('"')) {
      valid = TakeQuoted(data) && data.empty();
    } else if (data.starts_with("dword:")) {
      valid = IsDword(data.substr(6));
    } else if (data == "-") {
      throw RegFileParseError(line_number, "value deletion");
    } else {
      valid = IsHexValue(data);
    }
    if (!valid) throw RegFileParseError(line_number, "bad value data");
    file.SetRaw(*current, name, std::move(raw));
  }
  if (!header_seen) throw RegFileParseError(1, "not a registry export");
  return file;
}

std::string RegFile::Format() const {
  std::string text(kRegFileHeader);
  text += "\n\n";
  for (const auto& [id, key] : keys_) {
    text += '[';
    text += key.path;
    text += "]\n";
    for (const Value& value : key.values) {
      text += value.name.empty() ? std::string("@") : Quote(value.name);
      text += '=';
      text += value.raw_data;
      text += '\n';
    }
    text += '\n';
  }
  return text;
}

RegFile::KeyId RegFile::IdOf(std::string_view path) {
  KeyId id;
  size_t start = 0;
  while (true) {
    const size_t end = path.find('\\', start);
    std::string part(path.substr(start, end - start));
    std::transform(part.begin(), part.end(), part.begin(), LowerAscii);
    id.push_back(std::move(part));
    if (end == std::string_view::npos) return id;
    start = end + 1;
  }
}

const RegFile::Key* RegFile::Find(std::string_view path) const {
  auto it = keys_.find(IdOf(path));
  return it == keys_.end() ? nullptr : &it->second;
}

RegFile::Key& RegFile::Ensure(std::string_view path) {
  // Every key below the hive is listed, as an export lists them; the hive
  // itself only when it was listed.
  size_t end = path.find('\\');
  if (end != std::string_view::npos) end = path.find('\\', end + 1);
  while (end != std::string_view::npos) {
    const std::string_view parent = path.substr(0, end);
    keys_.try_emplace(IdOf(parent), Key{std::string(parent), {}});
    end = path.find('\\', end + 1);
  }
  return keys_.try_emplace(IdOf(path), Key{std::string(path), {}}).first->second;
}

bool RegFile::HasKey(std::string_view path) const { return Find(path) != nullptr; }

void RegFile::CreateKey(std::string_view path) { Ensure(path); }

void RegFile::SetRaw(Key& key, std::string_view name, std::string raw_data) {
  for (Value& value : key.values) {
    if (SameName(value.name, name)) {
      value.raw_data = std::move(raw_data);
      return;
    }
  }
  // The default value leads, as in an export.
  const auto where = name.empty() ? key.values.begin() : key.values.end();
  key.values.insert(where, Value{std::string(name), std::move(raw_data)});
}

void RegFile::SetString(std::string_view key, std::string_view name,
                        std::string_view data) {
  SetRaw(Ensure(key), name, StringData(data));
}

std::vector<std::string> RegFile::KeyPaths() const {
  std::vector<std::string> paths;
  for (const auto& [id, key] : keys_) paths.push_back(key.path);
  return paths;
}

std::vector<std::string> RegFile::ValueNames(std::string_view key) const {
  std::vector<std::string> names;
  if (const Key* found = Find(key)) {
    for (const Value& value : found->values) names.push_back(value.name);
  }
  return names;
}

std::optional<std::string> RegFile::GetString(std::string_view key,
                                              std::string_view name) const {
  const Key* found = Find(key);
  if (found == nullptr) return std::nullopt;
  for (const Value& value : found->values) {
    if (!SameName(value.name, name)) continue;
    std::string_view data = value.raw_data;
    return TakeQuoted(data);
  }
  return std::nullopt;
}

}  // namespace dunra
