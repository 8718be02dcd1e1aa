#include "items/store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <new>

#include "runtime/failure.h"
#include "runtime/paths.h"
#include "support/stored_items.h"
#include "support/temp_folder.h"

namespace test {

void PrintTo(const StoredItem& item, std::ostream* out) {
  *out << '{' << ::testing::PrintToString(item.text) << ", " << item.selected << '}';
}

}  // namespace test

namespace items {
namespace {

using Items = std::vector<test::StoredItem>;
using test::ReadStore;
using test::SaveStore;
using test::StoreBytes;
using test::StoreRead;

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// `count` lines that read as records, numbered so that each differs.
std::string ManyRecords(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += "\"item " + std::to_string(i) + "\",#TRUE#\r\n";
  return bytes;
}

TEST(StorePath, JoinsTheProgramFolderWithExactlyOneBackslash) {
  EXPECT_EQ(rt::PathInFolder(L"C:\\Tools", kStoreFileName), L"C:\\Tools\\exefiles.dat");
  EXPECT_EQ(rt::PathInFolder(L"D:\\", kStoreFileName), L"D:\\exefiles.dat");
}

TEST(StoreFormat, OneQuotedRecordLinePerItemInListOrder) {
  EXPECT_EQ(StoreBytes({{L"C:\\Tools\\a.exe", true}, {L"http://x/?q=1,2", false}}),
            "\"C:\\Tools\\a.exe\",#TRUE#\r\n\"http://x/?q=1,2\",#FALSE#\r\n");
}

TEST(StoreFormat, EmptyListIsZeroBytes) { EXPECT_EQ(StoreBytes({}), ""); }

TEST(StoreFormat, TextGoesOutInTheSystemCodePage) {
  // On Linux the stand-in code page is UTF-8.
  EXPECT_EQ(StoreBytes({{L"\u9806\u5e8f.exe", false}}),
            "\"\xe9\xa0\x86\xe5\xba\x8f.exe\",#FALSE#\r\n");
}

// Reads bytes put in a fresh folder as its store file.
class StoreParse : public ::testing::Test {
 protected:
  StoreRead Read(std::string_view bytes) { return test::ReadStoreBytes(folder_, bytes); }

