// SPDX-License-Identifier: MIT
#include "FileDescriptor.h"
#include "ImageCheck.h"

#include "ImageBuilder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace teamdata;
using testsupport::ImageBuilder;
using testsupport::TempDir;

TEST(ImageCheckReadWholeFile, ReadsOnlyPlainFilesUpToTheLimit) {
    TempDir dir;
    const std::filesystem::path file = dir.File("image.nes");
    const ImageBuilder builder(100);
    builder.WriteTo(file);
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(ReadWholeFile(file.string(), bytes, 99), FileRead::TooLarge);
    EXPECT_TRUE(bytes.empty());
    ASSERT_EQ(ReadWholeFile(file.string(), bytes, 100), FileRead::Read);
    EXPECT_EQ(bytes, builder.Bytes());

    const std::filesystem::path pipe = dir.File("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {dir.Path().string(), std::string("/dev/zero"), pipe.string()})
        EXPECT_EQ(ReadWholeFile(path, bytes), FileRead::NotAFile) << path;
    EXPECT_EQ(ReadWholeFile(dir.File("missing.nes").string(), bytes), FileRead::Unreadable);
    EXPECT_EQ(bytes, builder.Bytes());
}
