// Turns the content we write in UTF-8 into the files the game reads beside its
// executable:
//   contentgen news HEADLINES.txt news.txt   one headline a line -> GBK "|a|b|", scrambled
//   contentgen help PAGE.html helpinfo        the page as GBK, scrambled with the help key

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "records/gbk.h"
#include "records/scrambled_file.h"

namespace {

bool ReadFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// The headlines joined as the ticker reads them: a leading "|" and a "|" after each.
std::string NewsText(const std::string& utf8)
{
    std::istringstream lines(utf8);
    std::string text = "|";
    for (std::string line; std::getline(lines, line);) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (!line.empty())
            text += line + "|";
    }
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4 || (std::string(argv[1]) != "news" && std::string(argv[1]) != "help")) {
        std::cerr << "usage: contentgen news|help SOURCE TARGET\n";
        return 2;
    }
    const bool news = std::string(argv[1]) == "news";
    std::string source;
    if (!ReadFile(argv[2], source)) {
        std::cerr << "contentgen: cannot read " << argv[2] << "\n";
        return 1;
    }
    const std::string gbk = Utf8ToGbk(news ? NewsText(source) : source);
    if (GbkToUtf8(gbk) != (news ? NewsText(source) : source)) {
        std::cerr << "contentgen: " << argv[2] << " holds characters GBK cannot encode\n";
        return 1;
    }
    if (!WriteFile(argv[3], Scramble(gbk, news ? kNewsKey : kHelpInfoKey))) {
        std::cerr << "contentgen: cannot write " << argv[3] << "\n";
        return 1;
    }
    return 0;
}
