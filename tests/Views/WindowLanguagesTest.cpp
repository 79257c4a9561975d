// What a screen reader hears in each language: every name and description in the real
// window's accessibility tree, in every list with each of its rows inspected, in the popovers
// and menus, with the banners of a clean and of its restore, and in the empty states: none in
// another script, none in English where the language says it otherwise. One window is switched
// through all twelve languages at each step.
#include "GrantPresenter.h"
#include "L10n/AppLanguage.h"
#include "Views/WindowTestSupport.h"
#include "support/TextScripts.h"
#include "support/UntranslatedTexts.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

namespace {

// A home with every kind of row: a card of each kind (the system's own included), idle and
// active artefacts, a duplicate group, a large file of each kind, apps with and without
// leftovers, a Flatpak's leftovers and what removed packages left behind.
void fillEveryKindOfRow(WindowUnderTest& w)
{
    w.fillEveryWorkspace();
    const TempHome& root = w.machine.root;
    const std::string home = "Users/demo/";
    root.allocatedFile(home + ".cache/fontconfig/index", 3 * MiB);
    root.allocatedFile(home + ".cache/thumbnails/large/a.png", 2 * MiB);
    root.allocatedFile(home + ".cache/mozilla/firefox/p.default/cache2/entry", 6 * MiB);
    root.allocatedFile(home + "Documents/fresh-app/node_modules/lib.js", 16 * MiB);
    root.file(home + "Documents/fresh-app/package.json", 2);
    for (const char* large : {"Pictures/panorama.jpg", "Music/concert.flac", "Documents/contract-scan.pdf",
                              "Downloads/photos-2025.zip", "Videos/lecture.mkv", "Downloads/tool_1.0_amd64.deb"})
        root.allocatedFile(home + large, 26 * MiB);
    root.allocatedFile(home + ".var/app/org.example.Gone/cache/blob", 4 * MiB);
    // dpkg knows one app still installed and two packages gone.
    root.fileWithContent("sys/dpkg/status", "Package: vlc\nStatus: install ok installed\nInstalled-Size: 9000\n\n"
                                            "Package: kdenlive\nStatus: deinstall ok config-files\n\n");
    root.fileWithContent("sys/applications/vlc.desktop", "[Desktop Entry]\nType=Application\nName=vlc\nExec=vlc\n");
    root.fileWithContent("sys/dpkg/info/vlc:amd64.list", "/.\n/usr\n" + root.at("sys/applications/vlc.desktop") + "\n");
    root.fileWithContent("sys/log/dpkg.log", "2026-03-04 10:23:45 remove audacity:amd64 3.2 <none>\n");
    for (const char* left :
         {".cache/vlc/a", ".config/vlc/a", ".cache/audacity/a", ".config/audacity/a", ".local/share/kdenlive/a"})
        root.allocatedFile(home + left, 3 * MiB);
    LinuxAppRoots roots = LinuxAppRoots::none();
    roots.dpkgAdmin = root.at("sys/dpkg");
    roots.desktopEntries = {root.at("sys/applications")};
    roots.packageLogs = root.at("sys/log");
    roots.programFolders = {root.mkdir("sys/bin")};
    w.linuxApps = roots;

    // The person named their folders, as a desktop lets them: the window labels each by what it
    // is for, and no name reads like that label left in English.
    const std::pair<const char*, const char*> ownNames[] = {
        {"Desktop", "desk"},    {"Downloads", "inbox"}, {"Documents", "papers"}, {"Music", "tunes"},
        {"Pictures", "photos"}, {"Videos", "clips"},    {"Movies", "films"}};
    for (const auto& [standard, own] : ownNames)
        std::filesystem::rename(root.at(home + standard), root.at(home + own));
    root.fileWithContent(home + ".config/user-dirs.dirs",
                         "XDG_DESKTOP_DIR=\"$HOME/desk\"\nXDG_DOWNLOAD_DIR=\"$HOME/inbox\"\n"
                         "XDG_DOCUMENTS_DIR=\"$HOME/papers\"\nXDG_MUSIC_DIR=\"$HOME/tunes\"\n"
                         "XDG_PICTURES_DIR=\"$HOME/photos\"\nXDG_VIDEOS_DIR=\"$HOME/clips\"\n");
}

// The names of the home's own files, folders and apps, with and without their extension.
QStringList homeNames(const WindowUnderTest& w)
{
    QStringList names;
    for (const std::string& top : {w.home, w.machine.applications})
        for (const auto& entry : std::filesystem::recursive_directory_iterator(top)) {
            const std::string name = entry.path().filename().string();
            names.append(QString::fromUtf8(name.data(), qsizetype(name.size())));
            if (const auto dot = name.rfind('.'); dot != std::string::npos && dot > 0)
                names.append(QString::fromUtf8(name.data(), qsizetype(dot)));
        }
    names.removeDuplicates();
    return names;
}

// Names the window shows as they are in any language: the names of the home's own files,
// folders and apps, with and without their extension; the disk's name; a command to type; and
// each language and its region as the language menu names them, in their own scripts.
QStringList namesShownAsTheyAre(const WindowUnderTest& w)
{
    QStringList names{QString::fromStdString(w.scanner().results().overview().volumeName), QStringLiteral("demo"),
                      QStringLiteral("sudo apt remove"), QStringLiteral("npm install")};
    // A name that reads as one of our labels in English is not let through: the check could
    // not tell the label left untranslated from the name.
    for (const QString& name : homeNames(w))
        if (!englishLabelCalled(name))
            names.append(name);
    for (auto language : allCases<AppLanguage>())
        for (std::string_view said : {nativeName(language), marketRegion(language)})
            names.append(QString::fromUtf8(said.data(), qsizetype(said.size())));
    names.removeDuplicates();
    return names;
}

// Every text heard in one language, and those in another script or left in English, each once.
struct Heard {
    std::set<QString> texts;
    std::map<QString, QString> wrong;        // text → where it was first heard
    std::map<QString, QString> untranslated; // text → where it was first heard
};

class LanguageWalk {
  public:
    explicit LanguageWalk(WindowUnderTest& w) : w_(w), names_(namesShownAsTheyAre(w)) {}

