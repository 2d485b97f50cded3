// The pictures draw with Qt, which needs the application object that the program's main()
// makes for the picture-writing modes; this test program makes its own, offscreen, before any
// test runs.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace {

class OffscreenApplication : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "planner_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new OffscreenApplication);

}  // namespace