  test::TempFolder folder_;
};

TEST_F(StoreParse, EmptyFileIsAnEmptyListWithNoStop) {
  const StoreRead load = Read("");
  EXPECT_TRUE(load.items.empty());
  EXPECT_EQ(load.reading.stopped_at_line, std::nullopt);
}

TEST_F(StoreParse, LineEndsOfEveryKindAndNoFinalLineEnd) {
  const Items expected{{L"a", true}, {L"b", false}, {L"c", true}};
  for (const char* bytes : {"\"a\",#TRUE#\r\n\"b\",#FALSE#\r\n\"c\",#TRUE#\r\n",
                            "\"a\",#TRUE#\r\n\"b\",#FALSE#\r\n\"c\",#TRUE#",
                            "\"a\",#TRUE#\n\"b\",#FALSE#\n\"c\",#TRUE#\n",
                            "\"a\",#TRUE#\r\"b\",#FALSE#\n\"c\",#TRUE#"}) {
    const StoreRead load = Read(bytes);
    EXPECT_EQ(load.items, expected) << bytes;
    EXPECT_EQ(load.reading.stopped_at_line, std::nullopt) << bytes;
  }
}

TEST_F(StoreParse, BlankLinesAtTheEndAreNoStop) {
  const StoreRead load = Read("\"a\",#TRUE#\r\n\r\n  \r\n\t\n");
  EXPECT_EQ(load.items, (Items{{L"a", true}}));
  EXPECT_EQ(load.reading.stopped_at_line, std::nullopt);
}

TEST_F(StoreParse, WhatAnEditorLeavesAroundTheRecordsChangesNoItem) {
  for (const char* bytes : {"\"a\",#TRUE#\r\n\r\n\"b\",#FALSE#\r\n",  // blank line between
                            "\"a\" , #TRUE#\r\n\"b\",\t#FALSE#\r\n",  // blanks round the comma
                            "\"a\",#TRUE#\r\n\"b\",#FALSE#\r\n\x1a",  // final Ctrl-Z
                            "\r\n \r\n\"a\",#TRUE#\n\n\"b\",#FALSE#\x1a"}) {  // all at once
    const StoreRead load = Read(bytes);
    EXPECT_EQ(load.items, (Items{{L"a", true}, {L"b", false}})) << bytes;
    EXPECT_EQ(load.reading.stopped_at_line, std::nullopt) << bytes;
  }
}

TEST_F(StoreParse, FileWithTheUtf8SignatureLoadsItsItemsExactly) {
  const StoreRead load =
      Read("\xEF\xBB\xBF\"C:\\a.exe\",#TRUE#\r\n\"C:\\\xe5\xb7\xa5.exe\",#FALSE#\r\n");
  EXPECT_EQ(load.items, (Items{{L"C:\\a.exe", true}, {L"C:\\\u5de5.exe", false}}));
  EXPECT_EQ(load.reading.stopped_at_line, std::nullopt);
}

TEST_F(StoreParse, StopAfterBlankLinesNamesTheLineOfTheRecord) {
  const StoreRead load = Read("\"a\",#TRUE#\r\n\r\n\r\n\"b\",yes\r\n");
  EXPECT_EQ(load.items, (Items{{L"a", true}}));
  EXPECT_EQ(load.reading.stopped_at_line, 4);
}

TEST_F(StoreParse, BadThirdRecordKeepsTheFirstTwoAndStopsAtLineThree) {
  const StoreRead load = Read("\"a\",#TRUE#\r\n\"b\",#FALSE#\r\n\"c\",yes\r\n\"d\",#TRUE#\r\n");
  EXPECT_EQ(load.items, (Items{{L"a", true}, {L"b", false}}));
  EXPECT_EQ(load.reading.stopped_at_line, 3);
}

TEST_F(StoreParse, FileEndingInsideAQuotedTextOrBeforeTheFlagStops) {
  for (const char* bytes : {"\"a\",#TRUE#\r\n\"unfinished", "\"a\",#TRUE#\r\n\"b\"",
                            "\"a\",#TRUE#\r\n\"b\",", "\"a\",#TRUE#\r\n\"b\",#FAL"}) {
    const StoreRead load = Read(bytes);
    EXPECT_EQ(load.items, (Items{{L"a", true}})) << bytes;
    EXPECT_EQ(load.reading.stopped_at_line, 2) << bytes;
  }
}

TEST_F(StoreParse, DoubleQuoteInsideATextLeavesLaterRecordsReadable) {
  const StoreRead load = Read(StoreBytes({{L"http://x/?q=\"a b\"", true}, {L"C:\\b.exe", false}}));
  EXPECT_EQ(load.items, (Items{{L"http://x/?q=\"a b\"", true}, {L"C:\\b.exe", false}}));
  EXPECT_EQ(load.reading.stopped_at_line, std::nullopt);
}

TEST_F(StoreParse, FlagInAnyLetterCaseAndTrailingSpaces) {
  const StoreRead load = Read("\"a\",#true#  \r\n\"b\",#False#\t\r\n");
  EXPECT_EQ(load.items, (Items{{L"a", true}, {L"b", false}}));
  EXPECT_EQ(load.reading.stopped_at_line, std::nullopt);
}

TEST_F(StoreParse, NulByteStopsAtItsRecord) {
  using namespace std::string_literals;
  const StoreRead load = Read("\"a\",#TRUE#\r\n\"b\0c\",#TRUE#\r\n\"d\",#TRUE#\r\n"s);
  EXPECT_EQ(load.items, (Items{{L"a", true}}));
  EXPECT_EQ(load.reading.stopped_at_line, 2);
}

TEST_F(StoreParse, TextInvalidInTheCodePageStopsAtItsRecord) {
  const StoreRead load = Read("\"a\",#TRUE#\r\n\"b\xff\",#TRUE#\r\n");
  EXPECT_EQ(load.items, (Items{{L"a", true}}));
  EXPECT_EQ(load.reading.stopped_at_line, 2);
}

TEST_F(StoreParse, VeryLongText) {
  const std::wstring text(1 << 20, L'x');
  const StoreRead load = Read(StoreBytes({{text, true}, {L"after", false}}));
  EXPECT_EQ(load.items, (Items{{text, true}, {L"after", false}}));
}

TEST_F(StoreParse, AtMost32768ItemsLoad) {
  const StoreRead exact = Read(ManyRecords(32768));
  EXPECT_EQ(exact.items.size(), 32768u);
  EXPECT_EQ(exact.reading.stopped_at_line, std::nullopt);

  const StoreRead over = Read(ManyRecords(32769));
  ASSERT_EQ(over.items.size(), 32768u);
  EXPECT_EQ(over.items.back().text, L"item 32767");
  EXPECT_EQ(over.reading.stopped_at_line, 32769);
}

class StoreFileTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
};

TEST_F(StoreFileTest, MissingFileIsAnEmptyListWithNoStop) {
  const StoreRead load = ReadStore(folder_.Path());
  EXPECT_TRUE(load.items.empty());
  EXPECT_EQ(load.reading.stopped_at_line, std::nullopt);
}

TEST_F(StoreFileTest, LoadReadsTheFileAndReportsWhereItStopped) {
  folder_.Write("exefiles.dat", "\"a\",#TRUE#\r\n\"b\",#FALSE#\r\n\"c\",maybe\r\n");
  const StoreRead load = ReadStore(folder_.Path());
  EXPECT_EQ(load.items, (Items{{L"a", true}, {L"b", false}}));
  EXPECT_EQ(load.reading.stopped_at_line, 3);
}

// How a RecordingSink fails, as a list that refuses an item or memory that
// runs out makes it.
enum class SinkFailure { kFailure, kBadAlloc };

[[noreturn]] void Fail(SinkFailure failure) {
  if (failure == SinkFailure::kBadAlloc) throw std::bad_alloc();
  throw rt::Failure(rt::FailureKind::kBadValue, L"the list refused the item");
}

// Keeps what a reading of the store hands over, and when.
class RecordingSink final : public StoredItemSink {
 public:
  void Expect(size_t most_items, size_t file_bytes) override {
    if (fail_in_expect) Fail(failure);
    ++expect_calls;
    items_before_expect = items.size();
    room_for_items = most_items;
    room_for_bytes = file_bytes;
  }
  void Take(const std::wstring& text, bool selected) override {
    if (items.size() == fail_at_item) Fail(failure);
    items.push_back({text, selected});
  }

