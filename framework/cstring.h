#pragma once

#include <string>
#include <string_view>

#if defined(__GNUC__)
#define AFX_PRINTF_FORMAT(formatIndex, firstArgument) \
    __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define AFX_PRINTF_FORMAT(formatIndex, firstArgument)
#endif

// A byte string. The programs' text is UTF-8, which plays the part of the old platform's
// narrow code page; widgets receive it converted.
class CString {
public:
    CString() = default;
    CString(const char* text) : text_(text != nullptr ? text : "") {}  // NOLINT: as the old API
    CString(std::string_view text) : text_(text) {}                    // NOLINT: as the old API

    CString& operator=(const char* text);
    CString& operator+=(char ch);
    CString& operator+=(const char* text);
    CString& operator+=(const CString& text);

    friend CString operator+(const CString& left, const CString& right);
    friend CString operator+(const CString& left, const char* right);
    friend CString operator+(const char* left, const CString& right);
    friend CString operator+(const CString& left, char right);

    bool operator==(const CString& other) const { return text_ == other.text_; }
    bool operator==(const char* other) const { return other != nullptr && text_ == other; }

    int GetLength() const { return static_cast<int>(text_.size()); }
    bool IsEmpty() const { return text_.empty(); }
    // The byte at `index`; 0 outside the string.
    char GetAt(int index) const;
    // The first `count` bytes (all of them when there are fewer).
    CString Left(int count) const;

    // Replaces the text by printf-style formatting, e.g. Format("%d", value).
    void Format(const char* format, ...) AFX_PRINTF_FORMAT(2, 3);

    operator const char*() const { return text_.c_str(); }  // NOLINT: as the old API
    const std::string& Str() const { return text_; }

private:
    std::string text_;
};
