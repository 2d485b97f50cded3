// The one read of a file a user names: regular files up to a limit, nothing else, never waiting.
#include "output/input_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace tarnwick {
namespace {

class InputFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tarnwick-input-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
  std::string PathOf(const std::string& name) const { return dir_ + '/' + name; }

  std::string dir_;
};

TEST_F(InputFileTest, ReadsARegularFileUpToTheLimitCountedWhileReading) {
  const std::string bytes(100, 'x');
  std::ofstream(PathOf("f"), std::ios::binary) << bytes;
  EXPECT_EQ(ReadInputFile(PathOf("f"), 100).bytes, bytes);
  EXPECT_EQ(ReadInputFile(PathOf("f"), 99).problem, "is larger than 99 bytes");
  std::ofstream(PathOf("empty"), std::ios::binary).flush();
  EXPECT_EQ(ReadInputFile(PathOf("empty"), 99).bytes, "");
  // A device reports no size; its bytes never end. It is not even opened.
  EXPECT_EQ(ReadInputFile("/dev/zero", 4096).problem, "is not a regular file but a device");
  EXPECT_EQ(ByteCountText(4 * 1024 * 1024), "4 MiB");
  EXPECT_EQ(ByteCountText(16 * 1024), "16 KiB");
}

TEST_F(InputFileTest, RefusesAFolderAFifoAndAMissingFileInOneLine) {
  EXPECT_EQ(ReadInputFile(dir_, 4096).problem, "is a folder");
  // A FIFO without a writer would block a plain open until one comes.
  ASSERT_EQ(mkfifo(PathOf("fifo").c_str(), 0600), 0);
  EXPECT_EQ(ReadInputFile(PathOf("fifo"), 4096).problem, "is not a regular file but a FIFO");
  EXPECT_EQ(ReadInputFile(PathOf("missing"), 4096).problem, "No such file or directory");
  EXPECT_EQ(ReadInputFile("", 4096).problem, "no file name was given");
  EXPECT_FALSE(ReadInputFile(dir_, 4096).bytes);
}

}  // namespace
}  // namespace tarnwick
