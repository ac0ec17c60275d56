// SPDX-License-Identifier: MIT
// Writes a cartridge image with invented teams, for trying the editor without a real game.

#include "DemoImage.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view Usage =
    "usage: tolvanek-make-demo [--force] OUTPUT.nes\n"
    "Writes a demo cartridge image with 16 invented teams to OUTPUT.nes.\n"
    "  --force   replace OUTPUT.nes if it exists\n"
    "  --help    show this text\n";

int UsageError(std::string_view problem) {
    std::cerr << "tolvanek-make-demo: " << problem << '\n' << Usage;
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    bool force = false;
    std::string output;
    bool onlyOperands = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!onlyOperands && argument == "--") {
            onlyOperands = true;
        } else if (!onlyOperands && (argument == "--help" || argument == "-h")) {
            std::cout << Usage;
            return 0;
        } else if (!onlyOperands && argument == "--force") {
            force = true;
        } else if (!onlyOperands && argument.size() > 1 && argument.front() == '-') {
            return UsageError("unknown option " + std::string(argument));
        } else if (output.empty()) {
            output = argument;
        } else {
            return UsageError("more than one output file given");
        }
    }
    if (output.empty())
        return UsageError("no output file given");
    std::error_code ignored;
    if (!force && std::filesystem::exists(std::filesystem::symlink_status(output, ignored))) {
        std::cerr << "tolvanek-make-demo: " << output << " exists; give --force to replace it\n";
        return 1;
    }
    std::string error;
    if (!demoimage::WriteDemoImage(output, error)) {
        std::cerr << "tolvanek-make-demo: " << error << '\n';
        return 1;
    }
    return 0;
}