  SinkFailure failure = SinkFailure::kFailure;
  bool fail_in_expect = false;
  size_t fail_at_item = SIZE_MAX;
  int expect_calls = 0;
  size_t items_before_expect = 0;
  size_t room_for_items = 0;
  size_t room_for_bytes = 0;
  Items items;
};

TEST_F(StoreFileTest, ReadingMakesRoomOnceThenHandsOverTheItemsBeforeTheStop) {
  const std::string bytes = "\"a\",#TRUE#\r\n\"b\",#FALSE#\r\n\"c\",maybe\r\n\"d\",#TRUE#\r\n";
  folder_.Write("exefiles.dat", bytes);
  RecordingSink sink;
  EXPECT_EQ(ReadItemStore(folder_.Path(), sink).stopped_at_line, 3);
  EXPECT_EQ(sink.expect_calls, 1);
  EXPECT_EQ(sink.items_before_expect, 0u);
  EXPECT_GE(sink.room_for_items, 4u) << "room for every line of the file";
  EXPECT_EQ(sink.room_for_bytes, bytes.size());
  EXPECT_EQ(sink.items, (Items{{L"a", true}, {L"b", false}}));
}

TEST_F(StoreFileTest, RoomIsNeverForMoreItemsThanTheLoadTakes) {
  folder_.Write("exefiles.dat", ManyRecords(40000));
  RecordingSink sink;
  EXPECT_EQ(ReadItemStore(folder_.Path(), sink).stopped_at_line, 32769);
  EXPECT_EQ(sink.room_for_items, 32768u);
  EXPECT_EQ(sink.items.size(), 32768u);
}

TEST_F(StoreFileTest, AMissingFileHandsOverNothing) {
  RecordingSink sink;
  EXPECT_EQ(ReadItemStore(folder_.Path(), sink).stopped_at_line, std::nullopt);
  EXPECT_EQ(sink.expect_calls, 0);
  EXPECT_TRUE(sink.items.empty());
}

TEST_F(StoreFileTest, AnErrorOfTheSinkStopsTheLoadAtTheLineOfItsItem) {
  // The refused item stands on line 4, after a blank line.
  folder_.Write("exefiles.dat",
                "\"a\",#TRUE#\r\n\"b\",#FALSE#\r\n\r\n\"c\",#TRUE#\r\n\"d\",#TRUE#\r\n");
  for (const SinkFailure failure : {SinkFailure::kFailure, SinkFailure::kBadAlloc}) {
    RecordingSink sink;
    sink.failure = failure;
    sink.fail_at_item = 2;
    StoreReading reading;
    ASSERT_NO_THROW(reading = ReadItemStore(folder_.Path(), sink));
    EXPECT_EQ(reading.stopped_at_line, 4);
    EXPECT_EQ(reading.cause, StopCause::kItemRefused);
    EXPECT_EQ(sink.items, (Items{{L"a", true}, {L"b", false}}));
    ASSERT_TRUE(reading.failure);
    if (failure == SinkFailure::kBadAlloc) {
      EXPECT_EQ(reading.failure->kind, rt::FailureKind::kOutOfMemory);
    } else {
      EXPECT_EQ(reading.failure->kind, rt::FailureKind::kBadValue);
      EXPECT_EQ(reading.failure->subject, L"the list refused the item");
    }
  }
}

TEST_F(StoreFileTest, AnErrorOfTheSinkBeforeTheFirstItemStopsAtLineOne) {
  folder_.Write("exefiles.dat", ManyRecords(3));
  RecordingSink sink;
  sink.failure = SinkFailure::kBadAlloc;
  sink.fail_in_expect = true;
  const StoreReading reading = ReadItemStore(folder_.Path(), sink);
  EXPECT_EQ(reading.stopped_at_line, 1);
  EXPECT_EQ(reading.cause, StopCause::kItemRefused);
  EXPECT_TRUE(sink.items.empty());
}

TEST_F(StoreFileTest, StoreThatCannotBeReadAtAllStopsAtLineOneSayingWhy) {
  // A folder in the store file's place: it is there, but no file to read.
  std::filesystem::create_directory(folder_.Native("exefiles.dat"));
  RecordingSink sink;
  const StoreReading reading = ReadItemStore(folder_.Path(), sink);
  EXPECT_EQ(reading.stopped_at_line, 1);
  EXPECT_EQ(reading.cause, StopCause::kNotOpened);
  ASSERT_TRUE(reading.failure);
  EXPECT_EQ(reading.failure->subject, rt::PathInFolder(folder_.Path(), kStoreFileName));
  EXPECT_EQ(reading.failure->system_reason, L"Is a directory");
  EXPECT_EQ(sink.expect_calls, 0);
}

TEST_F(StoreFileTest, UnreadableRecordStopsWithNoReasonOfItsOwn) {
  folder_.Write("exefiles.dat", "\"a\",#TRUE#\r\n\"b\",maybe\r\n");
  const StoreRead load = ReadStore(folder_.Path());
  EXPECT_EQ(load.reading.stopped_at_line, 2);
  EXPECT_EQ(load.reading.cause, StopCause::kUnreadableRecord);
  EXPECT_FALSE(load.reading.failure);
}

TEST_F(StoreFileTest, SaveThenLoadGivesBackTheSameItems) {
  const Items saved{{L"C:\\Tools\\a.exe", true},
                    {L"http://x/?a=1,b=2", false},
                    {L"\u6e2c\u8a66 \"q\".lnk", true},
                    {L"", false},
                    {L"  spaced  ", true}};
  SaveStore(folder_.Path(), saved);
  const StoreRead load = ReadStore(folder_.Path());
  EXPECT_EQ(load.items, saved);
  EXPECT_EQ(load.reading.stopped_at_line, std::nullopt);
}

TEST_F(StoreFileTest, SaveWritesTheExactBytesAndLeavesNoOtherFile) {
  folder_.Write("exefiles.dat", "\"old\",#TRUE#\r\n");
  SaveStore(folder_.Path(), {{L"C:\\Tools\\a.exe", true}, {L"b", false}});
  EXPECT_EQ(folder_.Read("exefiles.dat"), "\"C:\\Tools\\a.exe\",#TRUE#\r\n\"b\",#FALSE#\r\n");
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"exefiles.dat"});
}

