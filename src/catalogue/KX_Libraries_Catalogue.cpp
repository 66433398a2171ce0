#include "KX_Libraries_Catalogue.h"

#include "KX_Fluid_Objects.h"
#include "KX_Function_Shapes.h"
#include "KX_Library_Descriptions.h"

void CreateKXLibraries(TKXLibraries& libraries) {
    // The fluid objects exist before the registry takes the addresses of their functions.
    CreateFluidObjects();
    for (const TKXLibraryDescription& d : KXLibraryDescriptions()) {
        TKXLibrary& library = libraries.AddLibrary(d.Name);
        RegisterLibraryEntries(library, d.Entries());
        library.Info = d.Info();
    }
}

const TKXLibraries& KXRegistry() {
    static const TKXLibraries registry = [] {
        TKXLibraries r;
        CreateKXLibraries(r);
        return r;
    }();
    return registry;
}
