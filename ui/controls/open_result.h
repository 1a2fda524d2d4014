#pragma once
// What opening a link or a file with the desktop's handler came to: opened, or
// the failure code the error messages are keyed on (the shell's numbering: 2
// file not found, 31 no associated application, others unknown).

struct OpenResult {
    bool opened = false;
    int code = 0;
};

constexpr int kOpenFileNotFound = 2;
constexpr int kOpenNoHandler = 31;
