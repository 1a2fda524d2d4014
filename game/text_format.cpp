#include "game/text_format.h"

#include <vector>

std::string Format(const char* pattern, std::initializer_list<std::string> args)
{
    const std::vector<std::string> values(args);
    std::string out;
    for (const char* p = pattern; *p; ++p) {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9') {
            const std::size_t index = static_cast<std::size_t>(p[1] - '1');
            if (index < values.size())
                out += values[index];
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}
