// The registry of the test build of the C interface: the test library alone.
#include "CApiRegistry.h"
#include "KXTernaryTestLibrary.h"

const TKXLibraries& CApiRegistry() {
    static const TKXLibraries registry = [] {
        TKXLibraries r;
        kxtest::AddTernaryTestLibrary(r);
        return r;
    }();
    return registry;
}
