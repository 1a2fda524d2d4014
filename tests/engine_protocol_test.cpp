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

#include <sys/resource.h>

#include "engine/engine.h"
#include "engine/line_reader.h"
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

// An input of one line of length bytes, made as it is read, then the rest.
class LongLineInput : public std::streambuf {
public:
    LongLineInput(std::uintmax_t length, std::string rest) : left_(length), rest_(std::move(rest)) {}

protected:
    int_type underflow() override
    {
        if (left_ > 0) {
            const std::size_t n = static_cast<std::size_t>(std::min<std::uintmax_t>(left_, sizeof chunk_));
            std::fill(chunk_, chunk_ + n, 'x');
            left_ -= n;
            setg(chunk_, chunk_, chunk_ + n);
        } else if (!restGiven_) {
            restGiven_ = true;
            setg(rest_.data(), rest_.data(), rest_.data() + rest_.size());
        } else {
            return traits_type::eof();
        }
        return traits_type::to_int_type(*gptr());
    }

private:
    std::uintmax_t left_;
    std::string rest_;
    bool restGiven_ = false;
    char chunk_[64 * 1024];
};

long PeakKilobytes()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
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

TEST(EngineProtocol, AnOverlongLineIsOneShortErrorAndTheNextLineIsRead)
{
    constexpr std::uintmax_t kLength = 192ull * 1024 * 1024;
    LongLineInput source(kLength, "\nmap\n");
    std::istream in(&source);
    std::ostringstream out;
    const long before = PeakKilobytes();
    EXPECT_EQ(RunEngine(in, out, TempDir()), 0);
    EXPECT_LT(PeakKilobytes() - before, 64 * 1024) << "kilobytes taken for the line";

    std::vector<std::string> lines;
    std::istringstream events(out.str());
    for (std::string line; std::getline(events, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 4u);   // start-up, the long line's error and state, map's state
    EXPECT_TRUE(Has(lines[1], "\"ev\":\"error\"") && Has(lines[1], std::to_string(kLength))) << lines[1];
    EXPECT_LT(lines[1].size(), 200u);
    EXPECT_TRUE(Has(lines[2], "\"ev\":\"state\""));
    EXPECT_TRUE(Has(lines[3], "\"mapMode\":2"));

    // A line just within the bound is read as a command, and echoed as one.
    const std::string within = "fly " + std::string(kMostLineBytes - 4, 'y');
    std::istringstream withinIn(within + "\n");
    std::ostringstream withinOut;
    RunEngine(withinIn, withinOut, TempDir());
    EXPECT_TRUE(Has(withinOut.str(), "not understood: " + within));
}
