#include "framework/cstring.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

CString& CString::operator=(const char* text)
{
    text_ = text != nullptr ? text : "";
    return *this;
}

CString& CString::operator+=(char ch)
{
    text_ += ch;
    return *this;
}

CString& CString::operator+=(const char* text)
{
    if (text != nullptr)
        text_ += text;
    return *this;
}

CString& CString::operator+=(const CString& text)
{
    text_ += text.text_;
    return *this;
}

CString operator+(const CString& left, const CString& right)
{
    CString result = left;
    result += right;
    return result;
}

CString operator+(const CString& left, const char* right)
{
    CString result = left;
    result += right;
    return result;
}

CString operator+(const char* left, const CString& right)
{
    CString result = left;
    result += right;
    return result;
}

CString operator+(const CString& left, char right)
{
    CString result = left;
    result += right;
    return result;
}

char CString::GetAt(int index) const
{
    if (index < 0 || index >= GetLength())
        return '\0';
    return text_[static_cast<std::size_t>(index)];
}

CString CString::Left(int count) const
{
    if (count <= 0)
        return {};
    return CString(std::string_view(text_).substr(0, static_cast<std::size_t>(count)));
}

void CString::Format(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    if (length < 0) {
        text_.clear();
    } else {
        std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, arguments);
        text_.assign(buffer.data(), static_cast<std::size_t>(length));
    }
    va_end(arguments);
}
