#include "L10n/QuillmereL10n.h"

#include "L10n/BidiIsolation.h"
#include "L10n/LinuxItemNames.h"
#include "Models/DiskFormat.h"

#include <array>

namespace {

using Row12 = std::array<std::string_view, kAppLanguageCount>; // zh-Hans slot unused: the input is kept

// Up to five substrings per test; unused slots stay empty.
using Needles = std::array<std::string_view, 5>;

bool containsAny(std::string_view text, const Needles& needles)
{
    for (auto needle : needles)
        if (!needle.empty() && text.find(needle) != std::string_view::npos)
            return true;
    return false;
}

// ---------------------------------------------------------------- large-file categories

const std::array<Text12, 5> kCategoryNames{{
    {"category.allFiles"},
    {"category.installersArchives"},
    {"category.videosMedia"},
    {"category.modelsDatabases"},
    {"category.otherLargeFiles"},
}};

// ---------------------------------------------------------------- cache item names

// The zh-Hans slot is unused: a Simplified Chinese name is kept as it is.
struct SubItemRow {
    Needles needles;
    Row12 texts;
};

const std::array<SubItemRow, 6> kSubItemsBeforeChrome{{
    {{"微信群聊"},
     {"", "WeChat Media Container (Protected by Default)", "WeChatメディアコンテナ（デフォルト保護）",
      "微信群聊影片與圖片容器（預設保護）", "위챗 미디어 컨테이너 (기본 보호)",
      "WeChat-Mediencontainer (Standard geschützt)", "Conteneur multimédia WeChat (protégé par défaut)",
      "Contenedor multimedia de WeChat (protegido por defecto)", "Contêiner de mídia do WeChat (protegido por padrão)",
      "Медиаконтейнер WeChat (защищён по умолчанию)", "Contenitore multimediale di WeChat (protetto di default)",
      "حاوية وسائط WeChat (محمية افتراضيًا)"}},
    {{"搜狗"},
     {"", "Sogou Input Skin & Lexicon Cache", "Sogou入力スキン・キャッシュ", "搜狗輸入法皮膚與熱詞快取",
      "소고우 입력기 캐시", "Sogou-Eingabecache", "Cache des thèmes et lexiques de Sogou",
      "Caché de temas y léxico de Sogou", "Cache de temas e léxico do Sogou", "Кэш тем и словарей Sogou",
      "Cache di temi e lessico di Sogou", "ذاكرة سمات ومعجم Sogou"}},
    {{"QQ 音乐"},
     {"", "QQ Music Offline Streaming Buffer", "QQ Music ストリーミングバッファ", "QQ 音樂離線試聽與 MV 緩衝",
      "QQ 뮤직 스트리밍 버퍼", "QQ Music Streaming-Puffer", "Tampon de streaming hors ligne de QQ Music",
      "Búfer de streaming sin conexión de QQ Music", "Buffer de streaming offline do QQ Music",
      "Офлайн-буфер потоков QQ Music", "Buffer di streaming offline di QQ Music", "مخزن البث دون اتصال لـ QQ Music"}},
    {{"飞书"},
     {"", "Feishu / Lark Workspace & Log Cache", "Feishu ワークスペース・ログキャッシュ", "飛書桌面端工作台與日誌快取",
      "페이슈(Lark) 워크스페이스 캐시", "Feishu/Lark Workspace-Cache",
      "Cache d'espace de travail et journaux Feishu / Lark", "Caché de espacio de trabajo y registros de Feishu / Lark",
      "Cache de espaço de trabalho e logs do Feishu / Lark", "Кэш рабочего пространства и журналов Feishu / Lark",
      "Cache di area di lavoro e log di Feishu / Lark", "ذاكرة مساحة العمل والسجلات في Feishu / Lark"}},
    {{"WPS"},
     {"", "WPS Office Temporary Cloud Cache", "WPS Office 一時クラウドキャッシュ", "WPS Office 本地雲端暫存快取",
      "WPS 오피스 임시 캐시", "WPS Office Temporärer Cache", "Cache cloud temporaire de WPS Office",
      "Caché temporal en la nube de WPS Office", "Cache temporário de nuvem do WPS Office",
      "Временный облачный кэш WPS Office", "Cache cloud temporanea di WPS Office",
      "ذاكرة السحابة المؤقتة لـ WPS Office"}},
    {{"Chrome 本地大模型"},
     {"", "Chrome On-Device AI Model Cache (OptGuide)", "Chrome オンデバイスAIモデルキャッシュ",
      "Chrome 本地大模型快取包", "Chrome 온디바이스 AI 모델 캐시", "Chrome On-Device KI-Modellcache",
      "Cache du modèle IA local de Chrome (OptGuide)", "Caché del modelo de IA local de Chrome (OptGuide)",
      "Cache do modelo de IA local do Chrome (OptGuide)", "Кэш локальной ИИ-модели Chrome (OptGuide)",
      "Cache del modello IA locale di Chrome (OptGuide)", "ذاكرة نموذج الذكاء الاصطناعي المحلي في Chrome"}},
}};

const std::array<SubItemRow, 4> kSubItemsAfterChrome{{
    {{"Python uv"},
     {"", "Python uv Global Wheel Cache", "Python uv パッケージキャッシュ", "Python uv 全域安裝包快取",
      "Python uv 전역 패키지 캐시", "Globaler Wheel-Cache von Python uv", "Cache global des wheels de Python uv",
      "Caché global de wheels de Python uv", "Cache global de wheels do Python uv", "Глобальный кэш пакетов Python uv",
      "Cache globale dei wheel di Python uv", "ذاكرة الحزم العامة لـ Python uv"}},
    {{"Codex"},
     {"", "Codex Historical Session Archive", "Codex セッション履歴アーカイブ", "Codex 歷史工作階段歸檔",
      "Codex 이전 세션 보관본", "Archiv früherer Codex-Sitzungen", "Archive des anciennes sessions Codex",
      "Archivo de sesiones anteriores de Codex", "Arquivo de sessões anteriores do Codex",
      "Архив прошлых сеансов Codex", "Archivio delle sessioni passate di Codex", "أرشيف جلسات Codex السابقة"}},
    {{"Claude"},
     {"", "Claude Context & Runtime Cache", "Claude コンテキストキャッシュ", "Claude 歷史上下文與執行快取",
      "Claude 컨텍스트 및 실행 캐시", "Kontext- & Laufzeitcache von Claude",
      "Cache de contexte et d'exécution de Claude", "Caché de contexto y ejecución de Claude",
      "Cache de contexto e execução do Claude", "Кэш контекста и выполнения Claude",
      "Cache di contesto ed esecuzione di Claude", "ذاكرة السياق والتشغيل في Claude"}},
    {{"系统数据", "macOS"},
     {"", "System Data & Precompiled Cache", "システムデータ・キャッシュ", "系統資料與底層快取",
      "시스템 데이터 및 사전 컴파일 캐시", "Systemdaten & vorkompilierter Cache", "Données système et cache précompilé",
      "Datos del sistema y caché precompilada", "Dados do sistema e cache pré-compilado",
      "Системные данные и предкомпилированный кэш", "Dati di sistema e cache precompilata",
      "بيانات النظام والذاكرة المترجمة مسبقًا"}},
}};

template <std::size_t N> const SubItemRow* firstMatch(const std::array<SubItemRow, N>& rows, std::string_view name)
{
    for (const auto& row : rows)
        if (containsAny(name, row.needles))
            return &row;
    return nullptr;
}

// ---------------------------------------------------------------- banners

constexpr std::string_view kRestoreMarker = "原路还原";
// A clean or restore that found another one running (for this user) and did nothing.
constexpr std::string_view kAnotherCleanMarker = "另一项清理或还原正在进行中";

constexpr Row12 kAnotherCleanRunning{"",
                                     "Another clean or restore is running · Nothing was changed",
                                     "別のクリーンまたは復元を実行中です · 何も変更していません",
                                     "另一項清理或還原正在進行中，本次未做任何變更",
                                     "다른 정리 또는 복원이 진행 중입니다 · 아무것도 변경하지 않았습니다",
                                     "Eine andere Bereinigung oder Wiederherstellung läuft · Nichts wurde geändert",
                                     "Un autre nettoyage ou une restauration est en cours · Rien n'a été modifié",
                                     "Hay otra limpieza o restauración en curso · No se ha cambiado nada",
                                     "Outra limpeza ou restauração está em andamento · Nada foi alterado",
                                     "Уже идёт другая очистка или восстановление · Ничего не изменено",
                                     "È in corso un'altra pulizia o un altro ripristino · Non è stato modificato nulla",
                                     "هناك عملية تنظيف أو استعادة أخرى قيد التشغيل · لم يتم تغيير أي شيء"};

// What a clean left in place. The engine's banner says it after "；"; the translated banners
// would otherwise report a clean that skipped items as complete. The count comes last so no
// language needs plural forms.
constexpr std::string_view kSkippedMarker = "；";
constexpr std::string_view kSkippedTail = " 项被系统占用或无权限，已保留未动";
constexpr Row12 kSkippedLead{"",
                             " · Left untouched (in use or no permission): ",
                             " · 使用中または権限がないため残した項目: ",
                             "；被系統占用或無權限而保留未動的項目：",
                             " · 사용 중이거나 권한이 없어 그대로 둔 항목: ",
                             " · Unverändert gelassen (in Benutzung oder ohne Berechtigung): ",
                             " · Laissés intacts (en cours d'utilisation ou sans autorisation) : ",
                             " · Sin tocar (en uso o sin permiso): ",
                             " · Mantidos intactos (em uso ou sem permissão): ",
                             " · Оставлено без изменений (занято или нет доступа): ",
                             " · Lasciati intatti (in uso o senza autorizzazione): ",
                             " · تُركت دون تغيير (قيد الاستخدام أو دون إذن): "};

constexpr Row12 kRestoreLead{"",
                             "Restored selected items back to their original locations (",
                             "選択項目を元の場所へ復元しました (",
                             "已為您原路還原所選檔案 (",
                             "선택한 항목을 원래 위치로 복원했습니다 (",
                             "Elemente am ursprünglichen Ort wiederhergestellt (",
                             "Éléments restaurés à leur emplacement d'origine (",
                             "Elementos restaurados a su ubicación original (",
                             "Itens restaurados ao local original (",
                             "Выбранные элементы восстановлены на прежнее место (",
                             "Elementi ripristinati nella posizione originale (",
                             "أُعيدت العناصر المحددة إلى مواقعها الأصلية ("};

constexpr Row12 kCleanPrefix{"",
                             "Clean Complete · Safely reclaimed ",
                             "クリーン完了 · 安全に ",
                             "清理完成 · 已安全為您騰出 ",
                             "정리 완료 · 안전하게 ",
                             "Bereinigung abgeschlossen · ",
                             "Nettoyage terminé · ",
                             "Limpieza completada · ",
                             "Limpeza concluída · ",
                             "Очистка завершена · Безопасно освобождено ",
                             "Pulizia completata · Liberati ",
                             "اكتمل التنظيف · تم تحرير "};

constexpr Row12 kCleanSuffix{"",
                             " of disk space",
                             " の空き容量を解放しました",
                             " 磁碟空間",
                             " 공간을 확보했습니다",
                             " sicher freigegeben",
                             " d'espace libéré en toute sécurité",
                             " liberados de forma segura",
                             " liberados com segurança",
                             "",
                             " in sicurezza",
                             " بأمان"};

// What the volume itself says a clean freed, beside the estimate, and the note when it
// freed noticeably less. The engine's banner carries them in "（实测腾出 M，预估 E[，少于预估…]）".
constexpr std::string_view kMeasuredOpen = "（实测腾出 ";
constexpr std::string_view kMeasuredClose = "）";
constexpr std::string_view kEstimateMarker = "，预估 ";
constexpr std::string_view kSharedMarker = "少于预估";
constexpr Row12 kMeasuredLead{"",
                              " · Measured on disk: ",
                              " · ディスク上の実測: ",
                              " · 實測騰出: ",
                              " · 디스크 실측: ",
                              " · Auf dem Datenträger gemessen: ",
                              " · Mesuré sur le disque : ",
                              " · Medido en el disco: ",
                              " · Medido no disco: ",
                              " · Измерено на диске: ",
                              " · Misurato sul disco: ",
                              " · المقيس على القرص: "};
constexpr Row12 kEstimateLead{"",          " (estimated ", "（見積もり ", "（預估 ",   " (예상 ",    " (geschätzt ",
                              " (estimé ", " (estimado ",  " (estimado ", " (оценка ", " (stimato ", " (المقدَّر "};
constexpr Row12 kEstimateClose{"", ")", "）", "）", ")", ")", ")", ")", ")", ")", ")", ")"};
constexpr Row12 kSharedNote{"",
                            " · Freed less than estimated: shared with a snapshot or another copy",
                            " · 見積もりより少ない解放: スナップショットまたは別のコピーと共有されています",
                            " · 騰出少於預估：部分空間與快照或其他副本共用",
                            " · 예상보다 적게 확보됨: 스냅샷 또는 다른 사본과 공유됨",
                            " · Weniger freigegeben als geschätzt: mit einem Snapshot oder einer anderen Kopie geteilt",
                            " · Moins libéré que prévu : partagé avec un instantané ou une autre copie",
                            " · Se liberó menos de lo estimado: compartido con una instantánea u otra copia",
                            " · Liberado menos que o estimado: compartilhado com um snapshot ou outra cópia",
                            " · Освобождено меньше расчётного: общие данные со снимком или другой копией",
                            " · Liberato meno del previsto: condiviso con uno snapshot o un'altra copia",
                            " · تم تحرير أقل من المقدَّر: مشترك مع لقطة أو نسخة أخرى"};

// A clean that put nothing into the Trash: what it removed is gone for good.
constexpr std::string_view kDeletedMarker = "清理完成 · 已永久删除 ";
constexpr Row12 kDeletedPrefix{
    "",
    "Clean Complete · Deleted for good (not in the Trash, cannot be undone) · Freed ",
    "クリーン完了 · 完全に削除しました (ゴミ箱なし・元に戻せません) · 解放: ",
    "清理完成 · 已永久刪除（未移入廢紙簍，無法還原）· 騰出 ",
    "정리 완료 · 영구 삭제됨 (휴지통 없음, 되돌릴 수 없음) · 확보: ",
    "Bereinigung abgeschlossen · Endgültig gelöscht (nicht im Papierkorb, nicht umkehrbar) · ",
    "Nettoyage terminé · Supprimé définitivement (pas dans la corbeille, irréversible) · ",
    "Limpieza completada · Eliminado para siempre (sin papelera, no se puede deshacer) · ",
    "Limpeza concluída · Excluído para sempre (sem Lixo, não pode ser desfeito) · ",
    "Очистка завершена · Удалено навсегда (не в Корзине, отменить нельзя) · Освобождено ",
    "Pulizia completata · Eliminato definitivamente (non nel Cestino, irreversibile) · ",
    "اكتمل التنظيف · حُذف نهائيًا (ليس في المهملات، لا يمكن التراجع) · تم تحرير "};
constexpr Row12 kDeletedSuffix{"",        "",           "",           "", "",          " freigegeben",
                               " libéré", " liberados", " liberados", "", " liberati", ""};

// A clean that put some items into the Trash and deleted others.
constexpr std::string_view kSomeDeletedMarker = "；其中 ";
constexpr std::string_view kSomeDeletedTail = " 项已永久删除，无法还原";
constexpr Row12 kSomeDeletedLead{"",
                                 " · Deleted for good, cannot be undone: ",
                                 " · 完全に削除 (元に戻せません): ",
                                 "；已永久刪除、無法還原的項目：",
                                 " · 영구 삭제됨 (되돌릴 수 없음): ",
                                 " · Endgültig gelöscht (nicht umkehrbar): ",
                                 " · Supprimés définitivement (irréversible) : ",
                                 " · Eliminados para siempre (no se puede deshacer): ",
                                 " · Excluídos para sempre (não pode ser desfeito): ",
                                 " · Удалено навсегда (отменить нельзя): ",
                                 " · Eliminati definitivamente (irreversibile): ",
                                 " · حُذفت نهائيًا (لا يمكن التراجع): "};

// The labels the clean commands give their cleans (exact texts, the zh-Hans column).
const std::array<Text12, 7> kCleanLabels{{
    {"cleanLabel.verifiedPureCache"},
    {"cleanLabel.idleProjectDependencies"},
    {"cleanLabel.duplicateClones"},
    {"cleanLabel.largeFiles"},
    {"cleanLabel.appsLeftovers"},
    {"cleanLabel.appCaches"},
    {"cleanLabel.verifiedSafeItems"},
}};

constexpr std::string_view kLeftoverSuffix = " 缓存残留";
const Text12 kLeftoverSuffixText{"recordName.leftoverSuffix"};

constexpr std::string_view kDataSuffix = " 设置与数据";
const Text12 kDataSuffixText{"recordName.dataSuffix"};

std::string_view between(std::string_view text, std::string_view open, std::string_view close)
{
    auto start = text.find(open);
    if (start == std::string_view::npos)
        return {};
    start += open.size();
    auto end = text.rfind(close);
    if (end == std::string_view::npos || end < start)
        return {};
    return text.substr(start, end - start);
}

// What a restore banner reports: restore-all names the restored total ("…（共 1.2 GB）"), a
// single restore names the item ("已将「name」从废纸篓原路还原至 folder"). lastFreedBytes is the
// last clean's figure, which would misstate what came back, so it is not used here.
// The name is looked for first: a file's own name may contain "（共 …）".
std::string_view restoredFigure(std::string_view banner)
{
    if (auto name = between(banner, "已将「", "」从废纸篓原路还原至"); !name.empty())
        return name;
    return between(banner, "（共 ", "）");
}

} // namespace

