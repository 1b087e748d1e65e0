#include "HostMessages.h"

#include "AppProfile.h"
#include "ServiceNames.h"

namespace brivel::serverhost {
namespace {
std::string Caption(const char* caption) { return caption ? caption : brivel::winui::ProgramName(); }
}  // namespace

void CMessageBoxes::DoShow(const std::string& text, const char* caption, UINT icon) {
    MessageBoxA(owner_, text.c_str(), Caption(caption).c_str(), MB_OK | icon);
}

bool CMessageBoxes::DoAsk(const std::string& text, const char* caption) {
    return MessageBoxA(owner_, text.c_str(), Caption(caption).c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CServiceEventLog::DoShow(const std::string& text, const char*, UINT icon) {
    HANDLE log = RegisterEventSourceA(nullptr, kServiceName);
    if (!log) return;
    const char* strings[] = {text.c_str()};
    WORD type = icon == MB_ICONINFORMATION ? EVENTLOG_INFORMATION_TYPE : EVENTLOG_ERROR_TYPE;
    ReportEventA(log, type, 0, 0, nullptr, 1, 0, strings, nullptr);
    DeregisterEventSource(log);
}

bool CServiceEventLog::DoAsk(const std::string&, const char*) { return false; }

}  // namespace brivel::serverhost