TEST_F(StoreFileTest, SavingAnEmptyListLeavesAZeroByteFile) {
  folder_.Write("exefiles.dat", "\"old\",#TRUE#\r\n");
  SaveStore(folder_.Path(), {});
  ASSERT_TRUE(folder_.Exists("exefiles.dat"));
  EXPECT_EQ(std::filesystem::file_size(folder_.Native("exefiles.dat")), 0u);
}

// A save's temporary file of an earlier version and of this one, left by
// saves that ended while writing.
constexpr char kSharedLeftover[] = "exefiles.dat.tmp";
constexpr char kOwnLeftover[] = "exefiles.dat.4711.tmp";

TEST_F(StoreFileTest, LeftoverTemporaryFilesBesideAStoreGoWithTheNextSave) {
  folder_.Write("exefiles.dat", "\"old\",#TRUE#\r\n");
  folder_.Write(kSharedLeftover, "left over from a crash, longer than the new contents");
  folder_.Write(kOwnLeftover, "\"another\",#TRUE#\r\n");
  SaveStore(folder_.Path(), {{L"a", true}});
  EXPECT_EQ(folder_.Read("exefiles.dat"), "\"a\",#TRUE#\r\n");
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"exefiles.dat"});
}

TEST_F(StoreFileTest, WithoutAStoreEveryLeftoverBecomesABackupNeverOverAnEarlierOne) {
  folder_.Write(kSharedLeftover, "\"shared\",#TRUE#\r\n");
  folder_.Write(kOwnLeftover, "\"own\",#TRUE#\r\n");
  folder_.Write("exefiles.dat.bak", "\"older\",#FALSE#\r\n");
  SaveStore(folder_.Path(), {{L"a", true}});
  EXPECT_EQ(folder_.Read("exefiles.dat"), "\"a\",#TRUE#\r\n");
  EXPECT_EQ(folder_.Read("exefiles.dat.bak"), "\"older\",#FALSE#\r\n");
  std::vector<std::string> kept{folder_.Read("exefiles.dat.2.bak"),
                                folder_.Read("exefiles.dat.3.bak")};
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(kept, (std::vector<std::string>{"\"own\",#TRUE#\r\n", "\"shared\",#TRUE#\r\n"}));
  EXPECT_EQ(folder_.Names().size(), 4u) << "expected the store and three backups only";
}

