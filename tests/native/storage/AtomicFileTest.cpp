#include "storage/AtomicFile.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/FakePlatform.h"

namespace tarnwick {
namespace {

using Step = fakes::FakeFileSystem::Step;

const std::string kPath = "C:\\Tools\\Tarnwick.ini";

TEST(AtomicFile, ReplacesTheFileAndLeavesNothingBehind) {
  fakes::FakeFileSystem files;
  files.files[kPath] = "old";
  const std::string big(200 * 1024, 'x');  // several chunks
  ASSERT_TRUE(WriteFileAtomically(files, kPath, big));
  EXPECT_EQ(files.files[kPath], big);
  EXPECT_EQ(files.files.size(), 1u);
  EXPECT_EQ(files.OpenHandles(), 0u);
}

TEST(AtomicFile, CreatesAMissingFileAndWritesAnEmptyOne) {
  fakes::FakeFileSystem files;
  ASSERT_TRUE(WriteFileAtomically(files, kPath, ""));
  EXPECT_EQ(files.files.at(kPath), "");
}

TEST(AtomicFile, AFailureAtAnyStepKeepsTheOldFileExactly) {
  struct Case {
    const char* name;
    Step step;
    int writeNumber;
  };
  const Case cases[] = {
      {"create", Step::Create, 1}, {"first write", Step::Write, 1}, {"third write", Step::Write, 3},
      {"flush", Step::Flush, 1},   {"close", Step::Close, 1},       {"replace", Step::Replace, 1},
  };
  const std::string big(200 * 1024, 'n');
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fakes::FakeFileSystem files;
    files.files[kPath] = "old contents";
    files.failStep = c.step;
    files.failOnWriteNumber = c.writeNumber;
    EXPECT_FALSE(WriteFileAtomically(files, kPath, big));
    EXPECT_EQ(files.files[kPath], "old contents");
    EXPECT_EQ(files.files.size(), 1u) << "the temporary file was left behind";
    EXPECT_EQ(files.OpenHandles(), 0u);
  }
}

}  // namespace
}  // namespace tarnwick
