#include "engine/json_writer.h"

#include <cstdio>

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
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
