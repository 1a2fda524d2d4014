#include "engine/line_reader.h"

namespace {

// The blanks that separate words ("C" locale white space), whatever the locale.
bool IsBlank(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

bool ReadInputLine(std::istream& in, InputLine& line)
{
    line = InputLine{};
    std::streambuf* source = in.rdbuf();
    char first = 0;   // the first character other than a blank
    bool any = false;
    for (;;) {
        const int c = source ? source->sbumpc() : std::char_traits<char>::eof();
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            if (!any)
                return false;
            break;
        }
        any = true;
        if (c == '\n')
            break;
        ++line.length;
        if (first == 0 && !IsBlank(c))
            first = static_cast<char>(c);
        if (line.length <= kMostLineBytes)
            line.text.push_back(static_cast<char>(c));
    }
    line.tooLong = line.length > kMostLineBytes;
    if (line.tooLong)
        std::string().swap(line.text);
    line.blankOrComment = first == 0 || first == '#';
    return true;
}
