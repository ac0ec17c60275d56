// Writes a cartridge image with invented teams, for trying the editor without a real game.

#include "DemoImage.h"

#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: tolvanek-make-demo OUTPUT.nes\n";
        return 2;
    }
    std::string error;
    if (!demoimage::WriteDemoImage(argv[1], error)) {
        std::cerr << "tolvanek-make-demo: " << error << '\n';
        return 1;
    }
    return 0;
}
