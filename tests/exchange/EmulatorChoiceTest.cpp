// SPDX-License-Identifier: MIT
#include "Emulator.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using exchange::ChooseEmulator;

namespace {

QString Q(const fs::path& path) {
    return QString::fromStdString(path.string());
}

void MakeProgram(const fs::path& path) {
    std::ofstream(path) << "#!/bin/sh\n";
    fs::permissions(path, fs::perms::owner_all);
}

} // namespace

TEST(EmulatorChoice, TheCommandLineGivenPlacesThePathAtEachPercentFOrAtTheEnd) {
    const QString image = QStringLiteral("/tmp/a folder/team.nes");
    auto chosen = ChooseEmulator(QStringLiteral("nestopia --fullscreen %f"), image, {});
    EXPECT_EQ(chosen.program, "nestopia");
    EXPECT_EQ(chosen.arguments, (QStringList{"--fullscreen", image}));
    chosen = ChooseEmulator(QStringLiteral("\"/opt/my emu/run\" --rom=%f -s"), image, {});
    EXPECT_EQ(chosen.program, "/opt/my emu/run");
    EXPECT_EQ(chosen.arguments, (QStringList{"--rom=" + image, "-s"}));
    chosen = ChooseEmulator(QStringLiteral("mednafen -force_module nes"), image, {});
    EXPECT_EQ(chosen.arguments, (QStringList{"-force_module", "nes", image}));
    // The command as messages name it reads back as the same words.
    EXPECT_EQ(QProcess::splitCommand(chosen.Shown()),
              QStringList{chosen.program} + chosen.arguments);
}

TEST(EmulatorChoice, WithoutOneTheFirstKnownEmulatorOnThePathOrInTheGamesFoldersIsTaken) {
    const testsupport::TempDir dir;
    const fs::path path = dir.File("bin");
    const fs::path games = dir.File("games");
    fs::create_directories(path);
    fs::create_directories(games);
    const QStringList savedFolders = exchange::GamesFolders();
    exchange::GamesFolders() = {Q(games)};

    EXPECT_FALSE(ChooseEmulator({}, "x.nes", {Q(path)}).Found());
    MakeProgram(games / "mednafen");
    EXPECT_EQ(ChooseEmulator({}, "x.nes", {Q(path)}).program, Q(games / "mednafen"));
    MakeProgram(path / "nestopia");
    const auto found = ChooseEmulator({}, "x.nes", {Q(path)});
    EXPECT_EQ(found.program, Q(path / "nestopia"));
    EXPECT_EQ(found.arguments, QStringList{"x.nes"});
    MakeProgram(games / "fceux");
    EXPECT_EQ(ChooseEmulator({}, "x.nes", {Q(path)}).program, Q(games / "fceux"));
    // A file of that name that cannot be run is no emulator.
    fs::permissions(games / "fceux", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ChooseEmulator({}, "x.nes", {Q(path)}).program, Q(path / "nestopia"));

    exchange::GamesFolders() = savedFolders;
}
