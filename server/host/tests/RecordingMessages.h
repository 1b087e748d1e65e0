// Messages of the server host taken down instead of shown, with the
// answers a test gives to its questions.
#pragma once

#include <string>
#include <vector>

#include "HostMessages.h"

namespace brivel::serverhost::testing {

class RecordingMessages : public CHostMessages {
public:
    struct Message {
        std::string text;
        std::string caption;  // "(program)" for the program's name
        bool question = false;
    };
    std::vector<Message> messages;
    bool answer = false;  // Yes or No to every question

    std::string Texts() const {
        std::string all;
        for (const Message& m : messages) all += (all.empty() ? "" : "\n") + m.text;
        return all;
    }

protected:
    void DoShow(const std::string& text, const char* caption, UINT) override {
        messages.push_back({text, caption ? caption : "(program)", false});
    }
    bool DoAsk(const std::string& text, const char* caption) override {
        messages.push_back({text, caption ? caption : "(program)", true});
        return answer;
    }
};

}  // namespace brivel::serverhost::testing
