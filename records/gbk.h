#pragma once
// The one text codec of the program: UTF-8 in memory, GBK in files and in the
// byte-wise comparisons and limits that work on GBK bytes.

#include <cstddef>
#include <string>

// Characters GBK cannot hold become '?'.
std::string Utf8ToGbk(const std::string& utf8);
// Bytes that are not valid GBK become '?'.
std::string GbkToUtf8(const std::string& gbk);

// The longest prefix of GBK bytes, at most maxBytes long, that does not split a
// double-byte character.
std::size_t GbkPrefixLength(const std::string& gbk, std::size_t maxBytes);

inline bool IsGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
