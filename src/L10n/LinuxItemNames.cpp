#include "L10n/LinuxItemNames.h"

#include <array>

namespace {

// A phrase that contains another comes before it, so the longer one is replaced whole.
constexpr std::array<Text12, 47> kPhrases{{
    {"linuxItem.googleChromeOnDeviceSuggestionModel"},
    {"linuxItem.speechRecognitionClassifierCache"},
    {"linuxItem.pageFeatureClassifierLibrary"},
    {"linuxItem.googleChrome"},
    {"linuxItem.profile"},
    {"linuxItem.storeWebCache"},
    {"linuxItem.webCache"},
    {"linuxItem.shaderComponentCache"},
    {"linuxItem.mailClientCache"},
    {"linuxItem.meetingClientCache"},
    {"linuxItem.appCache"},
    {"linuxItem.legacyThumbnailCache"},
    {"linuxItem.thumbnailCache"},
    {"linuxItem.streamingCache"},
    {"linuxItem.mediaCache"},
    {"linuxItem.meetingLogs"},
    {"linuxItem.offlineMailCopies"},
    {"linuxItem.dependencyDownloadCache"},
    {"linuxItem.downloadBuildCache"},
    {"linuxItem.downloadCache"},
    {"linuxItem.downloadLeftovers"},
    {"linuxItem.packageCache"},
    {"linuxItem.contentAddressableStore"},
    {"linuxItem.metadataCache"},
    {"linuxItem.runCache"},
    {"linuxItem.moduleCache"},
    {"linuxItem.buildCache"},
    {"linuxItem.distributions"},
    {"linuxItem.localRepository"},
    {"linuxItem.shaderPreCache"},
    {"linuxItem.compilerCache"},
    {"linuxItem.outputCache"},
    {"linuxItem.modelCache"},
    {"linuxItem.datasetsTransferCache"},
    {"linuxItem.oldIDEVersionCache"},
    {"linuxItem.currentIDEVersionCache"},
    {"linuxItem.editorCache"},
    {"linuxItem.browserAutomationEngines"},
    {"linuxItem.fontIndexCache"},
    {"linuxItem.gPUShaderCache"},
    {"linuxItem.shaderCache"},
    {"linuxItem.computeCache"},
    {"linuxItem.logs"},
    {"linuxItem.appCache2"},
    {"linuxItem.sessionErrorLog"},
    {"linuxItem.displayServerLogs"},
    {"linuxItem.desktopIndexPluginCache"},
}};

} // namespace

std::span<const Text12> linuxItemPhrases() { return kPhrases; }

std::optional<std::string> localizeLinuxItemName(std::string_view name, AppLanguage language)
{
    std::string out(name);
    bool replaced = false;
    for (const Text12& phrase : kPhrases) {
        const std::string_view from = phrase(AppLanguage::zhHans);
        for (auto at = out.find(from); at != std::string::npos; at = out.find(from, at)) {
            const std::string_view to = phrase(language);
            out.replace(at, from.size(), to);
            at += to.size();
            replaced = true;
        }
    }
    if (!replaced)
        return std::nullopt;
    return out;
}
