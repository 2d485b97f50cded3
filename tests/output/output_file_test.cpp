#include "output/output_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "output/descriptor_stream.h"
#include "tests/file_size_limit.h"

namespace tarnwick {
namespace {

class OutputFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tarnwick-output-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

  std::string PathOf(const std::string& name) const { return dir_ + '/' + name; }

  void Put(const std::string& name, const std::string& bytes) const {
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    DIR* dir = opendir(dir_.c_str());
    while (const dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
    return names;
  }

  std::string dir_;
};

TEST_F(OutputFileTest, ReplacesAFileWholeAndKeepsItsPermissions) {
  Put("old.csv", "old contents that are longer than the new ones\n");
  ASSERT_EQ(chmod(PathOf("old.csv").c_str(), 0640), 0);
  std::string error;
  ASSERT_TRUE(WriteWholeFile(PathOf("old.csv"), "new\n", error)) << error;
  EXPECT_EQ(Read(PathOf("old.csv")), "new\n");
  struct stat status {};
  ASSERT_EQ(stat(PathOf("old.csv").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  EXPECT_EQ(Entries(), std::vector<std::string>{"old.csv"});
}

TEST_F(OutputFileTest, AFileSizeLimitKeepsTheEarlierFileAndSaysWhy) {
  const std::string good(100, 'g');
  Put("plot.svg", good);
  std::string error;
  bool written = true;
  {
    const test::FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.Active());
    written = WriteWholeFile(PathOf("plot.svg"), std::string(100000, 'n'), error);
  }

  EXPECT_FALSE(written);
  EXPECT_EQ(Read(PathOf("plot.svg")), good);
  EXPECT_EQ(Entries(), std::vector<std::string>{"plot.svg"});  // no part file left behind
  EXPECT_EQ(error, "cannot write \"" + PathOf("plot.svg") + "\": File too large");
}

TEST_F(OutputFileTest, RefusesWhatIsNotARegularFileAndLeavesItAsItIs) {
  ASSERT_EQ(mkfifo(PathOf("pipe.png").c_str(), 0600), 0);
  ASSERT_EQ(mkdir(PathOf("folder.png").c_str(), 0700), 0);
  // A device of our own, the same as /dev/null, so that a fault could only replace this one.
  const bool madeDevice = mknod(PathOf("null.png").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  std::vector<std::string> names = {"pipe.png", "folder.png"};
  if (madeDevice) names.push_back("null.png");
  for (const std::string& name : names) {
    struct stat before {
    }, after{};
    ASSERT_EQ(lstat(PathOf(name).c_str(), &before), 0);
    std::string error;
    EXPECT_FALSE(WriteWholeFile(PathOf(name), "picture", error)) << name;
    EXPECT_EQ(error.rfind("cannot write \"" + PathOf(name) + "\": it is ", 0), 0u) << error;
    EXPECT_EQ(OutputFileProblem(PathOf(name)), error);
    ASSERT_EQ(lstat(PathOf(name).c_str(), &after), 0);
    EXPECT_EQ(after.st_mode, before.st_mode) << name;
    EXPECT_EQ(after.st_ino, before.st_ino) << name;
  }
  // The system's own devices are only looked at.
  for (const char* device : {"/dev/null", "/dev/full"}) {
    EXPECT_NE(OutputFileProblem(device).find("not a regular file"), std::string::npos) << device;
  }
}

TEST_F(OutputFileTest, ALinkIsFollowedUnlessAnotherUserPlantedItInASharedFolder) {
  Put("real.png", "old");
  ASSERT_EQ(symlink("real.png", PathOf("mine.png").c_str()), 0);
  std::string error;
  ASSERT_TRUE(WriteWholeFile(PathOf("mine.png"), "new", error)) << error;
  EXPECT_EQ(Read(PathOf("real.png")), "new");
  struct stat link {};
  ASSERT_EQ(lstat(PathOf("mine.png").c_str(), &link), 0);
  EXPECT_TRUE(S_ISLNK(link.st_mode));  // still the user's link, to the replaced file

  // A shared sticky folder like /tmp, owned by one user, with a link owned by a third one: the
  // kernel's protected-symlinks rule would not follow it, and neither does the program. Making
  // files of other users needs root; as another user the rule is not reachable to test.
  if (geteuid() != 0) GTEST_SKIP() << "only root can make files that belong to other users";
  ASSERT_EQ(mkdir(PathOf("shared").c_str(), 0777), 0);
  ASSERT_EQ(chmod(PathOf("shared").c_str(), 01777), 0);
  ASSERT_EQ(chown(PathOf("shared").c_str(), 4001, 4001), 0);
  const std::string planted = PathOf("shared/plot.png");
  ASSERT_EQ(symlink(PathOf("real.png").c_str(), planted.c_str()), 0);
  ASSERT_EQ(lchown(planted.c_str(), 4002, 4002), 0);
  EXPECT_FALSE(WriteWholeFile(planted, "overwritten", error));
  EXPECT_NE(error.find("symbolic link in a shared folder"), std::string::npos) << error;
  EXPECT_EQ(Read(PathOf("real.png")), "new");
  // The folder's owner may place links there for others to follow.
  ASSERT_EQ(lchown(planted.c_str(), 4001, 4001), 0);
  EXPECT_TRUE(WriteWholeFile(planted, "theirs", error)) << error;
  EXPECT_EQ(Read(PathOf("real.png")), "theirs");
}

TEST_F(OutputFileTest, MissingFoldersAndEchoedNamesInOneLine) {
  std::string error;
  EXPECT_FALSE(WriteWholeFile(PathOf("no/such/a\nb.png"), "x", error));
  EXPECT_EQ(error,
            "cannot write \"" + PathOf("no/such/a\\x0ab.png") + "\": its folder does not exist");
  EXPECT_FALSE(WriteWholeFile("", "x", error));
  EXPECT_TRUE(Entries().empty());
}

TEST(DescriptorStream, AFullDeviceIsReportedWithItsReason) {
  const int fd = open("/dev/full", O_WRONLY | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  {
    DescriptorStreamBuffer buffer(fd);
    std::ostream out(&buffer);
    out << "value,jumper1_downrange_ft\n";
    EXPECT_EQ(OutputStreamProblem(out), "No space left on device");
  }
  close(fd);
  std::ostream none(nullptr);
  EXPECT_EQ(OutputStreamProblem(none), "the output was cut short");
}

}  // namespace
}  // namespace tarnwick
