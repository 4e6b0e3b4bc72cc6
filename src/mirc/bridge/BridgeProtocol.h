#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The line protocol between Korvel and the helper it runs under Wine. Plain
// C++: both sides build it. One request per line, one answer line per
// request, in order; lines are UTF-8 and a text carries its backslashes,
// line feeds and carriage returns escaped, so any text fits on one line.
//
//   helper at start:   "ready" | "unavailable"
//   "find"             -> "instances" followed by " <hex window>" for each
//   "eval <hex> <text>"-> "result <text>" | "toolong" | "unavailable"
//   "cmd <hex> <text>" -> "done" | "toolong" | "unavailable"
//   anything else      -> "error"
namespace BridgeProtocol {

namespace Word {
constexpr char ready[] = "ready";
constexpr char unavailable[] = "unavailable";
constexpr char find[] = "find";
constexpr char instances[] = "instances";
constexpr char evaluate[] = "eval";
constexpr char result[] = "result";
constexpr char command[] = "cmd";
constexpr char done[] = "done";
constexpr char tooLong[] = "toolong";
constexpr char error[] = "error";
} // namespace Word

std::string escape(const std::string& text);
std::string unescape(const std::string& text);

struct Request {
    enum class Kind { Find, Evaluate, Command, Invalid };
    Kind kind = Kind::Invalid;
    std::uint64_t window = 0;
    std::string text; // unescaped
};

std::string formatFind();
std::string formatEvaluate(std::uint64_t window, const std::string& expression);
std::string formatCommand(std::uint64_t window, const std::string& text);
Request parseRequest(const std::string& line);

std::string formatInstances(const std::vector<std::uint64_t>& windows);
// False when the line is not a list of instances.
bool parseInstances(const std::string& line, std::vector<std::uint64_t>& windows);

std::string formatResult(const std::string& text);
// The line's first word, and what follows it (unescaped) for "result".
std::string answerWord(const std::string& line);
std::string resultText(const std::string& line);

} // namespace BridgeProtocol
