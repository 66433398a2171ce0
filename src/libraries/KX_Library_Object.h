#pragma once
// The registry's building blocks: a library, its functions and their arguments.
#include <cstdint>
#include <string>
#include <vector>

#include "KX_Function_Types.h"
#include "KX_Library_Info.h"

struct TKXPropertyFunctionArgument {
    std::string XName;
    int32_t XUnit = 0;
};

class TKXPropertyFunction {
  public:
    std::string FunctionName;
    TConstantFunction ConstantFunctionPtr = nullptr;
    TUnaryFunction UnaryFunctionPtr = nullptr;
    TBinaryFunction BinaryFunctionPtr = nullptr;
    TTernaryFunction TernaryFunctionPtr = nullptr;
    std::string YName;
    int32_t YUnit = 0;

    void AddArgument(const std::string& xName, int32_t xUnit);
    int NoOfArguments() const { return static_cast<int>(Arguments.size()); }
    // ArgumentNo is 1-based; outside 1 .. count gives "" / 0 (never an exception).
    std::string GetXName(int argumentNo) const;
    int32_t GetXUnitIndex(int argumentNo) const;
    TKXFunctionPtr GetFunctionPtr() const;

  private:
    std::vector<TKXPropertyFunctionArgument> Arguments;
};

class TKXLibrary {
  public:
    explicit TKXLibrary(std::string name) : Library_Name(std::move(name)) {}

    std::string Library_Name;

    void AddConstantFunction(const std::string& functionName, const std::string& yName,
                             int32_t yUnit, TConstantFunction function);
    void AddUnairyFunction(const std::string& functionName, const std::string& yName, int32_t yUnit,
                           const std::string& xName, int32_t xUnit, TUnaryFunction function);
    void AddBinairyFunction(const std::string& functionName, const std::string& yName,
                            int32_t yUnit, const std::string& x1Name, int32_t x1Unit,
                            const std::string& x2Name, int32_t x2Unit, TBinaryFunction function);
    void AddTernaryFunction(const std::string& functionName, const std::string& yName,
                            int32_t yUnit, const TKXPropertyFunctionArgument (&x)[3],
                            TTernaryFunction function);

    // What the library states about itself (filled by the catalogue that registers it).
    TKXLibraryInfo Info;
    // The name a person types: the display name of the information, or the library name.
    const std::string& DisplayName() const {
        return Info.DisplayName.empty() ? Library_Name : Info.DisplayName;
    }

    void CreateFunctionList(std::vector<std::string>& list) const;
    int Count() const { return static_cast<int>(Functions.size()); }
    const TKXPropertyFunction* Function(int index) const;

    int GetNoOfArguments(int index) const;
    std::string GetArgumentName(int index, int argumentNo) const;
    std::string GetResultName(int index) const;
    int32_t GetArgumentUnitIndex(int index, int argumentNo) const;
    int32_t GetResultUnitIndex(int index) const;
    TKXFunctionPtr GetFunctionPtr(int index) const;

  private:
    std::vector<TKXPropertyFunction> Functions;
};
