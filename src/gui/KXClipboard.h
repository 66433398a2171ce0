#pragma once
// The text clipboard the window works through. The window only sets, reads and clears text, so
// tests can watch or replace the clipboard without a desktop session.
#include <QString>

class IKXClipboard {
  public:
    virtual ~IKXClipboard() = default;
    virtual void SetText(const QString& text) = 0;
    virtual QString GetText() const = 0;
    virtual void Clear() = 0;
};

// The desktop's clipboard; only the CLIPBOARD selection, never the mouse selection buffer.
class TKXSystemClipboard : public IKXClipboard {
  public:
    void SetText(const QString& text) override;
    QString GetText() const override;
    void Clear() override;
};
