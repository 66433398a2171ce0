#include "KX_Libraries_Catalogue.h"

#include "KX_Function_Shapes.h"

namespace {
void Register(TKXLibraries& libraries, const char* name, std::span<const TKXLibraryEntry> entries) {
    RegisterLibraryEntries(libraries.AddLibrary(name), entries);
}
}  // namespace

void CreateKXLibraries(TKXLibraries& libraries) {
    (void)libraries;
    (void)&Register;
}
