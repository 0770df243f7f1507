#pragma once

#include <string>
#include <utility>

// A byte string. The programs' text is UTF-8, which plays the part of the old platform's
// narrow code page; widgets receive it converted.
class CString {
public:
    CString() = default;
    explicit CString(std::string text) : text_(std::move(text)) {}

    const std::string& Str() const { return text_; }

private:
    std::string text_;
};
