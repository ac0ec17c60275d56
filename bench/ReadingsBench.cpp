// SPDX-License-Identifier: MIT
// Names in kanji read with MeCab: what loading the dictionary costs the first name read, and what
// reading a roster's worth of names costs once it is loaded. Both have goals of their own in
// milliseconds, there being no floor to compare them with: the user waits for them as they are.
#include "KanjiReader.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Surnames and given names of the kinds rosters hold: common ones, variant kanji, names that need
// six places, names with kana in them.
const char* const Names[] = {
    "佐藤", "鈴木", "高橋",   "田中", "伊藤",     "渡辺", "山本", "中村", "小林",     "加藤",
    "吉田", "山田", "佐々木", "山口", "松本",     "井上", "木村", "林",   "斎藤",     "清水",
    "山崎", "森",   "池田",   "橋本", "阿部",     "石川", "山下", "中島", "石井",     "小川",
    "前田", "岡田", "長谷川", "藤田", "後藤",     "近藤", "村上", "遠藤", "青木",     "坂本",
    "髙橋", "山﨑", "濵田",   "德永", "勅使河原", "毒島", "上林", "金城", "イチロー", "松井秀喜",
};

struct Figures {
    double median = 0, lowest = 0, highest = 0;
};

Figures FiguresOf(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front(), times.back()};
}

void PrintRow(const char* figure, const Figures& f, double goal, std::size_t runs) {
    std::printf("| %s | %.1f ms | — | — | — | %.1f – %.1f ms | ≤ %.0f ms, %s | %zu |\n", figure,
                f.median, f.lowest, f.highest, goal, f.median <= goal ? "met" : "missed", runs);
}

} // namespace

int main(int argc, char** argv) {
    const std::size_t runs = argc > 1 ? static_cast<std::size_t>(std::atoi(argv[1])) : 15;
    if (runs == 0)
        return 2;
    std::vector<double> loads, rosters;
    std::vector<std::string> roster;
    for (std::size_t i = 0; roster.size() < 1000; ++i)
        roster.emplace_back(Names[i % std::size(Names)]);
    for (std::size_t run = 0; run < runs; ++run) {
        readings::KanjiReader reader;
        Clock::time_point start = Clock::now();
        if (reader.Read("佐藤").outcome != readings::KanjiReadings::Outcome::Read) {
            std::fprintf(stderr, "bench_readings: the dictionary in %s cannot be loaded\n",
                         readings::DictionaryFolder().c_str());
            return 1;
        }
        loads.push_back(MillisecondsSince(start));
        start = Clock::now();
        std::size_t read = 0;
        for (const std::string& name : roster)
            read += reader.Read(name).readings.size();
        rosters.push_back(MillisecondsSince(start));
        if (read < roster.size())
            return 1;
    }
    PrintRow("Loading MeCab's dictionary: the first name in kanji read", FiguresOf(loads), 300,
             runs);
    PrintRow("Reading 1,000 names in kanji, the dictionary loaded", FiguresOf(rosters), 100, runs);
    return 0;
}
