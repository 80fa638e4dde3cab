// Registry keys and values held in the registry's export text:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CLASSES_ROOT\.dun]
//   @="DUN_auto_file"
//
// Values this program does not write (dwords, binary data, other names)
// are kept as the text that follows their '=', so that reading and
// writing a file never changes them. The text is read and written as
// UTF-8; a byte-order mark and CR LF line ends are accepted.
#ifndef DUNRA_PLATFORM_REG_FILE_H_
#define DUNRA_PLATFORM_REG_FILE_H_

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dunra {

// The text is not an export this reader understands.
class RegFileParseError : public std::runtime_error {
 public:
  RegFileParseError(int line, const std::string& reason);
};

inline constexpr std::string_view kRegFileHeader =
    "Windows Registry Editor Version 5.00";

class RegFile {
 public:
  // Throws RegFileParseError. Deletion entries ("[-key]", "name"=-) are
  // refused: an export never holds them.
  static RegFile Parse(std::string_view text);

  // Keys in tree order, each after its parent; names compare without
  // regard to ASCII case, as the registry's do.
  std::string Format() const;

  // Key paths are full paths: "HKEY_CLASSES_ROOT\DUN_auto_file".
  bool HasKey(std::string_view path) const;
  // Creates the key and the keys on its path below the hive.
  void CreateKey(std::string_view path);
  // Sets a string value ("" names the default value), creating the key as
  // CreateKey does.
  void SetString(std::string_view key, std::string_view name,
                 std::string_view data);

  // The keys, in tree order, spelled as first created.
  std::vector<std::string> KeyPaths() const;
  // The value names of a key, in order ("" for the default value).
  std::vector<std::string> ValueNames(std::string_view key) const;
  // A string value's data; nullopt when absent or not a string.
  std::optional<std::string> GetString(std::string_view key,
                                       std::string_view name) const;

 private:
  struct Value {
    std::string name;
    std::string raw_data;  // the text after '=', continuation lines included
  };
  struct Key {
    std::string path;
    std::vector<Value> values;
  };
  // Lower-cased path components: orders parents first, then children.
  using KeyId = std::vector<std::string>;

  static KeyId IdOf(std::string_view path);
  const Key* Find(std::string_view path) const;
  Key& Ensure(std::string_view path);
  void SetRaw(Key& key, std::string_view name, std::string raw_data);

  std::map<KeyId, Key> keys_;
};

}  // namespace dunra

#endif  // DUNRA_PLATFORM_REG_FILE_H_
