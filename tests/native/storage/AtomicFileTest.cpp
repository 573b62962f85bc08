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

// Whatever step fails, the path holds the complete old file (or still nothing), never a part
// of the new one, and nothing else is left behind. The failure names who refused and why: the
// folder when no new file could be made in it, else the file.
TEST(AtomicFile, AFailureAtAnyStepLeavesTheOldFileOrNoneAndSaysWhy) {
  struct Case {
    const char* name;
    Step step;
    int writeNumber;
    const char* refused;
    const char* reason;
  };
  const Case cases[] = {
      {"create", Step::Create, 1, "C:\\Tools", "Access is denied."},
      {"first write", Step::Write, 1, "C:\\Tools\\Tarnwick.ini", "There is not enough space on the disk."},
      {"third write", Step::Write, 3, "C:\\Tools\\Tarnwick.ini", "There is not enough space on the disk."},
      {"last write", Step::Write, 4, "C:\\Tools\\Tarnwick.ini", "There is not enough space on the disk."},
      {"flush", Step::Flush, 1, "C:\\Tools\\Tarnwick.ini", "The request could not be performed because of an I/O device error."},
      {"close", Step::Close, 1, "C:\\Tools\\Tarnwick.ini", "The request could not be performed because of an I/O device error."},
      {"replace", Step::Replace, 1, "C:\\Tools\\Tarnwick.ini", "The file is read-only."},
  };
  const std::string big(200 * 1024, 'n');  // four chunks
  for (const Case& c : cases) {
    for (const bool existed : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (existed ? ", file existed" : ", no file before"));
      fakes::FakeFileSystem files;
      if (existed) files.files[kPath] = "old contents";
      files.failStep = c.step;
      files.failOnWriteNumber = c.writeNumber;
      const WriteResult result = WriteFileAtomically(files, kPath, big);
      EXPECT_FALSE(result);
      EXPECT_EQ(result.path, c.refused);
      EXPECT_EQ(result.reason, c.reason);
      if (existed) {
        EXPECT_EQ(files.files[kPath], "old contents");
      } else {
        EXPECT_FALSE(files.FileExists(kPath));
      }
      EXPECT_EQ(files.files.size(), existed ? 1u : 0u) << "the temporary file was left behind";
      EXPECT_EQ(files.OpenHandles(), 0u);
    }
  }
}

}  // namespace
}  // namespace tarnwick
