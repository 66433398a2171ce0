#pragma once
// The registry: every library in registration order. The library index is the position.
#include <memory>
#include <string>
#include <vector>

#include "KX_Library_Object.h"

class TKXLibraries {
  public:
    // Appends an empty library and returns it for filling.
    TKXLibrary& AddLibrary(const std::string& name);

    void CreateLibraryList(std::vector<std::string>& list) const;
    // Does nothing when index < 0.
    void CreateFunctionListByIndex(int index, std::vector<std::string>& list) const;

    int Count() const { return static_cast<int>(Libraries.size()); }
    // nullptr when the index is outside the registry.
    const TKXLibrary* Library(int index) const;

    // A negative library index gives the neutral value (-1, "", 0, none).
    int GetNoOfArguments(int libraryIndex, int functionIndex) const;
    std::string GetArgumentName(int libraryIndex, int functionIndex, int argumentNo) const;
    std::string GetResultName(int libraryIndex, int functionIndex) const;
    int32_t GetArgumentUnitIndex(int libraryIndex, int functionIndex, int argumentNo) const;
    int32_t GetResultUnitIndex(int libraryIndex, int functionIndex) const;
    TKXFunctionPtr GetFunctionPtr(int libraryIndex, int functionIndex) const;

    // The index of a library by its name or, ignoring case, its display name ("R134a",
    // "water", "IF97"); -1 when none has it.
    int FindLibrary(const std::string& name) const;

    // Finds a function by its full name; false when no library has it.
    bool FindFunction(const std::string& functionName, int& libraryIndex, int& functionIndex) const;

  private:
    std::vector<std::unique_ptr<TKXLibrary>> Libraries;
};
