#include "Services/ProjectKinds.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <span>

namespace projectkinds {
namespace {

// One way a folder can belong to a project. Markers are file names beside the folder,
// "*.ext" for any name with that extension; none at all: the folder's name is enough.
// In the command "{name}" stands for the folder's name and "{marker}" for the marker met.
struct Rule {
    std::initializer_list<std::string_view> markers;
    std::string_view command;
    bool everyMarker = false; // all of them, not any
    bool packagesRecorded = true;
    std::string_view subfolder = {};
};

struct Kind {
    std::string_view folderName;
    std::initializer_list<Rule> rules; // the first that matches wins
};

constexpr std::string_view kVenvFromRequirements =
    "python3 -m venv {name} && {name}/bin/pip install -r requirements.txt";
constexpr std::string_view kVenvFromProject = "python3 -m venv {name} && {name}/bin/pip install -e .";
const std::initializer_list<Rule> kPythonEnvironment{
    {{"uv.lock"}, "uv sync"},
    {{"poetry.lock"}, "poetry install"},
    {{"Pipfile.lock"}, "pipenv sync"},
    {{"Pipfile"}, "pipenv install"},
    {{"pdm.lock"}, "pdm install"},
    {{"requirements.txt"}, kVenvFromRequirements},
    {{"pyproject.toml", "setup.py"}, kVenvFromProject},
    // Packages installed by hand: the folder comes back empty.
    {{}, "python3 -m venv {name}", false, false},
};
const std::initializer_list<Rule> kNodeBuild{
    {{"pnpm-lock.yaml"}, "pnpm run build"},
    {{"yarn.lock"}, "yarn build"},
    {{"package.json"}, "npm run build"},
};
const std::initializer_list<Rule> kGradle{
    {{"gradlew"}, "./gradlew build"},
    {{"build.gradle", "build.gradle.kts", "settings.gradle", "settings.gradle.kts"}, "gradle build"},
};
constexpr std::string_view kCMake = "cmake -S . -B {name} && cmake --build {name}";
constexpr std::string_view kMeson = "meson setup {name} && meson compile -C {name}";
const std::initializer_list<Rule> kDotnet{{{"*.csproj", "*.fsproj", "*.vbproj", "*.sln"}, "dotnet build"}};
const std::initializer_list<Rule> kZig{{{"build.zig"}, "zig build"}};

const std::array<Kind, 30> kKinds{{
    {"node_modules",
     {
         {{"pnpm-lock.yaml"}, "pnpm install"},
         {{"yarn.lock"}, "yarn install"},
         {{"bun.lockb", "bun.lock"}, "bun install"},
         {{}, "npm install"},
     }},
    {".venv", kPythonEnvironment},
    {"venv", kPythonEnvironment},
    {".conda", {{{"environment.yml", "environment.yaml"}, "conda env create -p .conda -f {marker}"}}},
    {"dist",
     {
         {{"pnpm-lock.yaml"}, "pnpm run build"},
         {{"yarn.lock"}, "yarn build"},
         {{"package.json"}, "npm run build"},
         {{"pyproject.toml", "setup.py"}, "python3 -m build"},
     }},
    {".next", kNodeBuild},
    {"target", {{{"Cargo.toml"}, "cargo build"}, {{"pom.xml"}, "mvn package"}}},
    {"vendor",
     {
         {{"go.mod"}, "go mod vendor"},
         {{"composer.json"}, "composer install"},
         {{"Gemfile"}, "bundle install", false, true, "bundle"},
     }},
    {"build",
     {
         {{"CMakeLists.txt"}, kCMake},
         {{"meson.build"}, kMeson},
         {{"gradlew"}, "./gradlew build"},
         {{"build.gradle", "build.gradle.kts", "settings.gradle", "settings.gradle.kts"}, "gradle build"},
     }},
    {"builddir", {{{"meson.build"}, kMeson}, {{"CMakeLists.txt"}, kCMake}}},
    {"cmake-build-debug", {{{"CMakeLists.txt"}, kCMake}}},
    {"cmake-build-release", {{{"CMakeLists.txt"}, kCMake}}},
    {".gradle", kGradle},
    {"bin", kDotnet},
    {"obj", kDotnet},
    {".dart_tool", {{{"pubspec.yaml", ".metadata"}, "flutter pub get", true}, {{"pubspec.yaml"}, "dart pub get"}}},
    {".build", {{{"Package.swift"}, "swift build"}}},
    {"zig-cache", kZig},
    {".zig-cache", kZig},
    {"zig-out", kZig},
    {"dist-newstyle", {{{"*.cabal", "cabal.project"}, "cabal build"}}},
    {".stack-work", {{{"stack.yaml"}, "stack build"}}},
    {"_build", {{{"mix.exs"}, "mix compile"}}},
    {"deps", {{{"mix.exs"}, "mix deps.get"}}},
    {".mypy_cache", {{{"*.py", "pyproject.toml", "setup.cfg", "mypy.ini"}, "mypy ."}}},
    {".pytest_cache", {{{"*.py", "pyproject.toml", "setup.cfg", "pytest.ini", "tox.ini"}, "pytest"}}},
    {".ruff_cache", {{{"*.py", "pyproject.toml", "ruff.toml", ".ruff.toml"}, "ruff check ."}}},
    {".tox", {{{"tox.ini", "pyproject.toml", "setup.cfg"}, "tox"}}},
    {".nox", {{{"noxfile.py"}, "nox"}}},
    {"__pycache__", {{{"*.py"}, "python3 -m compileall ."}}},
}};

const Kind* kindNamed(std::string_view name)
{
    const auto found =
        std::find_if(kKinds.begin(), kKinds.end(), [&](const Kind& kind) { return kind.folderName == name; });
    return found == kKinds.end() ? nullptr : &*found;
}

// The sibling that is this marker, or nullptr.
const std::string* siblingFor(std::string_view marker, const std::set<std::string, std::less<>>& siblings)
{
    if (!marker.starts_with('*')) {
        const auto found = siblings.find(marker);
        return found == siblings.end() ? nullptr : &*found;
    }
    const std::string_view suffix = marker.substr(1);
    for (const auto& name : siblings)
        if (name.size() > suffix.size() && name.ends_with(suffix))
            return &name;
    return nullptr;
}

void replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

} // namespace

bool isCandidateName(std::string_view folderName) { return kindNamed(folderName) != nullptr; }

bool isSelfNamed(std::string_view folderName)
{
    return folderName == "node_modules" || folderName == ".venv" || folderName == "venv";
}

std::optional<ProjectKind> match(std::string_view folderName, const std::set<std::string, std::less<>>& siblings)
{
    const Kind* kind = kindNamed(folderName);
    if (!kind)
        return std::nullopt;
    for (const Rule& rule : kind->rules) {
        const std::string* met = nullptr;
        bool matched = rule.markers.size() == 0;
        for (std::string_view marker : rule.markers) {
            const std::string* sibling = siblingFor(marker, siblings);
            if (rule.everyMarker && !sibling) {
                matched = false;
                break;
            }
            if (sibling) {
                matched = true;
                if (!met)
                    met = sibling;
                if (!rule.everyMarker)
                    break;
            }
        }
        if (!matched)
            continue;
        std::string command(rule.command);
        replaceAll(command, "{name}", folderName);
        replaceAll(command, "{marker}", met ? std::string_view(*met) : std::string_view());
        return ProjectKind{std::move(command), rule.subfolder, rule.packagesRecorded};
    }
    return std::nullopt;
}

} // namespace projectkinds
