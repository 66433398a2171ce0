// Writes, from the registry, the C declarations of every library function into varnexa.h and a
// C++ source that exports each function under its own name with C linkage. The library functions
// are C++ functions; an extern "C" forwarder whose symbol is set by an asm label gives the plain
// name, and guards the call as every C entry point does (CApiCall.h): the caller's
// floating-point environment is kept, and a negative capacity writes no text. Files are rewritten
// only when their text changes, so an unchanged registry rebuilds nothing.
//
// Usage: varnexa_capi_generator TEMPLATE HEADER_OUT EXPORTS_OUT
#include <cctype>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>

#include "KX_Libraries_Catalogue.h"

namespace {

const char* const kMarker = "/* @VARNEXA_FUNCTION_DECLARATIONS@ */";
const char* const kOutputs = "char* errorText, int32_t capacity, int32_t* errorCode";

std::string Parameters(int arity) {
    std::string text;
    for (int k = 1; k <= arity; ++k) text.append("double x").append(std::to_string(k)).append(", ");
    return text + kOutputs;
}

std::string Arguments(int arity) {
    std::string text = "errorText, capacity, errorCode";
    for (int k = 1; k <= arity; ++k) text.append(", x").append(std::to_string(k));
    return text;
}

// "Vapour Fraction" -> "vapourFraction": argument names as C parameter names for the header.
std::string Identifier(const std::string& name) {
    std::string id;
    bool upper = false;
    for (const char c : name) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            const auto u = static_cast<unsigned char>(c);
            id += static_cast<char>(id.empty() ? std::tolower(u) : upper ? std::toupper(u) : c);
            upper = false;
        } else {
            upper = true;
        }
    }
    return id.empty() || std::isdigit(static_cast<unsigned char>(id[0])) ? "x" + id : id;
}

std::string NamedParameters(const TKXPropertyFunction& function) {
    std::string text;
    std::set<std::string> used;
    for (int k = 1; k <= function.NoOfArguments(); ++k) {
        std::string id = Identifier(function.GetXName(k));
        if (!used.insert(id).second) id.append(std::to_string(k));
        text.append("double ").append(id).append(", ");
    }
    return text + kOutputs;
}

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

bool WriteIfChanged(const std::string& path, const std::string& text) {
    std::string old;
    if (ReadFile(path, old) && old == text) return true;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: varnexa_capi_generator TEMPLATE HEADER_OUT EXPORTS_OUT\n";
        return 2;
    }
    std::string header;
    if (!ReadFile(argv[1], header)) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::size_t marker = header.find(kMarker);
    if (marker == std::string::npos) {
        std::cerr << argv[1] << " has no declaration marker\n";
        return 1;
    }

    const TKXLibraries& registry = KXRegistry();

    std::ostringstream declarations;
    std::ostringstream exports;
    exports << "// Generated from the registry by varnexa_capi_generator; do not edit.\n"
               "#include <cstdint>\n\n"
               "#include \"CApiCall.h\"\n\n"
               "#define VARNEXA_EXPORT extern \"C\" __attribute__((visibility(\"default\")))\n\n";
    std::set<std::string> names;
    for (int l = 0; l < registry.Count(); ++l) {
        const TKXLibrary& library = *registry.Library(l);
        declarations << "/* " << library.Library_Name << " */\n";
        for (int f = 0; f < library.Count(); ++f) {
            const TKXPropertyFunction& function = *library.Function(f);
            const std::string& name = function.FunctionName;
            const int arity = function.NoOfArguments();
            if (!names.insert(name).second) {
                std::cerr << "function registered twice: " << name << "\n";
                return 1;
            }
            declarations << "VARNEXA_API double " << name << "(" << NamedParameters(function)
                         << "); /* " << function.YName << " */\n";
            exports << "double " << name << "(" << Parameters(arity) << ");\n"
                    << "VARNEXA_EXPORT double varnexa_export_" << name << "(" << Parameters(arity)
                    << ") __asm__(\"" << name << "\");\n"
                    << "double varnexa_export_" << name << "(" << Parameters(arity)
                    << ") {\n    return varnexa_capi::GuardedCall<" << name << ">("
                    << Arguments(arity) << ");\n}\n";
        }
        if (l + 1 < registry.Count()) declarations << "\n";
    }
    header.replace(marker, std::string(kMarker).size(), declarations.str());

    if (!WriteIfChanged(argv[2], header) || !WriteIfChanged(argv[3], exports.str())) {
        std::cerr << "cannot write the generated files\n";
        return 1;
    }
    return 0;
}
