// How the server host tells the user something and asks: message boxes in
// the setup program; in service mode, where no desktop may show a box and
// nobody could answer one, the application event log instead.
#pragma once

#include <windows.h>

#include <string>

namespace brivel::serverhost {

class CHostMessages {
public:
    virtual ~CHostMessages() = default;
    // The caption is the program's name unless one is given.
    void Show(const std::string& text, const char* caption = nullptr, UINT icon = MB_ICONEXCLAMATION) {
        DoShow(text, caption, icon);
    }
    // True for Yes.
    bool AskYesNo(const std::string& text, const char* caption = nullptr) { return DoAsk(text, caption); }

protected:
    virtual void DoShow(const std::string& text, const char* caption, UINT icon) = 0;
    virtual bool DoAsk(const std::string& text, const char* caption) = 0;
};

// Message boxes owned by a window (none: the box has no owner).
class CMessageBoxes : public CHostMessages {
public:
    explicit CMessageBoxes(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }

protected:
    void DoShow(const std::string& text, const char* caption, UINT icon) override;
    bool DoAsk(const std::string& text, const char* caption) override;

private:
    HWND owner_;
};

// Service mode: each message is written to the application event log under
// the service's name and returns at once; every question is answered No.
class CServiceEventLog : public CHostMessages {
protected:
    void DoShow(const std::string& text, const char* caption, UINT icon) override;
    bool DoAsk(const std::string& text, const char* caption) override;
};

}  // namespace brivel::serverhost
