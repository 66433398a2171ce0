#pragma once
// The value memory: named numbers kept for one run, edited through a modal dialog.
#include <string>
#include <vector>

struct TMemoryElement {
    std::string Name;
    double Value = 0.0;
};

// The name/value dialog. Edit shows the element, and on OK stores the fields back and returns
// true; on Cancel returns false and leaves the element as it was. The dialog itself refuses to
// close while its value field does not hold a number.
class IKXMemoryDialog {
  public:
    virtual ~IKXMemoryDialog() = default;
    virtual bool Edit(TMemoryElement& element) = 0;
};

// Longest name the dialog accepts.
inline constexpr std::size_t MemoryNameMaxLength = 20;

class TMemory {
  public:
    // Creates an element with this value and an empty name, lets the user edit it, and appends
    // it when the dialog was confirmed. Returns whether it was appended.
    bool AddToMemory(double value, IKXMemoryDialog& dialog);
    void ClearMemory() { Elements.clear(); }
    // Removes the element at a 0-based position; false when there is none.
    bool Remove(int position);

    int Count() const { return static_cast<int>(Elements.size()); }
    const TMemoryElement& Element(int position) const { return Elements.at(position); }
    const std::vector<TMemoryElement>& AllElements() const { return Elements; }

  private:
    std::vector<TMemoryElement> Elements;
};
