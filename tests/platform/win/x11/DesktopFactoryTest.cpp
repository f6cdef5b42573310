// The program's choice of backend: a display, or a clear message and exit
// status 1.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include "platform/win/x11/DesktopFactory.h"

namespace x11test {
namespace {

using ::testing::HasSubstr;

TEST(DesktopFactory, WithoutDisplayTheProgramSaysSoAndEndsWithStatus1) {
  unsetenv("DISPLAY");
  std::string error;
  EXPECT_EQ(win::OpenDesktop("wintest", error), nullptr);
  EXPECT_THAT(error, HasSubstr("DISPLAY is not set"));
  EXPECT_EXIT(win::OpenDesktopOrExit("wintest"), ::testing::ExitedWithCode(1),
              "wintest: no display to show windows on");
}

TEST(DesktopFactory, DisplayThatCannotBeOpenedIsNamed) {
  setenv("DISPLAY", ":4711", 1);
  std::string error;
  EXPECT_EQ(win::OpenDesktop("wintest", error), nullptr);
  EXPECT_THAT(error, HasSubstr("cannot open the X display \":4711\""));
}

}  // namespace
}  // namespace x11test
