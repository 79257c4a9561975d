#!/usr/bin/env bash
# Times the zero-risk catalogue and the idle-artefact scan against du over the same
# folders, on a synthetic home with large node_modules and cache trees.
# Usage: bench_catalogue.sh BUILD_DIR   (best of QUILLMERE_BENCH_RUNS warm runs; goal <= 1.2x du)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh" "$1"
runs=${QUILLMERE_BENCH_RUNS:-5}

say() { echo "[$(date +%T)] $*"; }
new_fixture
H="$fixture/home"
templates="$fixture/templates"

# Files of `size` bytes written by the shell itself (no process per file).
fill() { # dir count size [prefix]
  local dir=$1 count=$2 size=$3 prefix=${4:-f} pad i
  mkdir -p "$dir"
  printf -v pad '%*s' "$size" ''
  for ((i = 0; i < count; i++)); do printf '%s' "$pad" >"$dir/$prefix$i"; done
}

# One dependency tree: packages with lib/ and dist/ folders and some nested node_modules.
make_node_modules() { # dir packages
  local dir=$1 packages=$2 p
  for ((p = 0; p < packages; p++)); do
    fill "$dir/pkg-$p/lib" 8 1800 m
    fill "$dir/pkg-$p/dist/esm" 6 3000 m
    printf '{"name":"pkg-%d"}' "$p" >"$dir/pkg-$p/package.json"
    if ((p % 10 == 0)); then fill "$dir/pkg-$p/node_modules/dep/lib" 6 1200 d; fi
  done
}

# A cache tree spread over nested shards, like browser and package caches.
make_cache_tree() { # dir shards files-per-shard size
  local dir=$1 shards=$2 files=$3 size=$4 s
  for ((s = 0; s < shards; s++)); do fill "$dir/$((s % 16))/s$s" "$files" "$size"; done
}

say "building fixture in $fixture ..."
start=$(date +%s)
make_node_modules "$templates/node_modules" 300
make_cache_tree "$templates/cache" 80 60 6000

# Developer projects: idle ones with big dependency trees, sources beside them.
for i in $(seq 1 14); do
  project="$H/Desktop/projects/app-$i"
  mkdir -p "$project"
  cp -r "$templates/node_modules" "$project/node_modules"
  fill "$project/src" 30 2500 s
  if ((i % 3 == 0)); then cp -r "$templates/cache" "$project/dist"; fi
done
for i in $(seq 1 4); do
  project="$H/Documents/work/tool-$i"
  mkdir -p "$project/.venv/lib/python3.11"
  cp -r "$templates/node_modules" "$project/.venv/lib/python3.11/site-packages"
  fill "$project/pkg" 20 3000 s
  mkdir -p "$project/.git/objects"; cp -r "$templates/cache" "$project/.git/objects/pack"
done
fill "$H/Documents/letters" 200 5000 l
touch -d '20 days ago' "$H"/Desktop/projects/* "$H"/Documents/work/*

# Catalogue locations: browser, container, AI tool and system caches.
chrome="$H/Library/Application Support/Google/Chrome"
mkdir -p "$H/Library/Caches" "$H/.cache" "$H/.local/share"
cp -r "$templates/cache" "$H/Library/Caches/Google"
mkdir -p "$H/Library/Caches/com.apple.Safari" "$H/Library/Caches/com.spotify.client"
cp -r "$templates/cache" "$H/Library/Caches/com.apple.Safari/WebKitCache"
cp -r "$templates/cache" "$H/Library/Caches/com.spotify.client/Data"
for profile in Default "Profile 1"; do
  mkdir -p "$chrome/$profile/Service Worker"
  cp -r "$templates/cache" "$chrome/$profile/Cache"
  cp -r "$templates/cache" "$chrome/$profile/Service Worker/CacheStorage"
  fill "$chrome/$profile/Code Cache/js" 800 4000
  fill "$chrome/$profile/Local Storage" 20 4000
done
mkdir -p "$chrome/OptGuideOnDeviceModel" "$H/.cache/huggingface/hub/models--x/blobs"
fallocate -l 512M "$chrome/OptGuideOnDeviceModel/weights.bin"
fallocate -l 768M "$H/.cache/huggingface/hub/models--x/blobs/model.safetensors"
cp -r "$templates/cache" "$H/.cache/pip"
cp -r "$templates/node_modules" "$H/.cache/yarn"
wechat="$H/Library/Containers/com.tencent.xinWeChat/Data"
mkdir -p "$wechat/Library/Application Support/com.tencent.xinWeChat"
cp -r "$templates/cache" "$wechat/Library/Application Support/com.tencent.xinWeChat/media"
cp -r "$templates/cache" "$H/.local/share/uv"
fill "$H/.codex/sessions/2026" 400 20000
mkdir -p "$H/.local/share/Trash"
cp -r "$templates/cache" "$H/.local/share/Trash/files"
# Linux places: browser profiles split between the cache and configuration folders,
# sandboxed app caches, developer caches and the running session's own caches.
for profile in Default "Profile 1"; do
  mkdir -p "$H/.cache/google-chrome/$profile" "$H/.config/google-chrome/$profile"
  cp -r "$templates/cache" "$H/.cache/google-chrome/$profile/Cache"
  fill "$H/.config/google-chrome/$profile/GPUCache" 200 4000
  fill "$H/.config/google-chrome/$profile/Local Storage" 20 4000
done
for app in org.mozilla.firefox com.discordapp.Discord org.gimp.GIMP; do
  mkdir -p "$H/.var/app/$app"
  cp -r "$templates/cache" "$H/.var/app/$app/cache"
  fill "$H/.var/app/$app/config" 20 3000
done
mkdir -p "$H/.cargo/registry" "$H/.cache/kwin"
cp -r "$templates/node_modules" "$H/.cargo/registry/src"
fill "$H/.cache/kwin/qmlcache" 300 3000
rm -rf "$templates"
catalogue_folders=("$H/Library" "$H/.cache" "$H/.local/share" "$H/.codex" "$H/.config" "$H/.var" "$H/.cargo")
bloat_folders=("$H/Desktop/projects" "$H/Documents")
catalogue_entries=$(find "${catalogue_folders[@]}" | wc -l)
bloat_entries=$(find "${bloat_folders[@]}" | wc -l)
say "fixture: $catalogue_entries catalogue and $bloat_entries project entries in $(($(date +%s) - start)) s"

# Warm the page and inode caches, and show what the scans find.
du -sB1 "${catalogue_folders[@]}" "${bloat_folders[@]}" >/dev/null
found_items=$("$cli" phase catalogue --home "$H" --json | grep -c '"url"' || true)
found_artefacts=$("$cli" phase bloat --home "$H" --json | grep -c '"url"' || true)
say "found $found_items catalogue items and $found_artefacts idle artefacts"

t_cat=$(best_of "$runs" "$cli" phase catalogue --home "$H")
t_cat_du=$(best_of "$runs" du -sB1 "${catalogue_folders[@]}")
t_bloat=$(best_of "$runs" "$cli" phase bloat --home "$H")
t_bloat_du=$(best_of "$runs" du -sB1 "${bloat_folders[@]}")
echo "catalogue over $catalogue_entries entries: quillmere-cli ${t_cat}s, du -sB1 ${t_cat_du}s, ratio $(ratio "$t_cat" "$t_cat_du")x (goal <= 1.2x)"
echo "artefacts over $bloat_entries entries: quillmere-cli ${t_bloat}s, du -sB1 ${t_bloat_du}s, ratio $(ratio "$t_bloat" "$t_bloat_du")x (goal <= 1.2x)"
