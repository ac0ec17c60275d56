// SPDX-License-Identifier: MIT
#include "KnownTeam.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace reportstest {

namespace {

const std::vector<std::string> BatterHeader = {
    "打者",       "名　　前　", "打席　",     "人気",   "守備位置", "打　率",
    "本　塁　打", "　走　力　", "守　備　力", "　肩　", "",         ""};
const std::vector<std::string> PitcherHeader = {
    "投手",       "名　　前　", "投法　",     "人気",   "防御率 ", "スタミナ",
    "球速（速）", "球速（中）", "球速（遅）", "右変化", "左変化",  "フォーク"};
const std::vector<std::string> BatterLabels = {"　１", "　２", "　３", "　４", "　５",
                                               "　６", "　７", "　８", "Ｐ１", "Ｐ２",
                                               "Ｐ３", "Ｐ４", "Ｐ５"};
const std::vector<std::string> PitcherLabels = {"　１", "　２", "　３", "　４", "　５"};

// Columns 1 to 9 of each batter; columns 10 and 11 stay empty as in the window.
const std::vector<std::vector<std::string>> KnownBatters = {
    {"やまた゛　", "右", "8", "8", "300", "25", "30", "4", "4"},
    {"すす゛き　", "左", "7", "4", "280", "18", "45", "5", "3"},
    {"たなか　　", "右", "9", "6", "276", "30", "20", "4", "5"},
    {"さとう　　", "右", "10", "3", "290", "42", "15", "2", "3"},
    {"いとう　　", "左", "6", "7", "310", "12", "25", "3", "3"},
    {"なかむら　", "両", "5", "9", "250", "8", "35", "4", "5"},
    {"こはやし゛", "右", "4", "5", "260", "5", "10", "3", "4"},
    {"かとう　　", "右", "3", "2", "270", "10", "22", "5", "5"},
    {"よしか゛わ", "左", "2", "2", "264", "3", "28", "3", "2"},
    {"やまもと　", "右", "1", "5", "240", "1", "5", "2", "2"},
    {"まつもと　", "右", "2", "7", "280", "0", "12", "1", "3"},
    {"いのうえ　", "両", "3", "3", "300", "2", "40", "2", "2"},
    {"きむら　　", "左", "1", "4", "280", "4", "18", "3", "1"},
};
const std::vector<std::vector<std::string>> KnownPitchers = {
    {"はやし　　", "右", "9", "250", "18", "146", "120", "100", "12", "4", "8"},
    {"しみす゛　", "左横", "7", "250", "15", "150", "124", "96", "6", "14", "0"},
    {"やまく゛ち", "右下", "6", "250", "12", "138", "116", "92", "16", "2", "10"},
    {"もり　　　", "左ま", "4", "250", "10", "142", "118", "98", "4", "8", "2"},
    {"あへ゛　　", "右背", "2", "260", "8", "146", "122", "104", "0", "0", "32"},
};

reports::GridTexts Grid(const std::vector<std::string>& header,
                        const std::vector<std::string>& labels,
                        const std::vector<std::vector<std::string>>& cells) {
    reports::GridTexts grid{header};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        std::vector<std::string> row{labels[i]};
        row.insert(row.end(), cells[i].begin(), cells[i].end());
        row.resize(header.size());
        grid.push_back(row);
    }
    return grid;
}

} // namespace

Team KnownTeam() {
    return {Grid(BatterHeader, BatterLabels, KnownBatters),
            Grid(PitcherHeader, PitcherLabels, KnownPitchers)};
}

Team TeamWithValues(const std::vector<std::string>& averages,
                    const std::vector<std::string>& homeRuns,
                    const std::vector<std::string>& speeds, const std::vector<std::string>& eras,
                    const std::vector<std::string>& fastBalls) {
    Team team = KnownTeam();
    for (std::size_t i = 0; i < BatterLabels.size(); ++i) {
        team.batters[i + 1][5] = averages.at(i);
        team.batters[i + 1][6] = homeRuns.at(i);
        team.batters[i + 1][7] = speeds.at(i);
    }
    for (std::size_t i = 0; i < PitcherLabels.size(); ++i) {
        team.pitchers[i + 1][4] = eras.at(i);
        team.pitchers[i + 1][6] = fastBalls.at(i);
    }
    return team;
}

std::vector<std::string> Batters(const std::string& text) {
    return std::vector<std::string>(BatterLabels.size(), text);
}

std::vector<std::string> Pitchers(const std::string& text) {
    return std::vector<std::string>(PitcherLabels.size(), text);
}

std::string ReadDataFile(const std::string& name) {
    const std::string path = std::string(REPORTS_TEST_DATA_DIR) + "/" + name;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

} // namespace reportstest
