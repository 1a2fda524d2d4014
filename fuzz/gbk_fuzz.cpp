// The GBK codec and the cutting of top-ten names: any bytes convert to valid
// UTF-8, GBK written by the codec reads back unchanged, and a cut name fits its
// field, keeps no control character and stays as it is when cut again.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "records/gbk.h"
#include "records/top_ten.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const std::string utf8 = GbkToUtf8(bytes);
    FUZZ_CHECK(IsValidUtf8(utf8));
    const std::string gbk = Utf8ToGbk(ValidUtf8(bytes));
    FUZZ_CHECK(Utf8ToGbk(GbkToUtf8(gbk)) == gbk);

    for (std::size_t most : {std::size_t{0}, std::size_t{1}, kTopTenFieldBytes, size}) {
        const std::size_t cut = GbkPrefixLength(bytes, most);
        FUZZ_CHECK(cut <= most && cut <= bytes.size());
    }

    const std::string name = CutTopTenName(bytes);
    FUZZ_CHECK(IsValidUtf8(name));
    FUZZ_CHECK(Utf8ToGbk(name).size() <= kTopTenFieldBytes);
    for (unsigned char c : name)
        FUZZ_CHECK(c >= 0x20 && c != 0x7F);
    FUZZ_CHECK(CutTopTenName(name) == name);
    return 0;
}
