#include "runtime/numbered_files.h"

#include <gtest/gtest.h>

#include <functional>

#include "runtime/run_error.h"
#include "support/temp_folder.h"

namespace rt {
namespace {

// The number of the RunError that `action` throws, or 0 when it throws none.
int ErrorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const RunError& error) {
    return error.number;
  }
  return 0;
}

class NumberedFilesTest : public ::testing::Test {
 protected:
  // The table is the whole program's: leave no number open for the next test.
  void TearDown() override {
    for (int number = 1; number <= 511; ++number) {
      try {
        Close(number);
      } catch (const RunError&) {
      }
    }
  }

  test::TempFolder folder_;
};

TEST_F(NumberedFilesTest, FreeFileGivesTheLowestNumberNotInUse) {
  EXPECT_EQ(FreeFile(), 1);
  OpenForOutput(folder_.File(L"a"), 1);
  OpenForOutput(folder_.File(L"b"), 3);
  EXPECT_EQ(FreeFile(), 2);
  OpenForOutput(folder_.File(L"c"), 2);
  EXPECT_EQ(FreeFile(), 4);
  Close(1);
  EXPECT_EQ(FreeFile(), 1);
}

TEST_F(NumberedFilesTest, FreeFileFailsWhenAllNumbersAreInUse) {
  for (int number = 1; number <= 255; ++number) {
    OpenForOutput(folder_.File(L"out" + std::to_wstring(number)), number);
  }
  EXPECT_EQ(ErrorNumberOf([] { FreeFile(); }), kTooManyFiles);
}

TEST_F(NumberedFilesTest, OutputReachesTheFileOnlyAtCloseInOrder) {
  folder_.Write("out", "old contents");
  OpenForOutput(folder_.File(L"out"), 1);
  EXPECT_EQ(folder_.Read("out"), "");  // emptied by the open
  WriteRecordLines(1, "\"a,b\",#TRUE#\r\n");
  WriteRecordLines(1, "\"c\",#FALSE#\r\n");
  EXPECT_EQ(folder_.Read("out"), "");
  Close(1);
  EXPECT_EQ(folder_.Read("out"), "\"a,b\",#TRUE#\r\n\"c\",#FALSE#\r\n");
}

TEST_F(NumberedFilesTest, OutputCreatesAMissingFile) {
  OpenForOutput(folder_.File(L"new-output"), 1);
  EXPECT_TRUE(folder_.Exists("new-output"));
  Close(1);
  EXPECT_EQ(folder_.Read("new-output"), "");
}

TEST_F(NumberedFilesTest, OpenFailureCarriesThePathAndTheSystemReason) {
  try {
    OpenForOutput(folder_.File(L"no-such-folder\\out"), 1);
    FAIL() << "opened a file in a missing folder";
  } catch (const RunError& error) {
    EXPECT_NE(error.description.find(L"no-such-folder"), std::wstring::npos);
    EXPECT_NE(error.description.find(L"No such file or directory"), std::wstring::npos)
        << std::string(error.description.begin(), error.description.end());
  }
  EXPECT_EQ(FreeFile(), 1);
}

TEST_F(NumberedFilesTest, NumbersOutOfRangeOrNotOpenAreBad) {
  const std::wstring path = folder_.File(L"f");
  EXPECT_EQ(ErrorNumberOf([&] { OpenForOutput(path, 0); }), kBadFileNameOrNumber);
  EXPECT_EQ(ErrorNumberOf([&] { OpenForOutput(path, 512); }), kBadFileNameOrNumber);
  EXPECT_EQ(ErrorNumberOf([&] { OpenForOutput(path, 511); }), 0);
  EXPECT_EQ(ErrorNumberOf([] { WriteRecordLines(5, "x\r\n"); }), kBadFileNameOrNumber);
}

TEST_F(NumberedFilesTest, OpeningANumberInUseFails) {
  OpenForOutput(folder_.File(L"a"), 1);
  EXPECT_EQ(ErrorNumberOf([&] { OpenForOutput(folder_.File(L"b"), 1); }), kFileAlreadyOpen);
  EXPECT_FALSE(folder_.Exists("b"));
}

TEST_F(NumberedFilesTest, ClosingANumberNotOpenIsIgnored) {
  EXPECT_EQ(ErrorNumberOf([] { Close(9); }), 0);
  OpenForOutput(folder_.File(L"a"), 9);
  Close(9);
  EXPECT_EQ(ErrorNumberOf([] { Close(9); }), 0);
}

TEST_F(NumberedFilesTest, AFailedCloseThrowsAndStillFreesTheNumber) {
  std::filesystem::create_directory(folder_.Native("sub"));
  OpenForOutput(folder_.File(L"sub\\out"), 1);
  WriteRecordLines(1, "\"a\",#TRUE#\r\n");
  std::filesystem::remove_all(folder_.Native("sub"));
  EXPECT_NE(ErrorNumberOf([] { Close(1); }), 0);
  EXPECT_EQ(FreeFile(), 1);
}

}  // namespace
}  // namespace rt
