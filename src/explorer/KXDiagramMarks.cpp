#include "KXDiagramMarks.h"

#include <cctype>
#include <regex>
#include <sstream>

#include "KXCycle.h"
#include "KX_Library_Info.h"

namespace {

// "R.", "H.-J.", "Ch.", "T": an initial before a surname.
bool IsInitial(const std::string& word) {
    static const std::regex initial(R"([A-Z][a-z]?\.?(-[A-Z][a-z]?\.?)?)");
    return std::regex_match(word, initial);
}

// The surname of "R. Tillner-Roth" or "McLinden et al."; empty when the text is no author.
std::string Surname(const std::string& author, bool& etAl) {
    std::istringstream in(author);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    etAl = words.size() >= 2 && words[words.size() - 2] == "et" && words.back() == "al.";
    if (etAl) words.resize(words.size() - 2);
    if (words.empty()) return {};
    const std::string& last = words.back();
    if (!std::isupper(static_cast<unsigned char>(last[0])) || last.back() == '.') return {};
    for (char c : last)
        if (std::isdigit(static_cast<unsigned char>(c))) return {};
    for (std::size_t k = 0; k + 1 < words.size(); ++k)
        if (!IsInitial(words[k])) return {};
    // A surname alone passes only as "X et al.".
    return words.size() >= 2 || etAl ? last : std::string();
}

}  // namespace

std::string ShortCitation(const std::string& citation) {
    const std::string first = citation.substr(0, citation.find("; "));
    std::vector<std::string> parts;
    for (std::size_t from = 0;;) {
        const std::size_t comma = first.find(", ", from);
        parts.push_back(first.substr(from, comma - from));
        if (comma == std::string::npos) break;
        from = comma + 2;
    }
    std::vector<std::string> surnames;
    bool etAl = false;
    for (const std::string& part : parts) {
        bool more = false;
        const std::string name = Surname(part, more);
        if (name.empty()) break;
        surnames.push_back(name);
        etAl = etAl || more;
    }
    std::smatch year;
    static const std::regex yearPattern(R"(\((1[89]|20)\d\d\))");
    if (!surnames.empty() && surnames.size() < parts.size() &&
        std::regex_search(first, year, yearPattern)) {
        const std::string who = etAl || surnames.size() > 2 ? surnames[0] + " et al."
                                : surnames.size() == 2      ? surnames[0] + " & " + surnames[1]
                                                            : surnames[0];
        return who + " " + year.str();
    }
    // A description rather than a citation: its words before an explanation in brackets.
    const std::string& words = parts.front();
    const std::size_t bracket = words.find(" (");
    return words.size() > 48 && bracket != std::string::npos ? words.substr(0, bracket) : words;
}

TKXDiagramTitle DiagramTitle(const TKXLibraryInfo& info) {
    return {info.DisplayName, ShortCitation(info.EquationOfState), info.ReferenceState};
}

std::optional<TKXMarkedState> MarkState(const TKXState& state, TKXDiagramKind kind,
                                        const std::string& label) {
    const std::optional<TKXPoint> at = StateInDiagram(state, kind);
    if (!at) return std::nullopt;
    TKXMarkedState mark{label, *at};
    const std::pair<const char*, double*> values[] = {
        {"p", &mark.p}, {"T", &mark.T}, {"h", &mark.h}, {"s", &mark.s}};
    for (const auto& [key, value] : values) {
        const TKXStateRow* r = state.Row(key);
        if (!r || !r->Mixture.HasValue) return std::nullopt;
        *value = r->Mixture.Value;
    }
    return mark;
}

std::vector<TKXMarkedState> CycleMarks(const TKXCycle& cycle, const TKXCyclePath& path) {
    std::vector<TKXMarkedState> marks;
    for (const auto& [label, at] : path.Labels)
        if (const TKXCyclePoint* p = cycle.Point(label))
            marks.push_back({label, at, p->p, p->T, p->h, p->s});
    return marks;
}
