#include "L10n/QuillmereL10n.h"

#include <array>

namespace {

// ---------------------------------------------------------------- large-file categories

const std::array<Text12, 5> kCategoryNames{{
    {{"全部大文件", "All Files", "すべて", "全部大檔案", "전체 파일", "Alle Dateien", "Tous", "Todos", "Todos",
      "Все файлы", "Tutti", "الكل"}},
    {{"安装包与压缩包", "Installers & Archives", "インストーラ・圧縮", "安裝包與壓縮包", "설치파일·압축",
      "Installer & Archive", "Installeurs", "Instaladores", "Instaladores", "Архивы и образы", "Installer",
      "حزم التثبيت"}},
    {{"视频与渲染媒体", "Videos & Media", "動画・メディア", "影片與算圖媒體", "동영상·미디어", "Videos & Medien",
      "Vidéos & Médias", "Videos y medios", "Vídeos e mídia", "Видео и медиа", "Video e media", "الفيديو والوسائط"}},
    {{"模型与数据库", "AI Models & DB", "AIモデル・DB", "模型與資料庫", "AI 모델·DB", "KI-Modelle & DB",
      "Modèles IA & BD", "Modelos IA y BD", "Modelos IA e BD", "ИИ-модели и БД", "Modelli IA",
      "نماذج الذكاء الاصطناعي"}},
    {{"其他大文件", "Other Large Files", "その他大容量", "其他大檔案", "기타 대용량", "Sonstige", "Autres", "Otros",
      "Outros", "Прочее", "Altri", "ملفات أخرى"}},
}};

} // namespace

const Text12& categoryNameTable(LargeFileCategory category)
{
    return kCategoryNames[static_cast<std::size_t>(category)];
}

std::string QuillmereL10n::localizeCategory(LargeFileCategory category) const
{
    return std::string(categoryNameTable(category)(language_));
}

namespace SharedTitles {
const Text12 rescanHeroTitle{{"深度二次扫描", "Deep Rescan", "深層再スキャン", "深度二次掃描", "정밀 재스캔",
                              "Tiefenscan starten", "Nouveau scan profond", "Reescaneo profundo", "Reanalisar disco",
                              "Повторное сканирование", "Nuova scansione", "إعادة الفحص العميق"}};
const Text12 scanningNowTitle{{"全盘深度扫描中...", "Scanning Disk...", "スキャン中...", "全盤深度掃描中...",
                               "디스크 스캔 중...", "Scannen läuft...", "Analyse en cours...", "Escaneando...",
                               "Analisando...", "Сканирование...", "Scansione...", "جاري الفحص..."}};
const Text12 reclaimableLabel{{"可安全释放", "Reclaimable", "解放可能", "可安全釋放", "확보 가능", "Freigebbar",
                               "Libérable", "Recuperable", "Liberável", "Доступно", "Liberabile", "قابل للتحرير"}};
const Text12 selectedToReclaimTitle{{"当前勾选可立即释放", "Selected to Reclaim Now", "選択中の解放可能容量",
                                     "當前勾選可立即釋放", "현재 선택된 확보 가능 용량",
                                     "Ausgewählt zur sofortigen Freigabe", "Sélectionné pour libération immédiate",
                                     "Seleccionado para liberar ahora", "Selecionado para liberar agora",
                                     "Выбрано для очистки", "Selezionato da liberare", "المحدد لتحرير المساحة الآن"}};
const Text12 smartCleanAllTitle{{"全盘净空", "Smart Clean All", "一括スマート解放", "全盤淨空", "전체 스마트 정리",
                                 "Alles bereinigen", "Tout nettoyer", "Limpieza total", "Limpar tudo", "Очистить всё",
                                 "Pulisci tutto", "تنظيف شامل"}};
const Text12 undoRestoreTitle{{"撤回还原", "Undo Restore", "元に戻す", "撤回還原", "복원하기", "Wiederherstellen",
                               "Restaurer", "Restaurar", "Restaurar", "Восстановить", "Ripristina", "استعادة"}};
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
