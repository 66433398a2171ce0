#include "KX_Library_Object.h"

void TKXPropertyFunction::AddArgument(const std::string& xName, int32_t xUnit) {
    Arguments.push_back({xName, xUnit});
}

std::string TKXPropertyFunction::GetXName(int argumentNo) const {
    if (argumentNo < 1 || argumentNo > NoOfArguments()) return "";
    return Arguments[argumentNo - 1].XName;
}

int32_t TKXPropertyFunction::GetXUnitIndex(int argumentNo) const {
    if (argumentNo < 1 || argumentNo > NoOfArguments()) return 0;
    return Arguments[argumentNo - 1].XUnit;
}

TKXFunctionPtr TKXPropertyFunction::GetFunctionPtr() const {
    // The first set address, in the order constant, unary, binary, ternary.
    TKXFunctionPtr ptr;
    if (ConstantFunctionPtr)
        ptr.Constant = ConstantFunctionPtr;
    else if (UnaryFunctionPtr)
        ptr.Unary = UnaryFunctionPtr;
    else if (BinaryFunctionPtr)
        ptr.Binary = BinaryFunctionPtr;
    else if (TernaryFunctionPtr)
        ptr.Ternary = TernaryFunctionPtr;
    return ptr;
}

void TKXLibrary::AddConstantFunction(const std::string& functionName, const std::string& yName,
                                     int32_t yUnit, TConstantFunction function) {
    TKXPropertyFunction& f = Functions.emplace_back();
    f.FunctionName = functionName;
    f.YName = yName;
    f.YUnit = yUnit;
    f.ConstantFunctionPtr = function;
}

void TKXLibrary::AddUnairyFunction(const std::string& functionName, const std::string& yName,
                                   int32_t yUnit, const std::string& xName, int32_t xUnit,
                                   TUnaryFunction function) {
    TKXPropertyFunction& f = Functions.emplace_back();
    f.FunctionName = functionName;
    f.YName = yName;
    f.YUnit = yUnit;
    f.AddArgument(xName, xUnit);
    f.UnaryFunctionPtr = function;
}

void TKXLibrary::AddBinairyFunction(const std::string& functionName, const std::string& yName,
                                    int32_t yUnit, const std::string& x1Name, int32_t x1Unit,
                                    const std::string& x2Name, int32_t x2Unit,
                                    TBinaryFunction function) {
    TKXPropertyFunction& f = Functions.emplace_back();
    f.FunctionName = functionName;
    f.YName = yName;
    f.YUnit = yUnit;
    f.AddArgument(x1Name, x1Unit);
    f.AddArgument(x2Name, x2Unit);
    f.BinaryFunctionPtr = function;
}

void TKXLibrary::AddTernaryFunction(const std::string& functionName, const std::string& yName,
                                    int32_t yUnit, const TKXPropertyFunctionArgument (&x)[3],
                                    TTernaryFunction function) {
    TKXPropertyFunction& f = Functions.emplace_back();
    f.FunctionName = functionName;
    f.YName = yName;
    f.YUnit = yUnit;
    for (const auto& argument : x) f.AddArgument(argument.XName, argument.XUnit);
    f.TernaryFunctionPtr = function;
}

void TKXLibrary::CreateFunctionList(std::vector<std::string>& list) const {
    list.clear();
    for (const auto& f : Functions) list.push_back(f.FunctionName);
}

const TKXPropertyFunction* TKXLibrary::Function(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return &Functions[index];
}

int TKXLibrary::GetNoOfArguments(int index) const {
    const auto* f = Function(index);
    return f ? f->NoOfArguments() : -1;
}

std::string TKXLibrary::GetArgumentName(int index, int argumentNo) const {
    const auto* f = Function(index);
    return f ? f->GetXName(argumentNo) : "";
}

std::string TKXLibrary::GetResultName(int index) const {
    const auto* f = Function(index);
    return f ? f->YName : "";
}

int32_t TKXLibrary::GetArgumentUnitIndex(int index, int argumentNo) const {
    const auto* f = Function(index);
    return f ? f->GetXUnitIndex(argumentNo) : 0;
}

int32_t TKXLibrary::GetResultUnitIndex(int index) const {
    const auto* f = Function(index);
    return f ? f->YUnit : 0;
}

TKXFunctionPtr TKXLibrary::GetFunctionPtr(int index) const {
    const auto* f = Function(index);
    return f ? f->GetFunctionPtr() : TKXFunctionPtr{};
}
