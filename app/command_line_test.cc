#include "app/command_line.h"

#include <gtest/gtest.h>

namespace dunra {
namespace {

TEST(CommandLineTest, OnlyExactlyOneArgumentIsDispatched) {
  struct Case {
    std::vector<const char*> argv;
    std::optional<std::string> dispatched;
  };
  const Case cases[] = {
      {{"dunra"}, std::nullopt},
      {{"dunra", "a b.txt"}, "a b.txt"},
      {{"dunra", "a", "b.txt"}, std::nullopt},  // a path with spaces, unquoted
      {{"dunra", "a", "b", "c"}, std::nullopt},
      {{"dunra", "", "a.dun"}, "a.dun"},  // an empty argument does not count
      {{"dunra", ""}, std::nullopt},
  };
  for (const Case& c : cases) {
    const auto arguments =
        ProgramArguments(static_cast<int>(c.argv.size()), c.argv.data());
    EXPECT_EQ(SingleArgument(arguments), c.dispatched) << c.argv.size();
  }
}

}  // namespace
}  // namespace dunra
