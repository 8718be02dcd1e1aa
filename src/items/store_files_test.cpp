#include "items/store_files.h"

#include <gtest/gtest.h>

namespace items {
namespace {

TEST(StoreFiles, TemporaryFilesAndBackupsAreNamedAndKnownByName) {
  EXPECT_EQ(SaveTempFileName(4711), L"exefiles.dat.4711.tmp");
  EXPECT_EQ(BackupFileName(1), L"exefiles.dat.bak");
  EXPECT_EQ(BackupFileName(kMostBackups), L"exefiles.dat.99.bak");
  for (const wchar_t* name :
       {L"exefiles.dat.tmp", L"exefiles.dat.4711.tmp", L"EXEFILES.DAT.9.TMP"}) {
    EXPECT_TRUE(IsSaveTempFileName(name)) << name;
    EXPECT_FALSE(IsBackupFileName(name)) << name;
  }
  for (const wchar_t* name : {L"exefiles.dat.bak", L"exefiles.dat.2.bak", L"Exefiles.Dat.BAK"}) {
    EXPECT_TRUE(IsBackupFileName(name)) << name;
    EXPECT_FALSE(IsSaveTempFileName(name)) << name;
  }
  for (const wchar_t* name : {L"exefiles.dat", L"exefiles.dat..tmp", L"exefiles.dat.x1.bak",
                              L"exefiles.dat.1.tmp.txt", L"exefiles.dat.backup"}) {
    EXPECT_FALSE(IsSaveTempFileName(name) || IsBackupFileName(name)) << name;
  }
}

}  // namespace
}  // namespace items
