#include "KXFluidFunctions.h"

#include <algorithm>
#include <iterator>

#include "KX_Function_Call.h"

namespace {

constexpr int32_t ErrorTextCapacity = 255;

// The (p, T) transport functions: offered only by a library whose information states transport.
constexpr const char* TransportFunctions[] = {"DVPT", "KVPT", "TCPT", "PrPT"};

bool IsTransport(const std::string& shortName) {
    return std::find(std::begin(TransportFunctions), std::end(TransportFunctions), shortName) !=
           std::end(TransportFunctions);
}

}  // namespace

TKXFluidFunctions::TKXFluidFunctions(const TKXLibraries& libraries, int libraryIndex)
    : Index(libraryIndex) {
    const TKXLibrary* library = libraries.Library(libraryIndex);
    if (!library) return;
    Name = library->Library_Name;
    Info_ = library->Info;
    // A library whose functions take a composition offers no property of a state of one or two
    // values: its PbubT(T, z) is no PbubT(T).
    if (Info_.CompositionArgument) return;
    const std::string prefix = Name + "_";
    for (int f = 0; f < library->Count(); ++f) {
        const TKXPropertyFunction* function = library->Function(f);
        if (function->FunctionName.compare(0, prefix.size(), prefix) != 0) continue;
        const TKXFunctionPtr ptr = function->GetFunctionPtr();
        // The explorer's states take one or two values: a function of three arguments is no
        // property of such a state, except a mixture's phase compositions (the third argument
        // names the component).
        const int most = Info_.Kind == TKXLibraryKind::Mixture ? 3 : 2;
        if (KXArity(ptr) < 0 || KXArity(ptr) > most) continue;
        std::string shortName = function->FunctionName.substr(prefix.size());
        if (!Info_.HasTransport && IsTransport(shortName)) continue;
        Functions.emplace(std::move(shortName), ptr);
    }
}

bool TKXFluidFunctions::Offers(const std::string& shortName) const {
    return Functions.count(shortName) != 0;
}

TKXAnswer TKXFluidFunctions::Call(const std::string& shortName, double x1, double x2,
                                  double x3) const {
    return KXCallShortName(Functions, Name, shortName, x1, x2, x3);
}

TKXAnswer KXCallShortName(const std::unordered_map<std::string, TKXFunctionPtr>& functions,
                          const std::string& library, const std::string& shortName, double x1,
                          double x2, double x3) {
    TKXAnswer answer;
    const auto it = functions.find(shortName);
    if (it == functions.end()) {
        answer.Code = -1;
        answer.Text = library + "_" + shortName + "; not offered by this library.";
        return answer;
    }
    char text[ErrorTextCapacity + 1] = "";
    int32_t code = 0;
    // KXCallFunction reads as many arguments as the function takes.
    const double args[3] = {x1, x2, x3};
    answer.Value = KXCallFunction(it->second, args, text, ErrorTextCapacity, &code);
    answer.Code = code;
    if (code != 0) {
        answer.Text = text;
        answer.Value = 0.0;
    }
    return answer;
}

int FindLibraryIndex(const TKXLibraries& libraries, const std::string& name) {
    return libraries.FindLibrary(name);
}
