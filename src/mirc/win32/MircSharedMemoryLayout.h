#pragma once

#include <cstddef>

// What mIRC expects of the shared memory through which texts travel to and
// from it. Plain C++: shared by the Win32 code (Korvel on Windows, the Wine
// bridge, the fake mIRC) and by Korvel's portable side.
namespace MircSharedMemoryLayout {

// Name of the page-file-backed mapping that mIRC opens for index 0.
constexpr wchar_t mappingName[] = L"mIRC";

// mIRC wants at least 4096 bytes; a little more leaves room for long paths.
constexpr std::size_t sizeInBytes = 4150;

// Texts are UTF-16 code units followed by one NUL unit.
constexpr std::size_t unitsInMapping = sizeInBytes / 2;
constexpr std::size_t maxTextLength = unitsInMapping - 1;

// Window messages and their parameters.
constexpr unsigned userMessageBase = 0x400;
constexpr unsigned commandMessage = userMessageBase + 200;
constexpr unsigned evaluateMessage = userMessageBase + 201;
constexpr unsigned unicodeTextFlag = 8; // wParam: the mapping holds UTF-16
constexpr long mappingIndex = 0;        // lParam: the mapping named "mIRC"

// A main window of mIRC has a title beginning with this; titles are read
// into a buffer of this many characters.
constexpr wchar_t titlePrefix[] = L"mIRC";
constexpr int titleBufferLength = 100;

} // namespace MircSharedMemoryLayout
