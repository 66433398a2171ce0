#pragma once
// The registry the C interface serves. libvarnexa.so serves the program's (KXRegistry()); a test
// build of the interface links a definition of its own with libraries registered by the test.
class TKXLibraries;

const TKXLibraries& CApiRegistry();