const Text12& categoryNameTable(LargeFileCategory category)
{
    return kCategoryNames[static_cast<std::size_t>(category)];
}

std::string QuillmereL10n::localizeCategory(LargeFileCategory category) const
{
    return std::string(categoryNameTable(category)(language_));
}

std::string QuillmereL10n::localizeSubItemName(std::string_view name) const
{
    if (language_ == AppLanguage::zhHans)
        return std::string(name);
    const auto index = languageIndex(language_);
    if (const auto* row = firstMatch(kSubItemsBeforeChrome, name))
        return std::string(row->texts[index]);
    // Per-profile browser caches keep their profile name; only the fixed words are translated.
    if (name.find("Chrome") != std::string_view::npos)
        return localizeLinuxItemName(name, language_).value_or(std::string(name));
    if (const auto* row = firstMatch(kSubItemsAfterChrome, name))
        return std::string(row->texts[index]);
    if (auto linuxName = localizeLinuxItemName(name, language_))
        return *std::move(linuxName);
    return std::string(name);
}

std::string QuillmereL10n::localizeBanner(std::string_view banner, Int64 lastFreedBytes) const
{
    if (language_ == AppLanguage::zhHans)
        return std::string(banner);
    const auto index = languageIndex(language_);
    if (banner.find(kAnotherCleanMarker) != std::string_view::npos)
        return std::string(kAnotherCleanRunning[index]);
    if (banner.find(kRestoreMarker) != std::string_view::npos) {
        std::string_view lead = kRestoreLead[index];
        auto figure = restoredFigure(banner);
        if (figure.empty()) // neither a total nor a name to show: the sentence alone
            return std::string(lead.substr(0, lead.rfind(" (")));
        return std::string(lead).append(isolatedFigure(figure, language_)).append(")");
    }
    const bool deleted = banner.starts_with(kDeletedMarker);
    std::string text = std::string(deleted ? kDeletedPrefix[index] : kCleanPrefix[index])
                           .append(isolatedFigure(DiskFormat::bytes(lastFreedBytes), language_))
                           .append(deleted ? kDeletedSuffix[index] : kCleanSuffix[index]);
    if (auto measured = between(banner, kMeasuredOpen, kMeasuredClose); !measured.empty()) {
        const auto split = measured.find(kEstimateMarker);
        const auto figure = measured.substr(0, split);
        auto estimate =
            split == std::string_view::npos ? std::string_view() : measured.substr(split + kEstimateMarker.size());
        estimate = estimate.substr(0, estimate.find("，"));
        text.append(kMeasuredLead[index]).append(isolatedFigure(figure, language_));
        if (!estimate.empty())
            text.append(kEstimateLead[index]).append(isolatedFigure(estimate, language_)).append(kEstimateClose[index]);
        if (measured.find(kSharedMarker) != std::string_view::npos)
            text.append(kSharedNote[index]);
    }
    if (auto skipped = between(banner, kSkippedMarker, kSkippedTail); !skipped.empty())
        text.append(kSkippedLead[index]).append(skipped);
    if (auto some = between(banner, kSomeDeletedMarker, kSomeDeletedTail); !some.empty())
        text.append(kSomeDeletedLead[index]).append(some);
    return text;
}