    // Reads the whole tree in every language after `reach` brought the window to a state;
    // `reach` runs again after each switch, so a state that a switch closes is reopened.
    template <typename Reach> void inEveryLanguage(const QString& where, Reach reach)
    {
        for (auto language : allCases<AppLanguage>()) {
            w_.view->setLanguageRaw(QString::fromLatin1(code(language).data(), qsizetype(code(language).size())));
            reach(language);
            listen(language, where);
        }
    }
    // Reads the tree as it is now, in the language shown.
    void listen(AppLanguage language, const QString& where)
    {
        w_.settle();
        Heard& heard = heard_[language];
        for (const AccessibleNode& node : w_.nodes())
            for (const QString& text : {node.name(), node.node->text(QAccessible::Description)}) {
                if (text.isEmpty() || !heard.texts.insert(text).second)
                    continue;
                if (auto part = wrongScriptPart(text, language, names_))
                    heard.wrong.emplace(text, where + QStringLiteral(" [") + *part + QStringLiteral("]"));
                else if (auto english = untranslatedPart(text, language))
                    heard.untranslated.emplace(text, where + QStringLiteral(" [") + *english + QStringLiteral("]"));
            }
    }
    // Every row of the shown list inspected in turn, or, for rows inspected already, the list
    // as it is; an empty list shows its empty state.
    void everyRow(AppLanguage language, const QString& where, bool inspectEach = true)
    {
        const int rows = w_.view->rowsOf(w_.view->shownList())->rowCount();
        if (rows == 0)
            sawEmptyState_ = sawEmptyState_ || w_.isShown("emptyState");
        if (rows == 0 || !inspectEach)
            listen(language, where);
        for (int row = 0; inspectEach && row < rows; ++row) {
            w_.view->inspectRow(row);
            listen(language, where + QStringLiteral(" row %1").arg(row));
        }
    }
    bool sawEmptyState() const { return sawEmptyState_; }

