#pragma once
// A small writer for one JSON object per line.

#include <cstdint>
#include <string>
#include <vector>

class JsonObject {
public:
    JsonObject& Add(const std::string& key, const std::string& value);
    JsonObject& Add(const std::string& key, const char* value) { return Add(key, std::string(value)); }
    JsonObject& Add(const std::string& key, std::int64_t value);
    JsonObject& Add(const std::string& key, int value) { return Add(key, std::int64_t{value}); }
    // A value already written as JSON.
    JsonObject& AddRaw(const std::string& key, const std::string& json);
    std::string str() const { return "{" + body_ + "}"; }

private:
    void Key(const std::string& key);
    std::string body_;
};

// The text with every byte that is not part of well-formed UTF-8 replaced by U+FFFD.
std::string ValidUtf8(const std::string& text);
// A JSON string: always valid UTF-8, whatever bytes the text holds.
std::string JsonString(const std::string& text);
std::string JsonArray(const std::vector<std::string>& jsonValues);
std::string JsonStringArray(const std::vector<std::string>& texts);
