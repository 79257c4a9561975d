// Build and dependency folders of every common ecosystem, found anywhere in the home by
// the file that marks their project, each with the command that really rebuilds it.
#include "Services/ProjectBloatScan.h"
#include "Services/SelectionState.h"
#include "support/FieldOf.h"
#include "support/TempHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

namespace {

constexpr std::int64_t kFloor = 15 * MiB;

struct Ecosystem {
    const char* name;
    const char* marker; // beside the folder
    const char* folder;
    const char* command;
    bool recorded = true;
};

const Ecosystem kEcosystems[] = {
    {"npm", "package-lock.json", "node_modules", "npm install"},
    {"yarn", "yarn.lock", "node_modules", "yarn install"},
    {"pnpm", "pnpm-lock.yaml", "node_modules", "pnpm install"},
    {"cargo", "Cargo.toml", "target", "cargo build"},
    {"maven", "pom.xml", "target", "mvn package"},
    {"go", "go.mod", "vendor", "go mod vendor"},
    {"composer", "composer.json", "vendor", "composer install"},
    {"bundler", "Gemfile", "vendor/bundle", "bundle install"},
    {"pip", "requirements.txt", ".venv", "python3 -m venv .venv && .venv/bin/pip install -r requirements.txt"},
    {"uv", "uv.lock", ".venv", "uv sync"},
    {"poetry", "poetry.lock", ".venv", "poetry install"},
    {"pipenv", "Pipfile.lock", ".venv", "pipenv sync"},
    {"conda", "environment.yml", ".conda", "conda env create -p .conda -f environment.yml"},
    {"unrecorded", "README.md", "venv", "python3 -m venv venv", false},
    {"cmake", "CMakeLists.txt", "build", "cmake -S . -B build && cmake --build build"},
    {"meson", "meson.build", "builddir", "meson setup builddir && meson compile -C builddir"},
    {"gradle", "gradlew", "build", "./gradlew build"},
    {"dotnet", "App.csproj", "obj", "dotnet build"},
    {"dart", "pubspec.yaml", ".dart_tool", "dart pub get"},
    {"swift", "Package.swift", ".build", "swift build"},
    {"zig", "build.zig", ".zig-cache", "zig build"},
    {"cabal", "demo.cabal", "dist-newstyle", "cabal build"},
    {"stack", "stack.yaml", ".stack-work", "stack build"},
    {"mix-build", "mix.exs", "_build", "mix compile"},
    {"mix-deps", "mix.exs", "deps", "mix deps.get"},
    {"mypy", "main.py", ".mypy_cache", "mypy ."},
    {"pytest", "pytest.ini", ".pytest_cache", "pytest"},
    {"ruff", "ruff.toml", ".ruff_cache", "ruff check ."},
    {"tox", "tox.ini", ".tox", "tox"},
    {"nox", "noxfile.py", ".nox", "nox"},
    {"pycache", "module.py", "__pycache__", "python3 -m compileall ."},
};

// Where people keep projects, nested ones included.
const char* const kPlaces[] = {"Projects", "src", "work/client"};

const ProjectBloatItem* itemAt(const std::vector<ProjectBloatItem>& items, const std::string& url)
{
    for (const auto& item : items)
        if (item.url == url)
            return &item;
    return nullptr;
}

} // namespace

TEST(ProjectEcosystems, EachIsFoundByItsMarkerWithItsCommandIdleOrActive)
{
    TempHome home;
    std::size_t place = 0;
    for (const auto& e : kEcosystems)
        for (const bool idle : {true, false}) {
            const std::string project = std::string(kPlaces[place++ % 3]) + "/" + e.name + (idle ? "-idle" : "-active");
            ASSERT_EQ(home.occupy(project + "/" + e.folder, kFloor), kFloor);
            home.fileWithContent(project + "/" + e.marker, "");
            home.setModifiedDaysAgo(project, idle ? 30 : 1);
        }

    const auto items = scanDeveloperProjectBloats(home.path());
    EXPECT_EQ(items.size(), 2 * std::size(kEcosystems));
    place = 0;
    for (const auto& e : kEcosystems)
        for (const bool idle : {true, false}) {
            const std::string project = std::string(kPlaces[place++ % 3]) + "/" + e.name + (idle ? "-idle" : "-active");
            SCOPED_TRACE(project);
            const ProjectBloatItem* item = itemAt(items, home.at(project + "/" + e.folder));
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->artifactType, e.folder);
            EXPECT_EQ(item->rebuildCommand, e.command);
            EXPECT_EQ(item->packagesRecorded, e.recorded);
            // Only an idle project whose packages some file records is preselected.
            EXPECT_EQ(SelectionState::offeredSelected(*item), idle && e.recorded);
            if (!e.recorded) {
                EXPECT_THAT(item->verificationReason, testing::HasSubstr("无法照原样重建"));
            }
        }
}

TEST(ProjectEcosystems, LookalikesWithoutTheirMarkerAreThePersonsData)
{
    TempHome home;
    for (const char* folder :
         {"Pictures/trip/build", "Documents/taxes/vendor", "Projects/notes/target", "work/site/dist", "src/misc/bin",
          "src/misc/obj", "Projects/old/deps", "Projects/old/_build", "work/x/.tox", "work/x/__pycache__"})
        ASSERT_EQ(home.occupy(folder, 40 * MiB), 40 * MiB);
    home.fileWithContent("Projects/ruby/Gemfile", ""); // Bundler's folder is vendor/bundle, not vendor
    ASSERT_EQ(home.occupy("Projects/ruby/vendor/cache", 40 * MiB), 40 * MiB);
    home.fileWithContent("Projects/deep/a/b/c/d/Cargo.toml", ""); // five below ~/Projects: too deep
    ASSERT_EQ(home.occupy("Projects/deep/a/b/c/d/target", 40 * MiB), 40 * MiB);
    EXPECT_THAT(scanDeveloperProjectBloats(home.path()), testing::IsEmpty());
}

TEST(ProjectEcosystems, HiddenFoldersLinksAndOwnedPlacesAreNotSearched)
{
    TempHome home;
    for (const char* folder :
         {".local/share/app/node_modules", ".cache/proj/node_modules", "snap/code/x/node_modules",
          "go/pkg/mod/x/node_modules", "Library/Caches/y/node_modules", "Projects/.archive/app/node_modules"})
        ASSERT_EQ(home.occupy(folder, kFloor), kFloor);
    ASSERT_EQ(home.occupy("elsewhere/app/node_modules", kFloor), kFloor);
    home.symlink("Projects/linked", home.at("elsewhere"));
    home.fileWithContent("go/src/example.com/me/tool/go.mod", "");
    ASSERT_EQ(home.occupy("go/src/example.com/me/tool/vendor", kFloor), kFloor);

    const auto found = fieldOf(scanDeveloperProjectBloats(home.path()), &ProjectBloatItem::displayPath);
    // ~/elsewhere is a folder of the home of its own; the link to it adds nothing.
    EXPECT_THAT(found,
                testing::UnorderedElementsAre("~/elsewhere/app/node_modules", "~/go/src/example.com/me/tool/vendor"));
}
