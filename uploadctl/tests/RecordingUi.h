// A form for the upload's tests: records what the upload shows (from the
// upload's and the countdown's threads) and answers the save-location
// dialog and the shell as the test scripted.
#pragma once

#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "UploaderUi.h"

namespace brivel::uploadctl::testing {

class RecordingUi : public IUploaderUi {
public:
    struct Message {
        std::string text;
        std::string caption;
    };

    // The save dialog's answer; `cancel` closes it without a choice.
    bool cancel = false;
    SaveLocation answer;
    bool shellOpens = true;

    void SetStatus(const std::string& text) override {
        std::lock_guard<std::mutex> lock(mutex_);
        statuses_.push_back(text);
    }
    void ShowMessage(const std::string& text, const std::string& caption) override {
        std::lock_guard<std::mutex> lock(mutex_);
        messages_.push_back({text, caption});
    }
    void SetProgress(uint32_t count, uint32_t total) override {
        std::lock_guard<std::mutex> lock(mutex_);
        progress_.emplace_back(count, total);
    }
    void HideProgress() override {
        std::lock_guard<std::mutex> lock(mutex_);
        ++hides_;
    }
    bool ChooseSaveLocation(const SaveDialogInput& input, SaveLocation& chosen) override {
        std::lock_guard<std::mutex> lock(mutex_);
        saveInputs_.push_back(input);
        if (cancel) return false;
        chosen = answer;
        return true;
    }
    bool OpenAddress(const std::string& address) override {
        std::lock_guard<std::mutex> lock(mutex_);
        opened_.push_back(address);
        return shellOpens;
    }

    std::vector<std::string> Statuses() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return statuses_;
    }
    std::string LastStatus() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return statuses_.empty() ? std::string() : statuses_.back();
    }
    std::vector<Message> Messages() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return messages_;
    }
    std::vector<std::pair<uint32_t, uint32_t>> Progress() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return progress_;
    }
    int Hides() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return hides_;
    }
    std::vector<SaveDialogInput> SaveInputs() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return saveInputs_;
    }
    std::vector<std::string> Opened() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return opened_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> statuses_;
    std::vector<Message> messages_;
    std::vector<std::pair<uint32_t, uint32_t>> progress_;
    int hides_ = 0;
    std::vector<SaveDialogInput> saveInputs_;
    std::vector<std::string> opened_;
};

}  // namespace brivel::uploadctl::testing
