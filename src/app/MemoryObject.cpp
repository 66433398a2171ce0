#include "MemoryObject.h"

bool TMemory::AddToMemory(double value, IKXMemoryDialog& dialog) {
    TMemoryElement element;
    element.Value = value;
    if (!dialog.Edit(element)) return false;
    Elements.push_back(std::move(element));
    return true;
}

bool TMemory::Remove(int position) {
    if (position < 0 || position >= Count()) return false;
    Elements.erase(Elements.begin() + position);
    return true;
}
