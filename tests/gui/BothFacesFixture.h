// SPDX-License-Identifier: MIT
#pragma once

// One workflow through both faces: tolvanek-cli run in-process beside the window, on the same
// files, for tests that hold what the one does against what the other does.

#include "CommandLine.h"
#include "ImageBuilder.h"
#include "MainWindowFixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

struct CliOutcome {
    int status = -1;
    QByteArray out;
    QString err;
};

inline CliOutcome RunCli(const QStringList& arguments) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    CliOutcome outcome;
    outcome.status = cli::RunCommandLine(arguments, in, out, err);
    outcome.out = QByteArray::fromStdString(out.str());
    outcome.err = QString::fromStdString(err.str());
    return outcome;
}

class BothFacesFixture : public MainWindowFixture {
protected:
    using Bytes = std::vector<std::uint8_t>;

    const Bytes original = testsupport::ImageBuilder().FillValidTeams().Bytes();
    const Bytes edited = testsupport::ImageBuilder()
                             .FillValidTeams()
                             .SetColors(3, 0x16, 0x30)
                             .SetByte(0x20000, 0x5A)
                             .Bytes();

    std::filesystem::path Write(std::string_view name, std::span<const std::uint8_t> bytes) {
        const std::filesystem::path path = dir.File(name);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    std::filesystem::path Write(std::string_view name, std::string_view text) {
        return Write(name, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    }
};
