#include "KXFluidFunctions.h"

namespace {

constexpr int32_t ErrorTextCapacity = 255;
// A code no library writes: left in place only by a function that never touches its outputs.
constexpr int32_t UntouchedCode = -424242;

double Invoke(const TKXFunctionPtr& f, double x1, double x2, char* text, int32_t* code) {
    if (f.Constant) return f.Constant(text, ErrorTextCapacity, code);
    if (f.Unary) return f.Unary(x1, text, ErrorTextCapacity, code);
    if (f.Binary) return f.Binary(x1, x2, text, ErrorTextCapacity, code);
    return 0.0;
}

bool IsPlaceholder(const TKXFunctionPtr& f) {
    char text[ErrorTextCapacity + 1] = "";
    int32_t code = UntouchedCode;
    Invoke(f, 1.0, 20.0, text, &code);
    return code == UntouchedCode;
}

}  // namespace

TKXFluidFunctions::TKXFluidFunctions(const TKXLibraries& libraries, int libraryIndex)
    : Index(libraryIndex) {
    const TKXLibrary* library = libraries.Library(libraryIndex);
    if (!library) return;
    Name = library->Library_Name;
    const std::string prefix = Name + "_";
    for (int f = 0; f < library->Count(); ++f) {
        const TKXPropertyFunction* function = library->Function(f);
        if (function->FunctionName.compare(0, prefix.size(), prefix) != 0) continue;
        const TKXFunctionPtr ptr = function->GetFunctionPtr();
        if (ptr.IsNone() || ptr.Ternary || IsPlaceholder(ptr)) continue;
        Functions.emplace(function->FunctionName.substr(prefix.size()), ptr);
    }
}

bool TKXFluidFunctions::Offers(const std::string& shortName) const {
    return Functions.count(shortName) != 0;
}

TKXAnswer TKXFluidFunctions::Call(const std::string& shortName, double x1, double x2) const {
    TKXAnswer answer;
    const auto it = Functions.find(shortName);
    if (it == Functions.end()) {
        answer.Code = -1;
        answer.Text = Name + "_" + shortName + "; not offered by this library.";
        return answer;
    }
    char text[ErrorTextCapacity + 1] = "";
    int32_t code = 0;
    answer.Value = Invoke(it->second, x1, x2, text, &code);
    answer.Code = code;
    if (code != 0) {
        answer.Text = text;
        answer.Value = 0.0;
    }
    return answer;
}

int FindLibraryIndex(const TKXLibraries& libraries, const std::string& name) {
    for (int l = 0; l < libraries.Count(); ++l)
        if (libraries.Library(l)->Library_Name == name) return l;
    return -1;
}
