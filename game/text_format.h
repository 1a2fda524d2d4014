#pragma once
// Sentences with placeholders: %1 to %9 stand for the arguments in order, so a
// translation may put them where its language wants them. A "%" before
// anything else is an ordinary character.

#include <initializer_list>
#include <string>

std::string Format(const char* pattern, std::initializer_list<std::string> args);
