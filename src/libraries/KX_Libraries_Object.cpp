#include "KX_Libraries_Object.h"

#include <algorithm>
#include <cctype>

TKXLibrary& TKXLibraries::AddLibrary(const std::string& name) {
    Libraries.push_back(std::make_unique<TKXLibrary>(name));
    return *Libraries.back();
}

void TKXLibraries::CreateLibraryList(std::vector<std::string>& list) const {
    list.clear();
    for (const auto& l : Libraries) list.push_back(l->Library_Name);
}

void TKXLibraries::CreateFunctionListByIndex(int index, std::vector<std::string>& list) const {
    if (const auto* l = Library(index)) l->CreateFunctionList(list);
}

const TKXLibrary* TKXLibraries::Library(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return Libraries[index].get();
}

int TKXLibraries::GetNoOfArguments(int libraryIndex, int functionIndex) const {
    const auto* l = Library(libraryIndex);
    return l ? l->GetNoOfArguments(functionIndex) : -1;
}

std::string TKXLibraries::GetArgumentName(int libraryIndex, int functionIndex,
                                          int argumentNo) const {
    const auto* l = Library(libraryIndex);
    return l ? l->GetArgumentName(functionIndex, argumentNo) : "";
}

std::string TKXLibraries::GetResultName(int libraryIndex, int functionIndex) const {
    const auto* l = Library(libraryIndex);
    return l ? l->GetResultName(functionIndex) : "";
}

int32_t TKXLibraries::GetArgumentUnitIndex(int libraryIndex, int functionIndex,
                                           int argumentNo) const {
    const auto* l = Library(libraryIndex);
    return l ? l->GetArgumentUnitIndex(functionIndex, argumentNo) : 0;
}

int32_t TKXLibraries::GetResultUnitIndex(int libraryIndex, int functionIndex) const {
    const auto* l = Library(libraryIndex);
    return l ? l->GetResultUnitIndex(functionIndex) : 0;
}

TKXFunctionPtr TKXLibraries::GetFunctionPtr(int libraryIndex, int functionIndex) const {
    const auto* l = Library(libraryIndex);
    return l ? l->GetFunctionPtr(functionIndex) : TKXFunctionPtr{};
}

namespace {
bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}
}  // namespace

int TKXLibraries::FindLibrary(const std::string& name) const {
    for (int l = 0; l < Count(); ++l)
        if (Libraries[l]->Library_Name == name) return l;
    for (int l = 0; l < Count(); ++l) {
        const TKXLibraryInfo& info = Libraries[l]->Info;
        if (SameIgnoringCase(info.DisplayName, name)) return l;
        for (const auto& alias : info.Aliases)
            if (SameIgnoringCase(alias, name)) return l;
    }
    return -1;
}

bool TKXLibraries::FindFunction(const std::string& functionName, int& libraryIndex,
                                int& functionIndex) const {
    for (int l = 0; l < Count(); ++l) {
        for (int f = 0; f < Libraries[l]->Count(); ++f) {
            if (Libraries[l]->Function(f)->FunctionName == functionName) {
                libraryIndex = l;
                functionIndex = f;
                return true;
            }
        }
    }
    return false;
}
