#include "app/registration.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>

#include "platform/fake_registry_store.h"
#include "platform/file_registry_store.h"
#include "platform/posix_file_system.h"
#include "platform/temp_folder.h"

namespace dunra {
namespace {

const std::string kRoot = "HKEY_CLASSES_ROOT\\";

std::string Text(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

class RegistrationTest : public ::testing::Test {
 protected:
  std::string StoreText() { return Text(dir_.Read("dunra/registry.reg")); }
  RegFile Store() { return RegFile::Parse(StoreText()); }

  TempFolder dir_;
  PosixFileSystem fs_;
  FileRegistryStore store_{fs_, dir_ / "dunra/registry.reg"};
};

TEST_F(RegistrationTest, ACleanStoreGetsTheSixKeysAndFourValues) {
  WriteFileTypeRegistration(store_, "/opt/dunra/bin/dunra");
  const RegFile file = Store();
  const std::vector<std::string> keys = {
      kRoot + ".dun",
      kRoot + "DUN_auto_file",
      kRoot + "DUN_auto_file\\DefaultIcon",
      kRoot + "DUN_auto_file\\shell",
      kRoot + "DUN_auto_file\\shell\\open",
      kRoot + "DUN_auto_file\\shell\\open\\command",
  };
  EXPECT_EQ(file.KeyPaths(), keys);
  const std::map<std::string, std::string> values = {
      {kRoot + ".dun", "DUN_auto_file"},
      {kRoot + "DUN_auto_file", "Dunra圧縮ﾌｧｲﾙ"},
      {kRoot + "DUN_auto_file\\shell\\open\\command", "\"/opt/dunra/bin/dunra\" \"%1\""},
      {kRoot + "DUN_auto_file\\DefaultIcon", "/opt/dunra/bin/dun.ico,0"},
  };
  for (const std::string& key : keys) {
    const auto value = values.find(key);
    if (value == values.end()) {
      EXPECT_TRUE(file.ValueNames(key).empty()) << key;
    } else {
      EXPECT_EQ(file.ValueNames(key), std::vector<std::string>{""}) << key;
      EXPECT_EQ(file.GetString(key, ""), value->second) << key;
    }
  }
}

TEST_F(RegistrationTest, ASecondStartChangesNothing) {
  WriteFileTypeRegistration(store_, "/opt/dunra/bin/dunra");
  const std::string first = StoreText();
  FileRegistryStore again(fs_, dir_ / "dunra/registry.reg");
  WriteFileTypeRegistration(again, "/opt/dunra/bin/dunra");
  EXPECT_EQ(StoreText(), first);
}

TEST_F(RegistrationTest, ForeignEntriesSurviveAndOurKeysAreOverwritten) {
  ASSERT_EQ(::mkdir((dir_ / "dunra").c_str(), 0700), 0);
  dir_.Write("dunra/registry.reg",
             "Windows Registry Editor Version 5.00\r\n\r\n"
             "[HKEY_CLASSES_ROOT\\.dun]\r\n"
             "@=\"OtherApp.Document\"\r\n"
             "\"Content Type\"=\"application/x-other\"\r\n\r\n"
             "[HKEY_CLASSES_ROOT\\DUN_auto_file]\r\n"
             "@=\"an edited description\"\r\n"
             "\"EditFlags\"=dword:00010000\r\n\r\n"
             "[HKEY_CLASSES_ROOT\\DUN_auto_file\\shell\\print\\command]\r\n"
             "@=\"lpr \\\"%1\\\"\"\r\n\r\n"
             "[HKEY_CLASSES_ROOT\\OtherApp.Document]\r\n"
             "@=\"Other document\"\r\n");
  WriteFileTypeRegistration(store_, "/opt/dunra/bin/dunra");
  const RegFile file = Store();
  EXPECT_EQ(file.GetString(kRoot + ".dun", ""), "DUN_auto_file");
  EXPECT_EQ(file.GetString(kRoot + ".dun", "Content Type"), "application/x-other");
  EXPECT_EQ(file.GetString(kRoot + "DUN_auto_file", ""), "Dunra圧縮ﾌｧｲﾙ");
  EXPECT_EQ(file.ValueNames(kRoot + "DUN_auto_file"),
            (std::vector<std::string>{"", "EditFlags"}));
  EXPECT_EQ(file.GetString(kRoot + "DUN_auto_file\\shell\\print\\command", ""), "lpr \"%1\"");
  EXPECT_EQ(file.GetString(kRoot + "OtherApp.Document", ""), "Other document");
  EXPECT_EQ(file.GetString(kRoot + "DUN_auto_file\\shell\\open\\command", ""),
            "\"/opt/dunra/bin/dunra\" \"%1\"");
}

TEST(RegistrationValuesTest, TheProgramPathStaysWholeInsideTheQuotes) {
  struct Case {
    std::string program, command, icon;
  };
  const Case cases[] = {
      {"/opt/my tools/dunra", "\"/opt/my tools/dunra\" \"%1\"", "/opt/my tools/dun.ico,0"},
      {"/dunra", "\"/dunra\" \"%1\"", "/dun.ico,0"},
      {"/home/u/ダウンロード/dunra", "\"/home/u/ダウンロード/dunra\" \"%1\"",
       "/home/u/ダウンロード/dun.ico,0"},
  };
  for (const Case& c : cases) {
    FakeRegistryStore store;
    WriteFileTypeRegistration(store, c.program);
    EXPECT_EQ(store.keys[kRoot + "DUN_auto_file\\shell\\open\\command"][""], c.command);
    EXPECT_EQ(store.keys[kRoot + "DUN_auto_file\\DefaultIcon"][""], c.icon);
  }
}

TEST(RegistrationSequenceTest, WritesTheFourValuesInOrderAndClosesTheLastKey) {
  FakeRegistryStore store;
  WriteFileTypeRegistration(store, "/bin/dunra");
  const std::vector<std::string> expected = {
      "root HKEY_CLASSES_ROOT",
      "open \\.dun",
      "write HKEY_CLASSES_ROOT\\.dun =DUN_auto_file",
      "open \\DUN_auto_file",
      "write HKEY_CLASSES_ROOT\\DUN_auto_file =Dunra圧縮ﾌｧｲﾙ",
      "open \\DUN_auto_file\\shell\\open\\command",
      "write HKEY_CLASSES_ROOT\\DUN_auto_file\\shell\\open\\command =\"/bin/dunra\" \"%1\"",
      "open \\DUN_auto_file\\DefaultIcon",
      "write HKEY_CLASSES_ROOT\\DUN_auto_file\\DefaultIcon =/bin/dun.ico,0",
      "close",
  };
  EXPECT_EQ(store.calls, expected);
}

void ExpectRegistrationError(RegistryStore& store) {
  try {
    WriteFileTypeRegistration(store, "/bin/dunra");
    ADD_FAILURE() << "no error";
  } catch (const RegistryError& error) {
    EXPECT_STREQ(error.what(), "'' の設定に失敗しました");
  }
}

TEST(RegistrationSequenceTest, AFailedOpenWritesNothingIntoTheKeyOpenedBefore) {
  FakeRegistryStore store;
  store.failing_keys = {kRoot + "DUN_auto_file"};
  ExpectRegistrationError(store);
  // The description never reaches ".dun"; nothing after it is written.
  EXPECT_EQ(store.keys[kRoot + ".dun"], (std::map<std::string, std::string>{
                                            {"", "DUN_auto_file"}}));
  EXPECT_EQ(store.keys.count(kRoot + "DUN_auto_file\\DefaultIcon"), 0u);
  EXPECT_EQ(store.calls.back(), "close");
  EXPECT_EQ(store.calls[store.calls.size() - 2], "refused");
}

TEST(RegistrationSequenceTest, ARefusedWriteStopsTheSequenceAndKeepsEarlierValues) {
  for (int allowed : {0, 1, 2, 3}) {
    SCOPED_TRACE(allowed);
    FakeRegistryStore store;
    store.writes_before_refusal = allowed;
    ExpectRegistrationError(store);
    int written = 0;
    for (const auto& [key, values] : store.keys) written += static_cast<int>(values.size());
    EXPECT_EQ(written, allowed);
  }
}

}  // namespace
}  // namespace dunra
