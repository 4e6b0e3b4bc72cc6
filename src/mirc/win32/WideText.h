#pragma once

#include <string>

// UTF-8 (pipes, files) to and from UTF-16 (Win32, the shared memory), for
// the Windows helper programs.
namespace WideText {

std::wstring fromUtf8(const std::string& text);
std::string toUtf8(const std::wstring& text);

} // namespace WideText
