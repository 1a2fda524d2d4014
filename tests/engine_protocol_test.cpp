// torvane-engine as a program: command lines in, JSON events out.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <clocale>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "torvane_config.h"

namespace {

struct EngineRun {
    std::vector<std::string> lines;
    int status = -1;

    // The events whose "ev" is kind.
    std::vector<std::string> Of(const std::string& kind) const
    {
        std::vector<std::string> out;
        for (const std::string& line : lines)
            if (line.find("\"ev\":\"" + kind + "\"") != std::string::npos)
                out.push_back(line);
        return out;
    }
};

std::string TempDir()
{
    static std::mt19937 names(std::random_device{}());
    auto dir = std::filesystem::temp_directory_path() / ("torvane-engine-" + std::to_string(names()));
    std::filesystem::create_directories(dir);
    return dir.string();
}

EngineRun Engine(const std::string& input, const std::string& args, const std::string& dir = TempDir())
{
    const std::string script = dir + "/input.txt";
    std::ofstream(script) << input;
    // The texts are pinned to Chinese, whatever the locale of the machine.
    const std::string command = std::string(TORVANE_ENGINE) + " --lang zh " + args + " --dir " + dir + " < " + script;
    EngineRun run;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[65536];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe)) {
        std::string line = buffer;
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        run.lines.push_back(line);
    }
    int raw = pipe ? pclose(pipe) : -1;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

bool Has(const std::string& line, const std::string& part) { return line.find(part) != std::string::npos; }

// Well-formed UTF-8, checked by the C library's own decoder.
bool IsUtf8(const std::string& text)
{
    std::mbstate_t state{};
    const char* locale = std::setlocale(LC_CTYPE, "C.UTF-8");
    bool valid = locale != nullptr;
    for (std::size_t i = 0; valid && i < text.size();) {
        wchar_t c = 0;
        std::size_t n = std::mbrtowc(&c, text.data() + i, text.size() - i, &state);
        valid = n != static_cast<std::size_t>(-1) && n != static_cast<std::size_t>(-2) && n != 0;
        i += valid ? n : 0;
    }
    std::setlocale(LC_CTYPE, "C");
    return valid;
}

}  // namespace

TEST(EngineProtocol, PlaysTheDocumentedExampleByteForByte)
{
    EngineRun run = Engine("buy 0 -- 3\ntravel 2\n", "--seed 2");
    ASSERT_EQ(run.lines.size(), 6u);
    EXPECT_EQ(run.lines[1], "{\"ev\":\"dialog\",\"id\":131,\"texts\":{\"1022\":\"2000元人民币,最多可以买13个进口香烟。\","
                            "\"1107\":\"\"},\"field\":\"13\"}");
    EXPECT_EQ(run.lines[2], "{\"ev\":\"sound\",\"file\":\"buy.wav\"}");
    EXPECT_TRUE(Has(run.lines[5], "\"cash\":1565,\"debt\":6050"));
    EXPECT_TRUE(Has(run.lines[5], "\"marketPrices\":[289,0,11,3153,13829,0,1117,0]"));
    EXPECT_TRUE(Has(run.lines[5], "\"title\":\"Torvane(1/40天)\""));
    EXPECT_EQ(run.status, 0);
}

TEST(EngineProtocol, ASeedReplaysAWholeGameIdentically)
{
    std::string input;
    for (int day = 0; day < 45; ++day)
        input += "buyall -- ok\nsellall -- ok\ntravel " + std::to_string(day % 10 + 1) + " -- name=bot no\n";
    EngineRun first = Engine(input, "--seed 99");
    EngineRun second = Engine(input, "--seed 99");
    EXPECT_EQ(first.lines, second.lines);
    EXPECT_GT(first.lines.size(), 100u);
    ASSERT_FALSE(first.Of("close").empty());
    EXPECT_EQ(first.lines.back(), first.Of("close").back());
}

TEST(EngineProtocol, ValidationMessagesKeepTheDialogOpen)
{
    EngineRun run = Engine("buy 0 -- abc 9999 cancel\n", "--seed 2");
    auto boxes = run.Of("box");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(Has(boxes[0], "\"text\":\"Please enter an integer.\""));
    EXPECT_TRUE(Has(boxes[0], "\"icon\":\"exclamation\""));
    EXPECT_TRUE(Has(boxes[1], "Please enter an integer between 0 and 13."));
    EXPECT_EQ(run.Of("sound").size(), 0u);
}

TEST(EngineProtocol, ErrorsForUnknownLinesAndMissingOrLeftoverAnswers)
{
    EngineRun run = Engine("# a comment\n\nfly away\nbuy 0\nmap -- yes\n", "--seed 2");
    auto errors = run.Of("error");
    EXPECT_EQ(errors.size(), 3u);   // the unknown line, the missing answer, the left-over one
    EXPECT_EQ(run.Of("state").size(), 4u);   // start-up and three commands
    EXPECT_TRUE(Has(run.Of("state").back(), "\"mapMode\":2"));
}

TEST(EngineProtocol, NewGameAsksAfterThreeDaysAndTheWindowClosesOnCancel)
{
    EngineRun run = Engine("travel 1\ntravel 2\ntravel 3\nnew -- no\ncancel\nmap\n", "--seed 5");
    auto boxes = run.Of("box");
    ASSERT_FALSE(boxes.empty());
    EXPECT_TRUE(Has(boxes.back(), "\"buttons\":\"yesno\""));
    EXPECT_EQ(run.lines.back(), "{\"ev\":\"close\",\"result\":\"cancel\"}");
    EXPECT_EQ(run.status, 0);
}

TEST(EngineProtocol, AnUnwritableScoreFileExitsWithMinusOne)
{
    const std::string dir = TempDir();
    std::filesystem::create_directory(dir + "/score.txt");   // a folder is no file to write
    EngineRun run = Engine("topten\n", "--seed 1", dir);
    EXPECT_EQ(run.lines.back(), "{\"ev\":\"exit\",\"status\":-1}");
    EXPECT_EQ(run.status, 255);
}

TEST(EngineProtocol, EveryEventIsValidUtf8WhateverTheInputBytes)
{
    // A stray continuation byte, a cut sequence, an overlong slash, a surrogate, GBK.
    EngineRun run = Engine("buy \x80\xE4\xB8 \xC0\xAF \xED\xA0\x80 \xBD\xF0\n", "--seed 1");
    ASSERT_EQ(run.Of("error").size(), 1u);
    for (const std::string& line : run.lines)
        EXPECT_TRUE(IsUtf8(line)) << line;
    EXPECT_TRUE(Has(run.Of("error")[0], "buy \xEF\xBF\xBD"));
    EXPECT_EQ(run.status, 0);
}

TEST(EngineProtocol, RejectsUnknownOptions)
{
    EngineRun help = Engine("", "--help");
    EXPECT_EQ(help.status, 0);
    ASSERT_FALSE(help.lines.empty());
    EXPECT_TRUE(Has(help.lines[0], "usage: torvane-engine"));
    EngineRun version = Engine("", "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.lines, (std::vector<std::string>{"torvane-engine " + std::string(kTorvaneVersion)}));
    EXPECT_EQ(Engine("", "--colour blue").status, 2);
    EXPECT_EQ(Engine("", "--seed 4294967296").status, 2);
    EXPECT_EQ(Engine("", "--seed 4294967295").status, 0);
}
