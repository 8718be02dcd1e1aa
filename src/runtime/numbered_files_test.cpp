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
  Open(folder_.File(L"a"), OpenMode::kOutput, 1);
  Open(folder_.File(L"b"), OpenMode::kOutput, 3);
  EXPECT_EQ(FreeFile(), 2);
  Open(folder_.File(L"c"), OpenMode::kOutput, 2);
  EXPECT_EQ(FreeFile(), 4);
  Close(1);
  EXPECT_EQ(FreeFile(), 1);
}

TEST_F(NumberedFilesTest, FreeFileFailsWhenAllNumbersAreInUse) {
  folder_.Write("in", "");
  for (int number = 1; number <= 255; ++number) Open(folder_.File(L"in"), OpenMode::kInput, number);
  EXPECT_EQ(ErrorNumberOf([] { FreeFile(); }), kTooManyFiles);
}

TEST_F(NumberedFilesTest, OutputReachesTheFileOnlyAtCloseInOrder) {
  folder_.Write("out", "old contents");
  Open(folder_.File(L"out"), OpenMode::kOutput, 1);
  EXPECT_EQ(folder_.Read("out"), "");  // emptied by the open
  WriteRecord(1, {StringField("a,b"), BooleanField(true)});
  WriteRecordLines(1, "\"c\",#FALSE#\r\n");
  WriteRecord(1, {StringField("<HTML> <\\HTML>")});
  EXPECT_EQ(folder_.Read("out"), "");
  Close(1);
  EXPECT_EQ(folder_.Read("out"), "\"a,b\",#TRUE#\r\n\"c\",#FALSE#\r\n\"<HTML> <\\HTML>\"\r\n");
}

TEST_F(NumberedFilesTest, OutputAndAppendCreateAMissingFile) {
  Open(folder_.File(L"new-output"), OpenMode::kOutput, 1);
  Open(folder_.File(L"new-append"), OpenMode::kAppend, 2);
  EXPECT_TRUE(folder_.Exists("new-output"));
  EXPECT_TRUE(folder_.Exists("new-append"));
  Close(1);
  Close(2);
  EXPECT_EQ(folder_.Read("new-output"), "");
  EXPECT_EQ(folder_.Read("new-append"), "");
}

TEST_F(NumberedFilesTest, AppendWritesAfterWhatTheFileHolds) {
  folder_.Write("log", "\"first\",#TRUE#\r\n");
  Open(folder_.File(L"log"), OpenMode::kAppend, 1);
  WriteRecord(1, {StringField("second"), BooleanField(false)});
  Close(1);
  EXPECT_EQ(folder_.Read("log"), "\"first\",#TRUE#\r\n\"second\",#FALSE#\r\n");
}

TEST_F(NumberedFilesTest, InputReadsRecordsUntilEndOfFile) {
  folder_.Write("in", "\"a\",#TRUE#\r\n\"b\",#FALSE#\r\n\r\n");
  Open(folder_.File(L"in"), OpenMode::kInput, 7);
  std::string text;
  bool flag = false;
  ASSERT_FALSE(EndOfFile(7));
  InputTextAndFlag(7, text, flag);
  EXPECT_EQ(text, "a");
  EXPECT_TRUE(flag);
  ASSERT_FALSE(EndOfFile(7));
  InputTextAndFlag(7, text, flag);
  EXPECT_EQ(text, "b");
  EXPECT_FALSE(flag);
  EXPECT_TRUE(EndOfFile(7));
  EXPECT_EQ(ErrorNumberOf([&] { InputTextAndFlag(7, text, flag); }), kInputPastEndOfFile);
}

TEST_F(NumberedFilesTest, InputOfAnUnreadableRecordIsATypeMismatch) {
  folder_.Write("in", "\"a\",#MAYBE#\r\n");
  Open(folder_.File(L"in"), OpenMode::kInput, 1);
  std::string text;
  bool flag = false;
  EXPECT_EQ(ErrorNumberOf([&] { InputTextAndFlag(1, text, flag); }), kTypeMismatch);
}

TEST_F(NumberedFilesTest, InputIsReadWholeAtOpen) {
  folder_.Write("in", "\"a\",#TRUE#\r\n");
  Open(folder_.File(L"in"), OpenMode::kInput, 1);
  std::filesystem::remove(folder_.Native("in"));
  std::string text;
  bool flag = false;
  InputTextAndFlag(1, text, flag);
  EXPECT_EQ(text, "a");
}

