// Answers the dialogs the control opens while a test runs, from a thread of
// its own, as a user would: it records each message box (caption and text)
// and presses its OK (or the button the test scripted for its caption), runs the scripted steps on the save-location dialog
// ("Dialog") whenever that dialog can take input, and cancels the file
// dialogs.
#pragma once

#include <windows.h>

#include <atomic>
#include <deque>
#include <functional>
#include <iterator>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace brivel::uploadctl::testing {

class CDialogAnswerer {
public:
    struct Seen {
        std::string caption;
        std::string text;
    };
    // A step on the save-location dialog; it must end with a button that
    // closes the dialog or shows a message (posted, never sent).
    using SaveStep = std::function<void(HWND dialog)>;

    CDialogAnswerer() : thread_([this] { Run(); }) {}
    ~CDialogAnswerer() {
        stop_ = true;
        thread_.join();
    }
    CDialogAnswerer(const CDialogAnswerer&) = delete;
    CDialogAnswerer& operator=(const CDialogAnswerer&) = delete;

    // The buttons to press, in turn, on the boxes with this caption.
    void AnswerBoxes(const std::string& caption, std::deque<int> buttons) {
        std::lock_guard<std::mutex> lock(mutex_);
        boxButtons_.emplace_back(caption, std::move(buttons));
    }
    void AddSaveStep(SaveStep step) {
        std::lock_guard<std::mutex> lock(mutex_);
        saveSteps_.push_back(std::move(step));
    }
    std::vector<Seen> Boxes() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return boxes_;
    }
    // Every other dialog seen: the save dialog ("Dialog"), the file dialogs
    // (their caption, then "|" and the text of each of their edit fields).
    std::vector<std::string> Dialogs() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return dialogs_;
    }
    // Texts of the save dialog's controls by id, as it opened.
    std::string SaveDialogText(int id) const {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const auto& [key, text] : saveTexts_)
            if (key == id) return text;
        return "<none>";
    }
    size_t SaveStepsLeft() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return saveSteps_.size();
    }

    // Checks a radio button as a click does (and as a click, tells the
    // dialog).
    static void Choose(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    // Presses a push button without waiting: what it starts may open a box.
    static void Click(HWND dialog, int id) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM found) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        char name[16] = "";
        GetClassNameA(window, name, sizeof name);
        if (process == GetCurrentProcessId() && IsWindowVisible(window) && std::string(name) == "#32770")
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
    }
    static BOOL CALLBACK CollectStaticText(HWND child, LPARAM text) {
        char name[16] = "";
        GetClassNameA(child, name, sizeof name);
        if (_stricmp(name, "Static") != 0) return TRUE;
        char buffer[70000] = "";
        GetWindowTextA(child, buffer, sizeof buffer);
        std::string& longest = *reinterpret_cast<std::string*>(text);
        if (std::string(buffer).size() > longest.size()) longest = buffer;
        return TRUE;
    }
    // "|" and the text of each edit field (a file dialog's file name).
    static BOOL CALLBACK CollectEditText(HWND child, LPARAM texts) {
        char name[16] = "";
        GetClassNameA(child, name, sizeof name);
        if (_stricmp(name, "Edit") == 0) *reinterpret_cast<std::string*>(texts) += "|" + Caption(child);
        return TRUE;
    }
    static std::string Caption(HWND window) {
        char caption[512] = "";
        GetWindowTextA(window, caption, sizeof caption);
        return caption;
    }

    void Run() {
        while (!stop_) {
            for (auto it = answered_.begin(); it != answered_.end();) it = IsWindow(*it) ? std::next(it) : answered_.erase(it);
            std::vector<HWND> dialogs;
            EnumWindows(Collect, reinterpret_cast<LPARAM>(&dialogs));
            for (HWND dialog : dialogs) Answer(dialog);
            Sleep(20);
        }
    }

    void Answer(HWND dialog) {
        if (!IsWindowEnabled(dialog)) return;  // a box of its own is open on it
        const std::string caption = Caption(dialog);
        if (caption == "Dialog" && GetDlgItem(dialog, 203)) {
            AnswerSaveDialog(dialog);
            return;
        }
        if (answered_.count(dialog)) return;
        answered_.insert(dialog);
        if (caption == "COM File" || caption == "Save DLL As") {
            std::string edits;
            EnumChildWindows(dialog, CollectEditText, reinterpret_cast<LPARAM>(&edits));
            std::lock_guard<std::mutex> lock(mutex_);
            dialogs_.push_back(caption + edits);
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        std::string text;
        EnumChildWindows(dialog, CollectStaticText, reinterpret_cast<LPARAM>(&text));
        int button = IDOK;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            boxes_.push_back({caption, text});
            for (auto& [boxCaption, buttons] : boxButtons_)
                if (boxCaption == caption && !buttons.empty()) {
                    button = buttons.front();
                    buttons.pop_front();
                    break;
                }
        }
        PostMessageA(dialog, WM_COMMAND, button, 0);
    }

    void AnswerSaveDialog(HWND dialog) {
        SaveStep step;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (!answered_.count(dialog)) {
                answered_.insert(dialog);
                dialogs_.push_back("Dialog");
                for (int id : {201, 202, 203, 204, 205}) {
                    HWND item = GetDlgItem(dialog, id);
                    saveTexts_.emplace_back(id, Caption(item));
                    saveTexts_.emplace_back(1000 + id, IsWindowEnabled(item) ? "enabled" : "disabled");
                }
            }
            if (saveSteps_.empty()) return;
            step = std::move(saveSteps_.front());
            saveSteps_.pop_front();
        }
        step(dialog);
        // Until the step's button has been handled: the dialog has gone or
        // a message box has disabled it.
        for (int i = 0; i < 250 && IsWindow(dialog) && IsWindowEnabled(dialog); ++i) Sleep(20);
    }

    mutable std::mutex mutex_;
    std::vector<Seen> boxes_;
    std::vector<std::string> dialogs_;
    std::vector<std::pair<int, std::string>> saveTexts_;
    std::deque<SaveStep> saveSteps_;
    std::vector<std::pair<std::string, std::deque<int>>> boxButtons_;
    std::set<HWND> answered_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace brivel::uploadctl::testing
