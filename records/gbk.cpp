#include "records/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace {

// Converts with iconv, putting '?' for every byte sequence it cannot take and
// going on with the next byte.
std::string Convert(const char* to, const char* from, const std::string& in)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return in;
    std::string out;
    std::vector<char> buffer(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    while (srcLeft > 0) {
        char* dst = buffer.data();
        std::size_t dstLeft = buffer.size();
        std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer.data(), buffer.size() - dstLeft);
        if (rc == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL: skip one byte (a whole UTF-8 character when converting from it).
            std::size_t skip = 1;
            if (std::string(from) == "UTF-8") {
                while (skip < srcLeft && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80)
                    ++skip;
            }
            out.push_back('?');
            src += skip;
            srcLeft -= skip;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string Utf8ToGbk(const std::string& utf8)
{
    for (unsigned char c : utf8)
        if (c >= 0x80)
            return Convert("GBK", "UTF-8", utf8);
    return utf8;
}

std::string GbkToUtf8(const std::string& gbk)
{
    for (unsigned char c : gbk)
        if (c >= 0x80)
            return Convert("UTF-8", "GBK", gbk);
    return gbk;
}

std::size_t GbkPrefixLength(const std::string& gbk, std::size_t maxBytes)
{
    std::size_t i = 0;
    while (i < gbk.size()) {
        std::size_t width = IsGbkLeadByte(static_cast<unsigned char>(gbk[i])) && i + 1 < gbk.size() ? 2 : 1;
        if (i + width > maxBytes)
            break;
        i += width;
    }
    return i;
}