TEST_F(StoreFileTest, WithoutAStoreTheNewestLeftoverIsRead) {
  folder_.Write(kSharedLeftover, "\"older\",#TRUE#\r\n");
  EXPECT_EQ(ReadStore(folder_.Path()).items, (Items{{L"older", true}}));
  folder_.Write(kOwnLeftover, "\"newer\",#TRUE#\r\n\"c\",maybe\r\n");
  const auto now = std::filesystem::file_time_type::clock::now();
  std::filesystem::last_write_time(folder_.Native(kSharedLeftover), now - std::chrono::hours(1));
  const StoreRead load = ReadStore(folder_.Path());
  EXPECT_EQ(load.items, (Items{{L"newer", true}}));
  EXPECT_EQ(load.reading.leftover_temp, folder_.File(L"exefiles.dat.4711.tmp"));
  EXPECT_EQ(load.reading.stopped_at_line, 2);
}

TEST_F(StoreFileTest, StoreIsReadRatherThanALeftoverTemporaryFile) {
  folder_.Write("exefiles.dat", "\"store\",#TRUE#\r\n");
  folder_.Write(kSharedLeftover, "\"leftover\",#TRUE#\r\n");
  const StoreRead load = ReadStore(folder_.Path());
  EXPECT_EQ(load.items, (Items{{L"store", true}}));
  EXPECT_EQ(load.reading.leftover_temp, L"");
  EXPECT_EQ(load.reading.stopped_at_line, std::nullopt);
}

