#include "L10n/LinuxItemNames.h"

#include <array>

namespace {

// A phrase that contains another comes before it, so the longer one is replaced whole.
constexpr std::array<Text4, 45> kPhrases{{
    {"谷歌浏览器端侧搜索建议模型", "Google Chrome On-Device Suggestion Model",
     "Google Chrome オンデバイス検索候補モデル", "Google Chrome 裝置端搜尋建議模型"},
    {"谷歌浏览器", "Google Chrome", "Google Chrome", "Google Chrome"},
    {"账号", "Profile", "プロファイル", "帳號"},
    {"商店网页缓存", "Store Web Cache", "ストア Web キャッシュ", "商店網頁快取"},
    {"网页缓存", "Web Cache", "Web キャッシュ", "網頁快取"},
    {"着色器与组件缓存", "Shader & Component Cache", "シェーダー・コンポーネントキャッシュ", "著色器與元件快取"},
    {"邮件客户端缓存", "Mail Client Cache", "メールクライアントキャッシュ", "郵件用戶端快取"},
    {"会议客户端缓存", "Meeting Client Cache", "会議クライアントキャッシュ", "會議用戶端快取"},
    {"客户端缓存", "App Cache", "アプリキャッシュ", "用戶端快取"},
    {"旧版缩略图缓存", "Legacy Thumbnail Cache", "旧形式サムネイルキャッシュ", "舊版縮圖快取"},
    {"缩略图缓存", "Thumbnail Cache", "サムネイルキャッシュ", "縮圖快取"},
    {"流媒体缓存", "Streaming Cache", "ストリーミングキャッシュ", "串流快取"},
    {"媒体缓存", "Media Cache", "メディアキャッシュ", "媒體快取"},
    {"会议日志", "Meeting Logs", "会議ログ", "會議日誌"},
    {"邮件离线副本", "Offline Mail Copies", "オフラインメールコピー", "郵件離線副本"},
    {"依赖下载缓存", "Dependency Download Cache", "依存関係ダウンロードキャッシュ", "相依套件下載快取"},
    {"下载与构建缓存", "Download & Build Cache", "ダウンロード・ビルドキャッシュ", "下載與建置快取"},
    {"下载缓存", "Download Cache", "ダウンロードキャッシュ", "下載快取"},
    {"下载残留", "Download Leftovers", "ダウンロード残り", "下載殘留"},
    {"软件包缓存", "Package Cache", "パッケージキャッシュ", "軟體包快取"},
    {"内容寻址存储", "Content-Addressable Store", "コンテンツアドレスストア", "內容定址儲存"},
    {"元数据缓存", "Metadata Cache", "メタデータキャッシュ", "中繼資料快取"},
    {"临时运行缓存", "Run Cache", "一時実行キャッシュ", "臨時執行快取"},
    {"模块缓存", "Module Cache", "モジュールキャッシュ", "模組快取"},
    {"构建缓存", "Build Cache", "ビルドキャッシュ", "建置快取"},
    {"发行版下载", "Distributions", "ディストリビューション", "發行版下載"},
    {"本地仓库", "Local Repository", "ローカルリポジトリ", "本機儲存庫"},
    {"着色器预编译缓存", "Shader Pre-Cache", "シェーダー事前コンパイルキャッシュ", "著色器預編譯快取"},
    {"编译缓存", "Compiler Cache", "コンパイルキャッシュ", "編譯快取"},
    {"输出缓存", "Output Cache", "出力キャッシュ", "輸出快取"},
    {"模型缓存", "Model Cache", "モデルキャッシュ", "模型快取"},
    {"数据集与传输缓存", "Datasets & Transfer Cache", "データセット・転送キャッシュ", "資料集與傳輸快取"},
    {"旧版本 IDE 缓存", "Old IDE Version Cache", "旧バージョン IDE キャッシュ", "舊版本 IDE 快取"},
    {"当前版本 IDE 缓存", "Current IDE Version Cache", "現行バージョン IDE キャッシュ", "目前版本 IDE 快取"},
    {"编辑器缓存", "Editor Cache", "エディタキャッシュ", "編輯器快取"},
    {"浏览器自动化测试内核", "Browser Automation Engines", "ブラウザ自動テスト用エンジン", "瀏覽器自動化測試核心"},
    {"字体索引缓存", "Font Index Cache", "フォントインデックスキャッシュ", "字型索引快取"},
    {"显卡着色器缓存", "GPU Shader Cache", "GPU シェーダーキャッシュ", "顯示卡著色器快取"},
    {"着色器缓存", "Shader Cache", "シェーダーキャッシュ", "著色器快取"},
    {"计算缓存", "Compute Cache", "計算キャッシュ", "計算快取"},
    {"运行日志", "Logs", "ログ", "執行日誌"},
    {"应用缓存", "App Cache", "アプリキャッシュ", "應用程式快取"},
    {"会话错误日志", "Session Error Log", "セッションエラーログ", "工作階段錯誤日誌"},
    {"显示服务日志", "Display Server Logs", "ディスプレイサーバーログ", "顯示服務日誌"},
    {"桌面索引与插件缓存", "Desktop Index & Plugin Cache", "デスクトップ索引・プラグインキャッシュ",
     "桌面索引與外掛快取"},
}};

} // namespace

std::span<const Text4> linuxItemPhrases() { return kPhrases; }

std::optional<std::string> localizeLinuxItemName(std::string_view name, AppLanguage language)
{
    std::string out(name);
    bool replaced = false;
    for (const Text4& phrase : kPhrases) {
        for (auto at = out.find(phrase.zhHans); at != std::string::npos; at = out.find(phrase.zhHans, at)) {
            const std::string_view to = phrase(language);
            out.replace(at, phrase.zhHans.size(), to);
            at += to.size();
            replaced = true;
        }
    }
    if (!replaced)
        return std::nullopt;
    return out;
}
