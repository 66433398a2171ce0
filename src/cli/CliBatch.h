#pragma once
// `varnexa-cli batch`: reads lines "FUNCTION [X1 [X2 [X3]]]" and writes one `call` line per line,
// in order; a malformed line gives "ERROR<TAB>message" and the run goes on.
#include <iosfwd>
#include <string>
#include <string_view>

class TKXLibraries;

// False with the reason in error when the input cannot be read (standard input is a directory)
// or the output cannot be written; the lines answered before stay written.
bool RunBatch(const TKXLibraries& registry, std::istream& in, std::ostream& out,
              std::string& error);

// A word of the input as an error message echoes it: at most EchoedBytes bytes of it (then
// "..."), never a split character, control bytes and backslashes as \xHH.
inline constexpr std::size_t EchoedBytes = 64;
std::string EchoedWord(std::string_view word);
