#pragma once
// The catalogue's rules for the places Linux programs keep caches: browser, chat and
// office caches, developer tool caches, sandboxed app caches, graphics caches and logs.
// Each rule names a place relative to one of the freedesktop base folders or the home,
// with placeholders for the parts that vary (browser profiles, app ids, revisions), and
// says whether the place is offered selected, unselected, or (by leaving it out) never.
// Texts are the engine's own (Simplified Chinese); the window translates them.

#include "Models/StorageModels.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace linuxcache {

// The folders rules hang from, already resolved for the home being scanned.
struct Places {
    Path home;
    Path cache;  // $XDG_CACHE_HOME or home/.cache
    Path config; // $XDG_CONFIG_HOME or home/.config
    Path data;   // $XDG_DATA_HOME or home/.local/share
};

enum class Base { home, cache, config, data };

// How an item is named: label + " (" + the varying parts + ")", or, for a browser
// profile, label + " 账号 [" + profile + "] 网页缓存 (" + folder below the profile + ")".
enum class NameStyle { labelled, browserProfile };

// Who may have the place open, so that a clean would pull files from under it.
enum class Owner {
    programs,   // one of `programs` runs
    flatpakApp, // the Flatpak app named by the first varying part runs
    snap,       // the Snap named by the first varying part runs
};

struct Rule {
    std::size_t card = 0; // 0..3: browsers, office and chat, AI and developer tools, system
    Base base = Base::home;
    // Components separated by "/". A component is a name, or one of:
    //   {a|b|c}            one of the names
    //   {profile}          a Chromium profile folder (Default, Profile N)
    //   {dir}              any folder not starting with "."
    //   {revision}         a Snap revision folder (123, x2)
    //   {jetbrains-old}    an IDE version folder with a newer one of the same product beside it
    //   {jetbrains-current} the newest version folder of each IDE product
    //   {hub-entry}        a Hugging Face hub entry (models--…, datasets--…, spaces--…)
    //   {log}              a file named *.log or *.log.N
    //   name*              anything whose name starts with "name"
    // Every varying component becomes one of the item's varying parts.
    std::string_view pattern;
    // A browser profile rule's label is the browser's name; its id names the whole item name.
    EngineText label;
    EngineText note;
    EngineText detail;
    bool isSafeDefault = true;
    // Files of the place are hard-linked into environments elsewhere: its size is what
    // removing it really frees, not what du shows.
    bool hardLinkedStore = false;
    NameStyle style = NameStyle::labelled;
    Owner owner = Owner::programs;
    std::span<const std::string_view> programs = {};
};

// Every rule, in the order the catalogue lists what they find (a constant table).
std::span<const Rule> rules();

// One place a rule found on disk.
struct Location {
    Path path;
    std::vector<std::string> parts; // the varying components, in pattern order
    std::string belowProfile;       // browser profile rules: the folders after the profile
};

Path baseFolder(Base base, const Places& places);

// Every existing place matching the rule, reached through real folders only (a link in
// any component is never followed): names found on disk in byte-wise order, alternatives
// in the order written.
std::vector<Location> expand(const Rule& rule, const Places& places);

std::string itemName(const Rule& rule, const Location& location);
// The same name by message id: the varying parts are its arguments.
TextRef itemNameRef(const Rule& rule, const Location& location);

// ~/.cache entries that are never offered: desktop-session caches of the running
// session (removing them has crashed sessions) and the document portal's mount point.
bool isKeptCacheEntry(std::string_view entry);
// True when a rule based on the cache folder covers this entry of it, which the general
// "every entry of ~/.cache" rule must then leave to that rule (one path, one item).
bool isNamedCacheEntry(std::string_view entry);
// The rules based on the cache folder whose first component is this entry, in table order.
std::vector<const Rule*> rulesForCacheEntry(std::string_view entry);

// Name tests, exposed for tests.
bool isChromiumProfileName(std::string_view name);
bool isSnapRevisionName(std::string_view name);

} // namespace linuxcache
