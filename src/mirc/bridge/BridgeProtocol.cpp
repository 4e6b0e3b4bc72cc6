#include "BridgeProtocol.h"

#include <cstdlib>

namespace BridgeProtocol {

namespace {

constexpr char separator = ' ';

std::string hex(std::uint64_t value)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    do {
        text.insert(text.begin(), digits[value & 0xf]);
        value >>= 4;
    } while (value != 0);
    return text;
}

bool parseHex(const std::string& text, std::uint64_t& value)
{
    if (text.empty() || text.size() > 16)
        return false;
    value = 0;
    for (char c : text) {
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            return false;
        value = (value << 4) | std::uint64_t(digit);
    }
    return true;
}

// Splits "word rest" at its first space; rest is empty without one.
void splitFirst(const std::string& line, std::string& word, std::string& rest)
{
    const std::size_t space = line.find(separator);
    word = line.substr(0, space);
    rest = space == std::string::npos ? std::string() : line.substr(space + 1);
}

std::string withWindow(const char* word, std::uint64_t window, const std::string& text)
{
    return std::string(word) + separator + hex(window) + separator + escape(text);
}

} // namespace

std::string escape(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\': escaped += "\\\\"; break;
        case '\n': escaped += "\\n"; break;
        case '\r': escaped += "\\r"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string unescape(const std::string& text)
{
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const char next = text[++i];
        plain += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return plain;
}

std::string formatFind()
{
    return Word::find;
}

std::string formatEvaluate(std::uint64_t window, const std::string& expression)
{
    return withWindow(Word::evaluate, window, expression);
}

std::string formatCommand(std::uint64_t window, const std::string& text)
{
    return withWindow(Word::command, window, text);
}

Request parseRequest(const std::string& line)
{
    Request request;
    std::string word, rest;
    splitFirst(line, word, rest);
    if (word == Word::find && rest.empty()) {
        request.kind = Request::Kind::Find;
        return request;
    }
    const bool isEvaluate = word == Word::evaluate;
    if (!isEvaluate && word != Word::command)
        return request;
    std::string window, text;
    splitFirst(rest, window, text);
    if (!parseHex(window, request.window))
        return request;
    request.kind = isEvaluate ? Request::Kind::Evaluate : Request::Kind::Command;
    request.text = unescape(text);
    return request;
}

std::string formatInstances(const std::vector<std::uint64_t>& windows)
{
    std::string line = Word::instances;
    for (std::uint64_t window : windows)
        line += separator + hex(window);
    return line;
}

bool parseInstances(const std::string& line, std::vector<std::uint64_t>& windows)
{
    windows.clear();
    std::string word, rest;
    splitFirst(line, word, rest);
    if (word != Word::instances)
        return false;
    while (!rest.empty()) {
        std::string window;
        splitFirst(rest, window, rest);
        std::uint64_t value = 0;
        if (!parseHex(window, value))
            return false;
        windows.push_back(value);
    }
    return true;
}

std::string formatResult(const std::string& text)
{
    return std::string(Word::result) + separator + escape(text);
}

std::string answerWord(const std::string& line)
{
    return line.substr(0, line.find(separator));
}

std::string resultText(const std::string& line)
{
    const std::size_t space = line.find(separator);
    return space == std::string::npos ? std::string() : unescape(line.substr(space + 1));
}

} // namespace BridgeProtocol
