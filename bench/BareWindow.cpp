// SPDX-License-Identifier: MIT
// The toolkit's floor for start-up: a bare Qt Widgets program that shows one empty window of the
// main window's size and ends once it has been painted. Built a second time with one line of
// Japanese text in the editor's font, it shows what the first text costs (font configuration,
// font file, shaping) before any window of ours is made.
#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#ifndef MAIN_WINDOW_HEIGHT
#error "MAIN_WINDOW_HEIGHT must be defined"
#endif

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(574, MAIN_WINDOW_HEIGHT);
#ifdef WITH_TEXT
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    font.setPixelSize(12);
    window.setFont(font);
    QLabel label(QStringLiteral("編集チーム：　打者　投手"), &window);
    label.move(8, 8);
#endif
    QuitAfterFirstPaint quit(&window);
    window.show();
    return application.exec();
}