    QString report() const
    {
        QStringList lines;
        for (const auto& [language, heard] : heard_) {
            lines.append(QStringLiteral("%1: %2 of %3 texts in another script, %4 left in English")
                             .arg(QString::fromLatin1(code(language).data(), qsizetype(code(language).size())))
                             .arg(heard.wrong.size())
                             .arg(heard.texts.size())
                             .arg(heard.untranslated.size()));
            for (const auto& [text, where] : heard.wrong)
                lines.append(QStringLiteral("  %1: %2").arg(where, text));
            for (const auto& [text, where] : heard.untranslated)
                lines.append(QStringLiteral("  English %1: %2").arg(where, text));
        }
        return lines.join(u'\n');
    }
    std::size_t wrongTexts() const
    {
        std::size_t count = 0;
        for (const auto& [language, heard] : heard_)
            count += heard.wrong.size() + heard.untranslated.size();
        return count;
    }
    std::size_t textsHeard(AppLanguage language) const
    {
        const auto found = heard_.find(language);
        return found == heard_.end() ? 0 : found->second.texts.size();
    }

  private:
    WindowUnderTest& w_;
    const QStringList names_;
    std::map<AppLanguage, Heard> heard_;
    bool sawEmptyState_ = false;
};

QString listName(ShownList list) { return QString::number(int(list)); }

} // namespace

