// The batch command without per-line allocations: the input is read in large blocks and split
// in place, function names are looked up by string_view, numbers go through the number-text
// parser (std::from_chars behind the number grammar) and results are written with
// std::to_chars into one output buffer. The output is byte for byte that of `call`: the value
// as printf's "%.17g", the code, the text.
#include "CliBatch.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "KX_Function_Call.h"
#include "KX_Libraries_Object.h"
#include "NumberText.h"

namespace {

constexpr int ErrorTextCapacity = 255;
constexpr std::size_t InputBlock = 1 << 16;
constexpr std::size_t OutputFlush = 1 << 16;
// The most words of a line that are kept (a function and three arguments); more only count
// towards the "given" number.
constexpr int KeptWords = 4;

struct TStringHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

using TFunctionIndex =
    std::unordered_map<std::string, std::pair<int, int>, TStringHash, std::equal_to<>>;

TFunctionIndex BuildIndex(const TKXLibraries& registry) {
    TFunctionIndex index;
    for (int l = 0; l < registry.Count(); ++l)
        for (int f = 0; f < registry.Library(l)->Count(); ++f)
            index.emplace(registry.Library(l)->Function(f)->FunctionName, std::make_pair(l, f));
    return index;
}

// The white space of the classic locale, which separates the words of a line.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::string EchoedWord(std::string_view word) {
    std::size_t end = std::min(word.size(), EchoedBytes);
    // Back to the start of a UTF-8 character when the cut falls inside one.
    if (end < word.size())
        while (end > 0 && (static_cast<unsigned char>(word[end]) & 0xC0) == 0x80) --end;
    std::string echoed;
    for (const char c : word.substr(0, end)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '\\') {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            echoed += escaped;
        } else {
            echoed += c;
        }
    }
    if (end < word.size()) echoed += "...";
    return echoed;
}

namespace {

class TBatch {
  public:
    TBatch(const TKXLibraries& registry, std::ostream& out)
        : registry_(registry), index_(BuildIndex(registry)), out_(out) {
        buffer_.reserve(OutputFlush + 1024);
    }
    ~TBatch() { Flush(); }
    TBatch(const TBatch&) = delete;
    TBatch& operator=(const TBatch&) = delete;

    void Line(std::string_view line) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::string_view words[KeptWords];
        int count = 0;
        std::size_t i = 0;
        while (true) {
            while (i < line.size() && IsSpace(line[i])) ++i;
            if (i == line.size()) break;
            const std::size_t begin = i;
            while (i < line.size() && !IsSpace(line[i])) ++i;
            if (count < KeptWords) words[count] = line.substr(begin, i - begin);
            ++count;
        }
        if (count == 0) return Error("empty line");
        Call(words[0], words + 1, count - 1);
        if (buffer_.size() >= OutputFlush) Flush();
    }

    void Flush() {
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        buffer_.clear();
    }

  private:
    void Error(std::string_view message) {
        buffer_ += "ERROR\t";
        buffer_ += message;
        buffer_ += '\n';
    }

    void Call(std::string_view function, const std::string_view* args, int given) {
        const auto it = index_.find(function);
        if (it == index_.end()) return Error("unknown function: " + EchoedWord(function));
        const int library = it->second.first;
        const int index = it->second.second;
        const int arity = registry_.GetNoOfArguments(library, index);
        if (given != arity)
            return Error(std::string(function) + " takes " + std::to_string(arity) +
                         " argument(s), " + std::to_string(given) + " given");
        double x[KeptWords - 1] = {0.0, 0.0, 0.0};
        for (int a = 0; a < given && a < KeptWords - 1; ++a)
            if (!TryParseNumber(args[a], x[a]))
                return Error("not a number: " + EchoedWord(args[a]));

        char text[ErrorTextCapacity + 1] = "";
        int32_t code = 0;
        const double value = KXCallFunction(registry_.GetFunctionPtr(library, index), x, text,
                                            ErrorTextCapacity, &code);
        AppendValue(value);
        buffer_ += '\t';
        char number[16];
        const auto end = std::to_chars(number, number + sizeof number, code).ptr;
        buffer_.append(number, end);
        buffer_ += '\t';
        buffer_ += text;
        buffer_ += '\n';
    }

    // std::to_chars with a precision writes what printf's "%.<precision>g" writes; printf keeps
    // the texts of infinities and NaN, which a library function returns only with an error.
    void AppendValue(double value) {
        char number[40];
        if (std::isfinite(value)) {
            const auto end =
                std::to_chars(number, number + sizeof number, value, std::chars_format::general, 17)
                    .ptr;
            buffer_.append(number, end);
        } else {
            std::snprintf(number, sizeof number, "%.17g", value);
            buffer_ += number;
        }
    }

    const TKXLibraries& registry_;
    const TFunctionIndex index_;
    std::ostream& out_;
    std::string buffer_;
};

}  // namespace

bool RunBatch(const TKXLibraries& registry, std::istream& in, std::ostream& out,
              std::string& error) {
    TBatch batch(registry, out);
    std::string pending;  // the start of a line that a block cut off
    std::string block(InputBlock, '\0');
    // Standard input is read with read(2), which returns what has arrived (a line typed at a
    // terminal, what a pipe holds) instead of waiting for a full block; the answers so far are
    // written out first, so a program that feeds one line and waits for its answer is served,
    // as the line-by-line reading with its tied output stream did. Other streams are read in
    // blocks.
    const bool standardInput = &in == &std::cin;
    std::streambuf* source = in.rdbuf();
    while (standardInput || source) {
        std::streamsize got = 0;
        if (standardInput) {
            batch.Flush();
            out.flush();
            if (!out) break;  // nobody reads the answers: stop reading the questions
            const ssize_t n = ::read(STDIN_FILENO, block.data(), block.size());
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                error = std::string("cannot read standard input: ") + std::strerror(errno);
                return false;
            }
            got = n;
        } else {
            got = source->sgetn(block.data(), static_cast<std::streamsize>(block.size()));
        }
        if (got <= 0) break;
        std::string_view rest(block.data(), static_cast<std::size_t>(got));
        for (std::size_t newline; (newline = rest.find('\n')) != std::string_view::npos;) {
            if (pending.empty()) {
                batch.Line(rest.substr(0, newline));
            } else {
                pending.append(rest.substr(0, newline));
                batch.Line(pending);
                pending.clear();
            }
            rest.remove_prefix(newline + 1);
        }
        pending.append(rest);
    }
    // A last line without a line end is still a line; nothing after the last line end is none.
    if (!pending.empty()) batch.Line(pending);
    batch.Flush();
    in.setstate(std::ios::eofbit);
    return true;
}
