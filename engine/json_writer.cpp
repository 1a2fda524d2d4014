#include "engine/json_writer.h"

#include <cstdio>

namespace {

// The length of the well-formed UTF-8 sequence at text[i], or 0 when the bytes
// there are not one (a stray continuation byte, a cut or overlong sequence, a
// surrogate or a code point above U+10FFFF).
std::size_t Utf8SequenceLength(const std::string& text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char lo = 0x80, hi = 0xBF;   // bounds of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) lo = 0xA0;
        if (lead == 0xED) hi = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) lo = 0x90;
        if (lead == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (i + length > text.size() || byte(i + 1) < lo || byte(i + 1) > hi)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    return length;
}

}  // namespace

std::string ValidUtf8(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            out += "\xEF\xBF\xBD";   // U+FFFD for each byte that is not UTF-8
            ++i;
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out;
}

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (char c : ValidUtf8(text)) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string JsonArray(const std::vector<std::string>& jsonValues)
{
    std::string out = "[";
    for (std::size_t i = 0; i < jsonValues.size(); ++i)
        out += (i ? "," : "") + jsonValues[i];
    return out + "]";
}

std::string JsonStringArray(const std::vector<std::string>& texts)
{
    std::vector<std::string> values;
    for (const std::string& text : texts)
        values.push_back(JsonString(text));
    return JsonArray(values);
}

void JsonObject::Key(const std::string& key)
{
    if (!body_.empty())
        body_ += ",";
    body_ += JsonString(key) + ":";
}

JsonObject& JsonObject::Add(const std::string& key, const std::string& value)
{
    Key(key);
    body_ += JsonString(value);
    return *this;
}

JsonObject& JsonObject::Add(const std::string& key, std::int64_t value)
{
    Key(key);
    body_ += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::AddRaw(const std::string& key, const std::string& json)
{
    Key(key);
    body_ += json;
    return *this;
}