TEST(WindowLanguages, EveryTextIsInTheWindowsLanguageInEveryListRowPopoverBannerAndEmptyState)
{
    WindowUnderTest w;
    w.asksForGrants = true; // the access row, with its menu
    fillEveryKindOfRow(w);
    // A name is let through only as a name: none may equal a label the check reads as English.
    // Flatpak fixes the names of an app's own folders (~/.var/app/<id>/cache); the window shows
    // them only inside paths.
    for (const QString& name : homeNames(w))
        if (!QStringList{"app", "cache", "config", "data"}.contains(name)) {
            EXPECT_FALSE(englishLabelCalled(name))
                << name.toStdString() << " reads as " << englishLabelCalled(name)->toStdString();
        }
    w.open();
    LanguageWalk walk(w);

    for (ShownList list : WindowLists::kAllShownLists) {
        const QString where = QStringLiteral("list ") + listName(list);
        if (list == ShownList::LargeFiles) {
            for (auto category : allCases<LargeFileCategory>())
                walk.inEveryLanguage(where, [&](AppLanguage language) {
                    w.view->showList(list);
                    w.view->setSelectedLargeCategory(category);
                    walk.everyRow(language, where + QStringLiteral(" category %1").arg(int(category)),
                                  category != LargeFileCategory::all);
                });
        } else if (list == ShownList::InstalledApps) {
            for (bool onlyCache : {false, true})
                walk.inEveryLanguage(where, [&](AppLanguage language) {
                    w.view->showList(list);
                    w.view->setAppSlimmingOnlyCache(onlyCache);
                    walk.everyRow(language, where + (onlyCache ? QStringLiteral(" leftovers") : QString()), !onlyCache);
                });
        } else {
            walk.inEveryLanguage(where, [&](AppLanguage language) {
                w.view->showList(list);
                walk.everyRow(language, where);
            });
        }
    }
    w.view->setAppSlimmingOnlyCache(false);
    ASSERT_GE(w.view->rowsOf(ShownList::InstalledApps)->rowCount(), 5) << "apps, a Flatpak's and packages' leftovers";

    // With the Trash off, a clean waits for the person to confirm deleting for good.
    w.view->setMoveToTrash(false);
    w.view->showList(ShownList::LargeFiles);
    walk.inEveryLanguage(QStringLiteral("delete confirmation"), [&](AppLanguage) {
        if (!w.view->pendingClean())
            w.view->triggerPrimaryCleanAction();
        ASSERT_TRUE(w.view->pendingClean());
    });
    w.view->cancelPendingClean();
    w.view->setMoveToTrash(true);
    walk.inEveryLanguage(QStringLiteral("safety popover"), [&](AppLanguage) { w.view->setShowSafetyPopover(true); });
    w.view->setShowSafetyPopover(false);
    walk.inEveryLanguage(QStringLiteral("language popover"),
                         [&](AppLanguage) { w.view->setShowLanguageMatrixPopover(true); });
    w.view->setShowLanguageMatrixPopover(false);
    walk.inEveryLanguage(QStringLiteral("access menu"), [&](AppLanguage) {
        QObject* menu = w.window->findChild<QObject*>(QStringLiteral("accessMenu"));
        ASSERT_TRUE(menu);
        QMetaObject::invokeMethod(menu, "open");
    });
    QMetaObject::invokeMethod(w.window->findChild<QObject*>(QStringLiteral("accessMenu")), "close");
    walk.inEveryLanguage(QStringLiteral("empty history"),
                         [&](AppLanguage) { w.view->setShowRestoreHistoryPopover(true); });
    w.view->setShowRestoreHistoryPopover(false);

    // Cleans into the test home's own Trash, a copy, the smart clean and every artefact: their
    // banner, their records, the list left empty.
    w.view->setLanguageRaw(QStringLiteral("en"));
    w.view->showList(ShownList::DuplicateGroups);
    w.view->triggerPrimaryCleanAction();
    ASSERT_TRUE(w.waitForClean());
    w.view->smartCleanAll();
    ASSERT_TRUE(w.waitForClean());
    // Every artefact, the active one too, so that list is left empty.
    w.view->showList(ShownList::ProjectBloats);
    w.view->lists().adapter(ShownList::ProjectBloats).setAllSelected(true);
    w.view->triggerPrimaryCleanAction();
    ASSERT_TRUE(w.waitForClean());
    ASSERT_TRUE(w.isShown("feedbackBanner"));
    for (ShownList list : WindowLists::kAllShownLists)
        walk.inEveryLanguage(QStringLiteral("after a clean"), [&](AppLanguage language) {
            w.view->showList(list);
            walk.everyRow(language, QStringLiteral("cleaned list ") + listName(list), false);
        });
    walk.inEveryLanguage(QStringLiteral("history after a clean"),
                         [&](AppLanguage) { w.view->setShowRestoreHistoryPopover(true); });
    ASSERT_TRUE(w.isShown("restoreHistoryList"));
    w.view->setShowRestoreHistoryPopover(false);
    EXPECT_TRUE(walk.sawEmptyState());

    w.view->setLanguageRaw(QStringLiteral("en"));
    w.view->undoLastClean();
    ASSERT_TRUE(w.waitForClean());
    ASSERT_TRUE(waitForScan(w.scanner()));
    walk.inEveryLanguage(QStringLiteral("after a restore"),
                         [&](AppLanguage) { ASSERT_TRUE(w.isShown("feedbackBanner")); });

    for (auto language : allCases<AppLanguage>())
        EXPECT_GE(walk.textsHeard(language), 150u) << code(language);
    EXPECT_EQ(walk.wrongTexts(), 0u) << walk.report().toStdString();
}

// Before the home folder is granted, the onboarding covers the window.
TEST(WindowLanguages, TheOnboardingIsInEveryLanguage)
{
    WindowUnderTest w;
    w.asksForGrants = true;
    w.granted = false;
    w.open();
    ASSERT_TRUE(w.view->grants()->showsOnboarding());
    LanguageWalk walk(w);
    walk.inEveryLanguage(QStringLiteral("onboarding"), [](AppLanguage) {});
    for (auto language : allCases<AppLanguage>())
        EXPECT_GE(walk.textsHeard(language), 5u) << code(language);
    EXPECT_EQ(walk.wrongTexts(), 0u) << walk.report().toStdString();
}
