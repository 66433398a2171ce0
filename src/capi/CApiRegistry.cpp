#include "CApiRegistry.h"

#include "KX_Libraries_Catalogue.h"

const TKXLibraries& CApiRegistry() {
    return KXRegistry();
}