TEST_F(NumberedFilesTest, OpeningAMissingInputFileFailsAndLeavesTheNumberFree) {
  EXPECT_EQ(ErrorNumberOf([&] { Open(folder_.File(L"missing"), OpenMode::kInput, 1); }),
            kFileNotFound);
  EXPECT_EQ(FreeFile(), 1);
  EXPECT_FALSE(folder_.Exists("missing"));
}

TEST_F(NumberedFilesTest, OpenFailureCarriesThePathAndTheSystemReason) {
  try {
    Open(folder_.File(L"no-such-folder\\out"), OpenMode::kOutput, 1);
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
  EXPECT_EQ(ErrorNumberOf([&] { Open(path, OpenMode::kOutput, 0); }), kBadFileNameOrNumber);
  EXPECT_EQ(ErrorNumberOf([&] { Open(path, OpenMode::kOutput, 512); }), kBadFileNameOrNumber);
  EXPECT_EQ(ErrorNumberOf([&] { Open(path, OpenMode::kOutput, 511); }), 0);
  EXPECT_EQ(ErrorNumberOf([] { EndOfFile(5); }), kBadFileNameOrNumber);
  EXPECT_EQ(ErrorNumberOf([] { WriteRecord(5, {BooleanField(true)}); }), kBadFileNameOrNumber);
}

TEST_F(NumberedFilesTest, OpeningANumberInUseFails) {
  Open(folder_.File(L"a"), OpenMode::kOutput, 1);
  EXPECT_EQ(ErrorNumberOf([&] { Open(folder_.File(L"b"), OpenMode::kOutput, 1); }),
            kFileAlreadyOpen);
  EXPECT_FALSE(folder_.Exists("b"));
}

TEST_F(NumberedFilesTest, ReadingAnOutputFileOrWritingAnInputFileIsABadMode) {
  folder_.Write("in", "\"a\",#TRUE#\r\n");
  Open(folder_.File(L"in"), OpenMode::kInput, 1);
  Open(folder_.File(L"out"), OpenMode::kOutput, 2);
  std::string text;
  bool flag = false;
  EXPECT_EQ(ErrorNumberOf([] { WriteRecordLines(1, "x\r\n"); }), kBadFileMode);
  EXPECT_EQ(ErrorNumberOf([] { EndOfFile(2); }), kBadFileMode);
  EXPECT_EQ(ErrorNumberOf([&] { InputTextAndFlag(2, text, flag); }), kBadFileMode);
}

TEST_F(NumberedFilesTest, ClosingANumberNotOpenIsIgnored) {
  EXPECT_EQ(ErrorNumberOf([] { Close(9); }), 0);
  Open(folder_.File(L"a"), OpenMode::kOutput, 9);
  Close(9);
  EXPECT_EQ(ErrorNumberOf([] { Close(9); }), 0);
}

TEST_F(NumberedFilesTest, AFailedCloseThrowsAndStillFreesTheNumber) {
  std::filesystem::create_directory(folder_.Native("sub"));
  Open(folder_.File(L"sub\\out"), OpenMode::kOutput, 1);
  WriteRecord(1, {StringField("a"), BooleanField(true)});
  std::filesystem::remove_all(folder_.Native("sub"));
  EXPECT_NE(ErrorNumberOf([] { Close(1); }), 0);
  EXPECT_EQ(FreeFile(), 1);
}

TEST_F(NumberedFilesTest, KillDeletesAFileAndFailsForAMissingOne) {
  folder_.Write("doomed", "x");
  Kill(folder_.File(L"doomed"));
  EXPECT_FALSE(folder_.Exists("doomed"));
  EXPECT_EQ(ErrorNumberOf([&] { Kill(folder_.File(L"doomed")); }), kFileNotFound);
}

TEST_F(NumberedFilesTest, DirGivesTheFileNameOrNothing) {
  folder_.Write("exefiles.dat", "");
  EXPECT_EQ(Dir(folder_.File(L"exefiles.dat")), L"exefiles.dat");
  EXPECT_EQ(Dir(folder_.File(L"missing.dat")), L"");
  std::filesystem::create_directory(folder_.Native("folder"));
  EXPECT_EQ(Dir(folder_.File(L"folder")), L"");
}

}  // namespace
}  // namespace rt