std::string QuillmereL10n::localizeCleanLabel(std::string_view label) const
{
    for (const auto& text : kCleanLabels)
        if (text(AppLanguage::zhHans) == label)
            return std::string(text(language_));
    return std::string(label);
}

std::string QuillmereL10n::localizeRecordName(std::string_view name) const
{
    if (name.ends_with(kLeftoverSuffix)) {
        const auto app = name.substr(0, name.size() - kLeftoverSuffix.size());
        return std::string(app).append(kLeftoverSuffixText(language_));
    }
    if (name.ends_with(kDataSuffix)) {
        const auto app = name.substr(0, name.size() - kDataSuffix.size());
        return std::string(app).append(kDataSuffixText(language_));
    }
    return localizeSubItemName(name);
}

namespace SharedTitles {
const Text12 rescanHeroTitle{"shared.rescanHeroTitle"};
const Text12 scanningNowTitle{"shared.scanningNowTitle"};
const Text12 reclaimableLabel{"shared.reclaimableLabel"};
const Text12 selectedToReclaimTitle{"shared.selectedToReclaimTitle"};
const Text12 smartCleanAllTitle{"shared.smartCleanAllTitle"};
const Text12 undoRestoreTitle{"shared.undoRestoreTitle"};
} // namespace SharedTitles

std::string_view QuillmereL10n::rescanHeroTitle() const { return SharedTitles::rescanHeroTitle(language_); }
std::string_view QuillmereL10n::scanningNowTitle() const { return SharedTitles::scanningNowTitle(language_); }
std::string_view QuillmereL10n::reclaimableLabel() const { return SharedTitles::reclaimableLabel(language_); }
std::string_view QuillmereL10n::selectedToReclaimTitle() const
{
    return SharedTitles::selectedToReclaimTitle(language_);
}
std::string_view QuillmereL10n::smartCleanAllTitle() const { return SharedTitles::smartCleanAllTitle(language_); }
std::string_view QuillmereL10n::undoRestoreTitle() const { return SharedTitles::undoRestoreTitle(language_); }
