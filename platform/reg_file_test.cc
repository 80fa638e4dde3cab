#include "platform/reg_file.h"

#include <gtest/gtest.h>

namespace dunra {
namespace {

// Another program's entries in every form an export holds them.
const char kForeignExport[] =
    "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
    "\r\n"
    "; written by hand\r\n"
    "[HKEY_CLASSES_ROOT\\.DUN]\r\n"
    "@=\"OtherApp.Document\"\r\n"
    "\"Content Type\"=\"application/x-other\"\r\n"
    "\r\n"
    "[HKEY_CLASSES_ROOT\\OtherApp.Document\\shell\\print\\command]\r\n"
    "@=\"\\\"C:\\\\Other\\\\other.exe\\\" /p \\\"%1\\\"\"\r\n"
    "\"Flags\"=dword:0000002a\r\n"
    "\"Blob\"=hex:01,02,03,\\\r\n"
    "  04,05\r\n"
    "\"Path\"=hex(2):25,00,41,00,00,00\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
    "\"Empty\"=hex:\r\n";

TEST(RegFileTest, RewritingKeepsForeignKeysAndValuesAndOverwritesOnlyItsOwn) {
  RegFile file = RegFile::Parse(kForeignExport);
  file.SetString("HKEY_CLASSES_ROOT\\.dun", "", "DUN_auto_file");
  file.CreateKey("HKEY_CLASSES_ROOT\\DUN_auto_file\\shell\\open\\command");
  file.SetString("HKEY_CLASSES_ROOT\\DUN_auto_file\\shell\\open\\command", "",
                 "\"/opt/my tools/dunra\" \"%1\"");
  const std::string expected =
      "Windows Registry Editor Version 5.00\n"
      "\n"
      "[HKEY_CLASSES_ROOT\\.DUN]\n"
      "@=\"DUN_auto_file\"\n"
      "\"Content Type\"=\"application/x-other\"\n"
      "\n"
      "[HKEY_CLASSES_ROOT\\DUN_auto_file]\n"
      "\n"
      "[HKEY_CLASSES_ROOT\\DUN_auto_file\\shell]\n"
      "\n"
      "[HKEY_CLASSES_ROOT\\DUN_auto_file\\shell\\open]\n"
      "\n"
      "[HKEY_CLASSES_ROOT\\DUN_auto_file\\shell\\open\\command]\n"
      "@=\"\\\"/opt/my tools/dunra\\\" \\\"%1\\\"\"\n"
      "\n"
      "[HKEY_CLASSES_ROOT\\OtherApp.Document]\n"
      "\n"
      "[HKEY_CLASSES_ROOT\\OtherApp.Document\\shell]\n"
      "\n"
      "[HKEY_CLASSES_ROOT\\OtherApp.Document\\shell\\print]\n"
      "\n"
      "[HKEY_CLASSES_ROOT\\OtherApp.Document\\shell\\print\\command]\n"
      "@=\"\\\"C:\\\\Other\\\\other.exe\\\" /p \\\"%1\\\"\"\n"
      "\"Flags\"=dword:0000002a\n"
      "\"Blob\"=hex:01,02,03,\\\n"
      "  04,05\n"
      "\"Path\"=hex(2):25,00,41,00,00,00\n"
      "\n"
      "[HKEY_CURRENT_USER\\Software]\n"
      "\n"
      "[HKEY_CURRENT_USER\\Software\\Other]\n"
      "\"Empty\"=hex:\n"
      "\n";
  EXPECT_EQ(file.Format(), expected);
  // And what it wrote reads back to the same.
  EXPECT_EQ(RegFile::Parse(expected).Format(), expected);
  EXPECT_EQ(file.GetString("HKEY_CLASSES_ROOT\\OtherApp.Document\\shell\\print\\command", ""),
            "\"C:\\Other\\other.exe\" /p \"%1\"");
}

TEST(RegFileTest, RefusesWhatItCannotRead) {
  const std::string header = "Windows Registry Editor Version 5.00\n\n";
  const std::string cases[] = {
      "",
      "\n\n",
      "REGEDIT4\n\n[HKEY_CLASSES_ROOT\\.dun]\n@=\"x\"\n",
      "[HKEY_CLASSES_ROOT\\.dun]\n",
      header + "@=\"value before any key\"\n",
      header + "[-HKEY_CLASSES_ROOT\\.dun]\n",
      header + "[HKEY_CLASSES_ROOT\\.dun]\n\"name\"=-\n",
      header + "[HKEY_CLASSES_ROOT\\.dun\n",
      header + "[HKEY_CLASSES_ROOT\\\\.dun]\n",
      header + "[]\n",
      header + "[HKEY_CLASSES_ROOT\\.dun]\n@=\"unclosed\n",
      header + "[HKEY_CLASSES_ROOT\\.dun]\n@=\"a\"b\"\n",
      header + "[HKEY_CLASSES_ROOT\\.dun]\n@\"x\"\n",
      header + "[HKEY_CLASSES_ROOT\\.dun]\nname=\"x\"\n",
      header + "[HKEY_CLASSES_ROOT\\.dun]\n\"n\"=dword:123456789\n",
      header + "[HKEY_CLASSES_ROOT\\.dun]\n\"n\"=dword:xyz\n",
      header + "[HKEY_CLASSES_ROOT\\.dun]\n\"n\"=hex:1,2\n",
      header + "[HKEY_CLASSES_ROOT\\.dun]\n\"n\"=hex(z):00\n",
      header + "[HKEY_CLASSES_ROOT\\.dun]\n\"n\"=hex:00,\\\n",
      header + "[HKEY_CLASSES_ROOT\\.dun]\n\"n\"=qword:0\n",
      header + "garbage\n",
  };
  for (const std::string& text : cases) {
    EXPECT_THROW(RegFile::Parse(text), RegFileParseError) << text;
  }
}

TEST(RegFileTest, KeyAndValueNamesIgnoreAsciiCaseAndKeepTheirFirstSpelling) {
  RegFile file = RegFile::Parse(
      "Windows Registry Editor Version 5.00\n\n"
      "[HKEY_CLASSES_ROOT\\Dun_Auto_File]\n\"X\"=\"1\"\n");
  EXPECT_TRUE(file.HasKey("hkey_classes_root\\DUN_AUTO_FILE"));
  file.SetString("HKEY_CLASSES_ROOT\\DUN_auto_file", "x", "2");
  EXPECT_EQ(file.KeyPaths(), std::vector<std::string>{"HKEY_CLASSES_ROOT\\Dun_Auto_File"});
  EXPECT_EQ(file.ValueNames("HKEY_CLASSES_ROOT\\Dun_Auto_File"),
            std::vector<std::string>{"X"});
  EXPECT_EQ(file.GetString("HKEY_CLASSES_ROOT\\Dun_Auto_File", "X"), "2");
}

TEST(RegFileTest, StringsSurviveTheRoundTrip) {
  const std::string cases[] = {
      "Dunra圧縮ﾌｧｲﾙ",
      "\"/path with \\\"quotes\\\" and \\\\/dunra\" \"%1\"",
      "",
      "trailing spaces   ",
      "; not a comment",
  };
  for (const std::string& data : cases) {
    RegFile file;
    file.SetString("HKEY_CLASSES_ROOT\\k", "v", data);
    const RegFile back = RegFile::Parse(file.Format());
    EXPECT_EQ(back.GetString("HKEY_CLASSES_ROOT\\k", "v"), data) << file.Format();
  }
}

TEST(RegFileTest, ControlCharactersAreWrittenAsUtf16Bytes) {
  RegFile file;
  file.SetString("HKEY_CLASSES_ROOT\\k", "", "a\nб😀");
  const std::string text = file.Format();
  EXPECT_NE(text.find("@=hex(1):61,00,0a,00,31,04,3d,d8,00,de,00,00\n"), std::string::npos)
      << text;
  EXPECT_EQ(RegFile::Parse(text).Format(), text);
}

}  // namespace
}  // namespace dunra
