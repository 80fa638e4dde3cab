#include "platform/file_registry_store.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include "platform/fake_file_system.h"
#include "platform/posix_file_system.h"
#include "platform/temp_folder.h"

namespace dunra {
namespace {

std::string Text(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

class FileRegistryStoreTest : public ::testing::Test {
 protected:
  std::string FileText() { return Text(dir_.Read("dunra/registry.reg")); }

  TempFolder dir_;
  PosixFileSystem real_;
  FakeFileSystem fs_{real_};
  FileRegistryStore store_{fs_, dir_ / "dunra/registry.reg"};
};

TEST_F(FileRegistryStoreTest, CreatesFolderFileKeysAndValues) {
  store_.SetRootKey(RegistryRoot::kClassesRoot);
  ASSERT_TRUE(store_.OpenKey("\\.dun", true));
  store_.WriteString("", "DUN_auto_file");
  ASSERT_TRUE(store_.OpenKey("\\DUN_auto_file\\shell\\open\\command", true));
  store_.WriteString("", "\"/bin/x\" \"%1\"");
  store_.CloseKey();
  EXPECT_EQ(FileText(),
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_CLASSES_ROOT\\.dun]\n@=\"DUN_auto_file\"\n\n"
            "[HKEY_CLASSES_ROOT\\DUN_auto_file]\n\n"
            "[HKEY_CLASSES_ROOT\\DUN_auto_file\\shell]\n\n"
            "[HKEY_CLASSES_ROOT\\DUN_auto_file\\shell\\open]\n\n"
            "[HKEY_CLASSES_ROOT\\DUN_auto_file\\shell\\open\\command]\n"
            "@=\"\\\"/bin/x\\\" \\\"%1\\\"\"\n\n");
  EXPECT_EQ(dir_.Names(), std::vector<std::string>{"dunra"});
}

TEST_F(FileRegistryStoreTest, OpensWithoutCreatingAndRelativeToTheCurrentKey) {
  store_.SetRootKey(RegistryRoot::kClassesRoot);
  EXPECT_FALSE(store_.OpenKey("\\a", false));
  EXPECT_FALSE(fs_.Exists(store_.file_path()));
  ASSERT_TRUE(store_.OpenKey("\\a", true));
  ASSERT_TRUE(store_.OpenKey("b", true));  // below a
  store_.WriteString("v", "1");
  ASSERT_TRUE(store_.OpenKey("\\A\\B", false));
  store_.WriteString("w", "2");
  const RegFile file = RegFile::Parse(FileText());
  EXPECT_EQ(file.GetString("HKEY_CLASSES_ROOT\\a\\b", "v"), "1");
  EXPECT_EQ(file.GetString("HKEY_CLASSES_ROOT\\a\\b", "w"), "2");
}

TEST_F(FileRegistryStoreTest, AFailedOpenLeavesNoKeyToWriteInto) {
  store_.SetRootKey(RegistryRoot::kClassesRoot);
  ASSERT_TRUE(store_.OpenKey("\\first", true));
  store_.WriteString("", "kept");
  const std::string before = FileText();
  EXPECT_FALSE(store_.OpenKey("\\bad\\\\path", true));
  EXPECT_THROW(store_.WriteString("", "meant for bad path"), RegistryError);
  EXPECT_FALSE(store_.OpenKey("\\missing", false));
  EXPECT_THROW(store_.WriteString("", "meant for missing"), RegistryError);
  EXPECT_EQ(FileText(), before);
}

TEST_F(FileRegistryStoreTest, WritingWithoutAnOpenKeyIsRefusedWithTheMessage) {
  store_.SetRootKey(RegistryRoot::kClassesRoot);
  try {
    store_.WriteString("", "x");
    FAIL() << "write accepted";
  } catch (const RegistryError& error) {
    EXPECT_STREQ(error.what(), "'' の設定に失敗しました");
  }
}

TEST_F(FileRegistryStoreTest, AnUnparseableFileIsAFailureAndStaysUntouched) {
  const std::string garbage = "not an export\n[HKEY_CLASSES_ROOT\\.dun]\n";
  ASSERT_EQ(::mkdir((dir_ / "dunra").c_str(), 0700), 0);
  dir_.Write("dunra/registry.reg", garbage);
  store_.SetRootKey(RegistryRoot::kClassesRoot);
  EXPECT_FALSE(store_.OpenKey("\\.dun", true));
  EXPECT_NE(store_.last_failure().find("not a registry export"), std::string::npos);
  EXPECT_THROW(store_.WriteString("", "DUN_auto_file"), RegistryError);
  EXPECT_EQ(FileText(), garbage);
}

TEST_F(FileRegistryStoreTest, AStoreThatCannotBeWrittenRefusesAndKeepsTheOldFile) {
  store_.SetRootKey(RegistryRoot::kClassesRoot);
  ASSERT_TRUE(store_.OpenKey("\\.dun", true));
  store_.WriteString("", "old");
  const std::string before = FileText();
  for (FaultStep step : {FaultStep::kCreate, FaultStep::kShortWrite, FaultStep::kSync,
                         FaultStep::kClose, FaultStep::kRename}) {
    SCOPED_TRACE(FaultStepName(step));
    fs_.FailAt(step, 0, EIO);
    EXPECT_THROW(store_.WriteString("", "new"), RegistryError);
    EXPECT_EQ(FileText(), before);
    EXPECT_EQ(dir_.Names(), std::vector<std::string>{"dunra"});
  }
  // A failed key creation is a failed open.
  fs_.FailAt(FaultStep::kRename, 0, EIO);
  EXPECT_FALSE(store_.OpenKey("\\other", true));
  EXPECT_THROW(store_.WriteString("", "x"), RegistryError);
  EXPECT_EQ(FileText(), before);
}

TEST_F(FileRegistryStoreTest, AFolderInTheWayOfTheStoreIsAFailure) {
  dir_.Write("dunra", "a file where the folder belongs");
  store_.SetRootKey(RegistryRoot::kClassesRoot);
  EXPECT_FALSE(store_.OpenKey("\\.dun", true));
  EXPECT_THROW(store_.WriteString("", "DUN_auto_file"), RegistryError);
}

TEST(ResolveKeyPathTest, AnchorsAtRootOrCurrentKeyAndRefusesEmptyParts) {
  const std::optional<std::string> none;
  const std::optional<std::string> current = "HKEY_CLASSES_ROOT\\a";
  const auto root = RegistryRoot::kClassesRoot;
  EXPECT_EQ(ResolveKeyPath(root, none, "\\.dun"), "HKEY_CLASSES_ROOT\\.dun");
  EXPECT_EQ(ResolveKeyPath(root, current, "\\x\\y"), "HKEY_CLASSES_ROOT\\x\\y");
  EXPECT_EQ(ResolveKeyPath(root, current, "b"), "HKEY_CLASSES_ROOT\\a\\b");
  EXPECT_EQ(ResolveKeyPath(root, none, "b"), "HKEY_CLASSES_ROOT\\b");
  EXPECT_EQ(ResolveKeyPath(RegistryRoot::kCurrentUser, none, "\\S"), "HKEY_CURRENT_USER\\S");
  for (const char* bad : {"", "\\", "\\a\\", "\\a\\\\b", "\\\\a"}) {
    EXPECT_EQ(ResolveKeyPath(root, current, bad), std::nullopt) << bad;
  }
}

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedEnv() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(DefaultRegistryFilePathTest, FollowsXdgDataHomeThenHome) {
  ScopedEnv home("HOME", "/home/someone");
  {
    ScopedEnv data("XDG_DATA_HOME", "/data/");
    EXPECT_EQ(DefaultRegistryFilePath(), "/data/dunra/registry.reg");
  }
  for (const char* ignored : {"", "relative/data"}) {
    ScopedEnv data("XDG_DATA_HOME", ignored);
    EXPECT_EQ(DefaultRegistryFilePath(), "/home/someone/.local/share/dunra/registry.reg");
  }
  ScopedEnv data("XDG_DATA_HOME", nullptr);
  EXPECT_EQ(DefaultRegistryFilePath(), "/home/someone/.local/share/dunra/registry.reg");
}

}  // namespace
}  // namespace dunra