// The bytes of the list a load left after it could not read the store whole.
const std::string kListAsLoaded = "\"a\",#TRUE#\r\n";

TEST_F(StoreFileTest, AfterAFileNotReadWholeOnlyAChangedListIsSavedKeepingItAsANewBackup) {
  const std::string unread = kListAsLoaded + "\"b\",maybe\r\n";
  folder_.Write("exefiles.dat", unread);
  folder_.Write("exefiles.dat.bak", "\"older\",#FALSE#\r\n");
  SaveStore(folder_.Path(), {{L"a", true}}, kListAsLoaded);
  EXPECT_EQ(folder_.Read("exefiles.dat"), unread);
  EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"exefiles.dat", "exefiles.dat.bak"}));

  SaveStore(folder_.Path(), {{L"new", false}}, kListAsLoaded);
  EXPECT_EQ(folder_.Read("exefiles.dat"), "\"new\",#FALSE#\r\n");
  EXPECT_EQ(folder_.Read("exefiles.dat.bak"), "\"older\",#FALSE#\r\n");
  EXPECT_EQ(folder_.Read("exefiles.dat.2.bak"), unread);
}

// A save that is expected to fail: how it failed.
std::optional<SaveFailure> FailingSave(
    const std::wstring& program_folder, const Items& items,
    const std::optional<std::string>& list_from_unread_file = std::nullopt) {
  return SaveStoreBytes(program_folder, StoreBytes(items), list_from_unread_file);
}

TEST_F(StoreFileTest, SaveThatCannotKeepABackupLeavesEveryFileAsItWasAndSaysWhy) {
  for (int number = 1; number <= kMostBackups; ++number) {
    folder_.Write(Narrow(BackupFileName(number)), "taken");
  }
  const std::string old_bytes = "\"keep me\",#TRUE#\r\nbad";
  folder_.Write("exefiles.dat", old_bytes);
  const std::optional<SaveFailure> failure =
      FailingSave(folder_.Path(), {{L"new", true}}, kListAsLoaded);
  ASSERT_TRUE(failure) << "the save succeeded";
  EXPECT_EQ(failure->store, rt::PathInFolder(folder_.Path(), kStoreFileName));
  EXPECT_EQ(failure->why.kind, rt::FailureKind::kFileExists);
  EXPECT_EQ(failure->why.system_reason, L"File exists");
  EXPECT_EQ(folder_.Read("exefiles.dat"), old_bytes);

  // Without a store, a leftover that cannot become a backup stays too.
  std::filesystem::remove(folder_.Native("exefiles.dat"));
  folder_.Write(kSharedLeftover, old_bytes);
  EXPECT_TRUE(FailingSave(folder_.Path(), {{L"new", true}}));
  EXPECT_EQ(folder_.Read(kSharedLeftover), old_bytes);
  EXPECT_EQ(folder_.Names().size(), static_cast<size_t>(kMostBackups) + 1);
}

TEST_F(StoreFileTest, FailedFirstSaveKeepsItsWholeTemporaryFileForTheNextLoad) {
  // A folder in the store file's place: the new contents cannot take it.
  std::filesystem::create_directory(folder_.Native("exefiles.dat"));
  EXPECT_TRUE(FailingSave(folder_.Path(), {{L"new", true}}));
  std::filesystem::remove(folder_.Native("exefiles.dat"));
  EXPECT_EQ(ReadStore(folder_.Path()).items, (Items{{L"new", true}}));
}

TEST_F(StoreFileTest, SaveIntoAMissingFolderFailsNamingTheFile) {
  const std::wstring missing = folder_.Path() + L"/missing";
  const std::optional<SaveFailure> failure = FailingSave(missing, {{L"a", true}});
  ASSERT_TRUE(failure) << "the save succeeded";
  EXPECT_EQ(failure->store, rt::PathInFolder(missing, kStoreFileName));
  EXPECT_NE(failure->why.system_code, 0u);
  EXPECT_NE(failure->why.system_reason, L"");
  EXPECT_FALSE(std::filesystem::exists(folder_.Native("missing")));
}

}  // namespace
}  // namespace items
