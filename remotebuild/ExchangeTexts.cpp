#include "ExchangeTexts.h"

#include "BrvString.h"

namespace brivel::remotebuild {

// Counts are printed as the unsigned values they are; below 2^31 that is
// what "%d" prints.
std::string UploadedText(uint32_t sent, uint32_t total) {
    return brivel::FormatString("Uploaded %u of %u bytes", sent, total);
}

std::string DownloadedText(uint32_t received, uint32_t total) {
    return brivel::FormatString("Downloaded %u of %u bytes", received, total);
}

std::string BuildTimeText(int estimatedSeconds, uint32_t elapsedSeconds) {
    return brivel::FormatString("Estimated Build Time: %d seconds       %03u", estimatedSeconds, elapsedSeconds);
}

const KindPolicy& PolicyOf(BuildKind kind) {
    static const KindPolicy kCpp{texts::kConnectionLost, texts::kInternetConnectionLost, false, "brv"};
    static const KindPolicy kSpecification{texts::kConnectionHasBeenLost, texts::kConnectionHasBeenLost, true,
                                           "voxa"};
    return kind == BuildKind::CppFile ? kCpp : kSpecification;
}

std::string ConnectFailureBoxText(BuildKind kind, const std::string& host) {
    std::string text = texts::kCouldNotConnect + host;
    if (PolicyOf(kind).connectFailureAsAdvice) text += texts::kConnectAdvice;
    return text;
}

}  // namespace brivel::remotebuild
