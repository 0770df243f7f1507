#pragma once

#include <QString>

#include <string>
#include <string_view>

// The programs' byte strings are UTF-8; the toolkit's strings are UTF-16.
namespace detail {

inline QString ToNative(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

}  // namespace detail
