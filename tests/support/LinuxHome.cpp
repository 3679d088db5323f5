// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "LinuxHome.h"

#include "IconFixtures.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

namespace sorvale::test {
namespace {

namespace fs = std::filesystem;
using enum model::CleanupCategory;

// A folder of `files` files of `each` bytes, the way caches fill up.
void fill(FixtureTree& tree, const fs::path& folder, int files, std::int64_t each) {
    for (int index = 0; index < files; ++index) {
        tree.allocatedFile(folder / ("entry-" + std::to_string(index)), each);
    }
}

void write(FixtureTree& tree, const fs::path& relative, std::string_view text) {
    tree.file(relative);
    std::ofstream(tree / relative, std::ios::binary) << text;
}

} // namespace

LinuxHome::LinuxHome(FixtureTree& tree, std::int64_t scale) {
    // Unscaled, sizes are a sixteenth of a real home's: their proportions are what matter, and
    // the fixture stays quick to build and to remove.
    const std::int64_t kKiB = 1024 * scale / 16;
    const std::int64_t kMiB = 1024 * 1024 * scale / 16;
    const auto cache = [&](const fs::path& place, model::CleanupCategory category, int files,
                           std::int64_t each) {
        fill(tree, place, files, each);
        reclaimable.push_back({place, category});
    };
    const auto keep = [&](const fs::path& place, std::int64_t bytes) {
        tree.allocatedFile(place, bytes);
        personal.push_back(place);
    };

    // The cache folder, entry by entry.
    cache("home/.cache/mozilla", browserCaches, 40, 2 * kMiB);
    cache("home/.cache/google-chrome", browserCaches, 30, 2 * kMiB);
    cache("home/.cache/BraveSoftware", browserCaches, 8, kMiB);
    cache("home/.cache/pip", developerCaches, 20, kMiB);
    cache("home/.cache/yarn", developerCaches, 25, kMiB);
    cache("home/.cache/go-build", developerCaches, 30, 512 * kKiB);
    cache("home/.cache/JetBrains", developerCaches, 12, 2 * kMiB);
    cache("home/.cache/ms-playwright", developerCaches, 10, 4 * kMiB);
    cache("home/.cache/huggingface", developerCaches, 4, 8 * kMiB);
    cache("home/.cache/thumbnails", thumbnails, 60, 64 * kKiB);
    cache("home/.cache/fontconfig", userCaches, 4, 64 * kKiB);
    cache("home/.cache/mesa_shader_cache", userCaches, 16, 256 * kKiB);
    cache("home/.cache/gnome-software", userCaches, 6, kMiB);
    cache("home/.cache/tracker3", userCaches, 3, kMiB);

    // Browsers' and Electron applications' caches beside their settings and their data.
    for (const char* place :
         {"Default/Code Cache", "Default/GPUCache", "Default/Service Worker/CacheStorage",
          "Default/Service Worker/ScriptCache", "Profile 1/Code Cache", "GrShaderCache",
          "ShaderCache", "GraphiteDawnCache"}) {
        cache(fs::path("home/.config/google-chrome") / place, browserCaches, 6, kMiB);
    }
    cache("home/.config/google-chrome/Crash Reports", logs, 3, 256 * kKiB);
    for (const char* place :
         {"Default/Cookies", "Default/History", "Default/Login Data", "Default/Bookmarks",
          "Default/Preferences", "Default/Local Storage/leveldb/000003.log",
          "Default/IndexedDB/https_example.org_0.indexeddb.leveldb/LOG",
          "Default/Service Worker/Database/000001.log", "Local State"}) {
        keep(fs::path("home/.config/google-chrome") / place, 2 * kMiB);
    }
    for (const char* place : {"Cache", "CachedData", "Code Cache", "GPUCache", "DawnGraphiteCache",
                              "Service Worker/CacheStorage"}) {
        cache(fs::path("home/.config/Code") / place, applicationCaches, 8, kMiB);
    }
    cache("home/.config/Code/logs", logs, 10, 256 * kKiB);
    cache("home/.config/Code/Crashpad", logs, 2, kMiB);
    keep("home/.config/Code/User/settings.json", 4 * kKiB);
    keep("home/.config/Code/User/globalStorage/state.vscdb", 2 * kMiB);
    keep("home/.config/Code/Local Storage/leveldb/000005.ldb", kMiB);
    for (const char* place : {"Cache", "Code Cache", "GPUCache"}) {
        cache(fs::path("home/.config/discord") / place, applicationCaches, 10, kMiB);
    }
    keep("home/.config/discord/Local Storage/leveldb/000003.log", kMiB);
    keep("home/.config/discord/settings.json", 4 * kKiB);
    cache("home/.config/Slack/Cache", applicationCaches, 6, kMiB);
    cache("home/.config/Slack/Service Worker/CacheStorage", applicationCaches, 6, kMiB);
    cache("home/.config/Slack/logs", logs, 4, 256 * kKiB);
    keep("home/.config/Slack/Cookies", 256 * kKiB);
    keep("home/.config/Slack/IndexedDB/https_app.slack.com_0.indexeddb.leveldb/000004.log", kMiB);
    // A folder named like a cache but deeper than any profile keeps is an application's own.
    keep("home/.config/someapp/projects/2024/Cache/notes.txt", 64 * kKiB);
    keep("home/.config/dconf/user", 64 * kKiB);
    keep("home/.config/monitors.xml", 4 * kKiB);

    // Firefox keeps its profile (history, passwords, keys) apart from its cache.
    for (const char* file : {"places.sqlite", "cookies.sqlite", "logins.json", "key4.db",
                             "formhistory.sqlite", "prefs.js"}) {
        keep(fs::path("home/.mozilla/firefox/abcd1234.default-release") / file, kMiB);
    }
    cache("home/.mozilla/firefox/Crash Reports", logs, 3, 128 * kKiB);

    // Flatpak and Snap applications keep cache and data apart.
    cache("home/.var/app/com.spotify.Client/cache", applicationCaches, 30, 2 * kMiB);
    cache("home/.var/app/org.mozilla.firefox/cache", browserCaches, 20, 2 * kMiB);
    cache("home/.var/app/com.discordapp.Discord/config/discord/Cache", applicationCaches, 10, kMiB);
    keep("home/.var/app/com.discordapp.Discord/config/discord/Local Storage/leveldb/1.log", kMiB);
    keep("home/.var/app/com.spotify.Client/config/spotify/prefs", 4 * kKiB);
    keep("home/.var/app/org.mozilla.firefox/.mozilla/firefox/x.default/places.sqlite", kMiB);
    keep("home/.var/app/org.gnome.Maps/data/maps-places.json", 64 * kKiB);
    cache("home/snap/firefox/common/.cache", browserCaches, 20, 2 * kMiB);
    cache("home/snap/spotify/common/.cache", applicationCaches, 10, 2 * kMiB);
    keep("home/snap/firefox/common/.mozilla/firefox/y.default/logins.json", 64 * kKiB);

    // Developer tools' download stores, and what lies beside them.
    cache("home/.npm/_cacache", developerCaches, 30, kMiB);
    tree.allocatedFile("home/.npm/_logs/2024-05-01T10_00_00_000Z-debug-0.log", 64 * kKiB);
    cache("home/.cargo/registry/cache", developerCaches, 20, kMiB);
    cache("home/.cargo/registry/src", developerCaches, 20, 2 * kMiB);
    cache("home/.cargo/registry/index", developerCaches, 10, kMiB);
    cache("home/.cargo/git", developerCaches, 6, kMiB);
    keep("home/.cargo/bin/ripgrep", 4 * kMiB);
    keep("home/.cargo/config.toml", 4 * kKiB);
    cache("home/.gradle/caches", developerCaches, 20, 2 * kMiB);
    cache("home/.gradle/wrapper/dists", developerCaches, 4, 8 * kMiB);
    keep("home/.gradle/gradle.properties", 4 * kKiB);
    cache("home/go/pkg/mod", developerCaches, 20, kMiB);
    keep("home/go/src/example.org/tool/main.go", 16 * kKiB);
    cache("home/.local/share/pnpm/store", developerCaches, 15, kMiB);
    cache("home/.nuget/packages", developerCaches, 8, kMiB);
    cache("home/miniconda3/pkgs", developerCaches, 6, 4 * kMiB);
    keep("home/miniconda3/envs/data/bin/python3", 4 * kMiB);
    cache("home/.m2/repository", developerRepositories, 12, 2 * kMiB);
    keep("home/.m2/settings.xml", 4 * kKiB);
    // The module cache is read-only, as Go leaves it.
    tree.folder("home/go/pkg/mod/example.org/lib@v1.2.3");
    tree.allocatedFile("home/go/pkg/mod/example.org/lib@v1.2.3/lib.go", 64 * kKiB);
    ::chmod((tree / "home/go/pkg/mod/example.org/lib@v1.2.3/lib.go").c_str(), 0444);
    ::chmod((tree / "home/go/pkg/mod/example.org/lib@v1.2.3").c_str(), 0555);

    // Logs of the desktop session.
    tree.allocatedFile("home/.xsession-errors", 2 * kMiB);
    reclaimable.push_back({"home/.xsession-errors", logs});
    tree.allocatedFile("home/.xsession-errors.old", kMiB);
    reclaimable.push_back({"home/.xsession-errors.old", logs});
    tree.allocatedFile("home/.local/share/xorg/Xorg.0.log", 256 * kKiB);
    reclaimable.push_back({"home/.local/share/xorg/Xorg.0.log", logs});
    keep("home/.local/share/xorg/notes.txt", 4 * kKiB);

    // The Trash, with its records.
    tree.allocatedFile("home/.local/share/Trash/files/old-holiday.mp4", 30 * kMiB);
    write(tree, "home/.local/share/Trash/info/old-holiday.mp4.trashinfo",
          "[Trash Info]\nPath=/home/user/Videos/old-holiday.mp4\n"
          "DeletionDate=2026-10-01T10:00:00\n");
    reclaimable.push_back({"home/.local/share/Trash/files/old-holiday.mp4", trash});
    fill(tree, "home/.local/share/Trash/files/draft-project", 5, kMiB);
    write(tree, "home/.local/share/Trash/info/draft-project.trashinfo",
          "[Trash Info]\nPath=/home/user/draft-project\nDeletionDate=2026-11-02T09:30:00\n");
    reclaimable.push_back({"home/.local/share/Trash/files/draft-project", trash});

    // Personal files, keys and history.
    for (const char* file :
         {"home/Documents/thesis.odt", "home/Documents/taxes-2025.pdf", "home/Pictures/beach.jpg",
          "home/Music/album/track01.flac", "home/Videos/birthday.mp4"}) {
        keep(file, 4 * kMiB);
    }
    for (const char* file :
         {"home/.ssh/id_ed25519", "home/.ssh/known_hosts", "home/.gnupg/pubring.kbx",
          "home/.local/share/keyrings/login.keyring", "home/.bash_history", "home/.python_history",
          "home/.local/share/recently-used.xbel", "home/.bashrc", "home/.gitconfig"}) {
        keep(file, 16 * kKiB);
    }
    keep("home/.local/share/gnome-shell/application_state", 4 * kKiB);
    keep("home/.local/share/evolution/mail/local/Inbox", 4 * kMiB);

    // The system: downloaded packages, archived journals beside the active one, a crash report,
    // an unused Flatpak runtime beside used and pinned ones, and an old snap revision.
    for (const char* package :
         {"firefox-esr_115.12.0esr-1_amd64.deb", "libreoffice-core_7.4.7-1_amd64.deb",
          "linux-image-6.1.0-21-amd64_6.1.90-1_amd64.deb", "code_1.89.1-1715060508_amd64.deb",
          "git_2.39.2-1.1_amd64.deb"}) {
        tree.allocatedFile(fs::path("root/var/cache/apt/archives") / package, 10 * kMiB);
    }
    tree.file("root/var/cache/apt/archives/lock");
    tree.allocatedFile("root/var/cache/apt/pkgcache.bin", 30 * kMiB);
    tree.folder("root/var/cache/apt/archives/partial");
    reclaimable.push_back({"root/var/cache/apt", packageCaches});
    const fs::path journal = "root/var/log/journal/0123456789abcdef0123456789abcdef";
    for (const char* file : {"system@0001-0000000000000001-0005f0.journal",
                             "system@0001-0000000000000100-0005f1.journal",
                             "user-1000@0002-0000000000000001-0005f0.journal"}) {
        tree.allocatedFile(journal / file, 24 * kMiB);
        reclaimable.push_back({journal / file, systemLogs});
    }
    tree.allocatedFile(journal / "system.journal", 16 * kMiB);
    tree.allocatedFile(journal / "user-1000.journal", 8 * kMiB);
    tree.allocatedFile("root/var/crash/_usr_bin_gedit.1000.crash", 6 * kMiB);
    reclaimable.push_back({"root/var/crash/_usr_bin_gedit.1000.crash", systemLogs});

    const auto deploy = [&](const fs::path& ref, std::string_view metadata, std::int64_t bytes) {
        tree.symlink(ref / "active", "a1b2c3");
        write(tree, ref / "a1b2c3/metadata", metadata);
        fill(tree, ref / "a1b2c3/files", 4, bytes / 4);
    };
    const fs::path flatpak = "root/var/lib/flatpak";
    deploy(flatpak / "app/org.gnome.Maps/x86_64/stable",
           "[Application]\nname=org.gnome.Maps\nruntime=org.gnome.Platform/x86_64/46\n"
           "sdk=org.gnome.Sdk/x86_64/46\n",
           8 * kMiB);
    deploy(flatpak / "runtime/org.gnome.Platform/x86_64/46",
           "[Runtime]\nname=org.gnome.Platform\n\n[Extension org.gtk.Gtk3theme]\n"
           "directory=share/runtime/share/themes\n",
           40 * kMiB);
    deploy(flatpak / "runtime/org.gnome.Platform.Locale/x86_64/46", "[Runtime]\n", 4 * kMiB);
    deploy(flatpak / "runtime/org.gtk.Gtk3theme.Adwaita-dark/x86_64/3.22", "[Runtime]\n", kMiB);
    deploy(flatpak / "runtime/org.kde.Platform/x86_64/5.15-23.08", "[Runtime]\n", 40 * kMiB);
    write(tree, flatpak / "repo/config",
          "[core]\nrepo_version=1\nmode=bare-user-only\n"
          "xa.pinned=runtime/org.kde.Platform/x86_64/5.15-23.08\n");
    deploy(flatpak / "runtime/org.gnome.Platform/x86_64/44", "[Runtime]\n", 36 * kMiB);
    reclaimable.push_back({flatpak / "runtime/org.gnome.Platform/x86_64/44", unusedRuntimes});

    tree.allocatedFile("root/var/lib/snapd/snaps/firefox_4100.snap", 60 * kMiB);
    tree.allocatedFile("root/var/lib/snapd/snaps/firefox_4173.snap", 60 * kMiB);
    tree.allocatedFile("root/var/lib/snapd/snaps/core22_1380.snap", 20 * kMiB);
    tree.symlink("root/snap/firefox/current", "4173");
    tree.symlink("root/snap/core22/current", "1380");
    reclaimable.push_back({"root/var/lib/snapd/snaps/firefox_4100.snap", snapRevisions});

    addApplications(tree, kKiB, kMiB);
}

void LinuxHome::addApplications(FixtureTree& tree, std::int64_t kKiB, std::int64_t kMiB) {
    using Operation = model::CleanupOperation;
    const auto keep = [&](const fs::path& place, std::int64_t bytes) {
        tree.allocatedFile(place, bytes);
        personal.push_back(place);
    };
    const auto cache = [&](const fs::path& place, model::CleanupCategory category, int files,
                           std::int64_t each) {
        fill(tree, place, files, each);
        reclaimable.push_back({place, category});
    };
    const auto desktopEntry = [&](const fs::path& file, std::string_view name,
                                  std::string_view icon, std::string_view exec,
                                  std::string_view extra = {}) {
        write(tree, file,
              "[Desktop Entry]\nType=Application\nName=" + std::string(name) +
                  "\nName[de]=Lokal\nIcon=" + std::string(icon) + "\nExec=" + std::string(exec) +
                  "\n" + std::string(extra) + "\n[Desktop Action New]\nName=Other\n");
    };
    const auto installer = [&](const fs::path& file, std::int64_t bytes) {
        tree.allocatedFile(file, bytes);
        reclaimableByApplications.push_back({file, installers});
    };

    // Flatpak: Maps in the system installation beside its runtime, Spotify in the user's. The
    // installation exports each entry through links into the active deployment.
    const fs::path maps = "root/var/lib/flatpak/app/org.gnome.Maps";
    tree.symlink(maps / "current", "x86_64/stable");
    const fs::path mapsExport = maps / "x86_64/stable/a1b2c3/export/share";
    desktopEntry(mapsExport / "applications/org.gnome.Maps.desktop", "Maps", "org.gnome.Maps",
                 "/app/bin/gnome-maps");
    write(tree, mapsExport / "icons/hicolor/scalable/apps/org.gnome.Maps.svg",
          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"128\" height=\"128\">"
          "<rect x=\"8\" y=\"8\" width=\"112\" height=\"112\" rx=\"24\" fill=\"#3584e4\"/>"
          "<path d=\"M64 28a24 24 0 0 0-24 24c0 18 24 48 24 48s24-30 24-48a24 24 0 0 0-24-24z\" "
          "fill=\"#f6f5f4\"/></svg>\n");
    tree.allocatedFile(mapsExport / "icons/hicolor/symbolic/apps/org.gnome.Maps-symbolic.svg",
                       4 * kKiB);
    tree.symlink("root/var/lib/flatpak/exports/share/applications/org.gnome.Maps.desktop",
                 "../../../app/org.gnome.Maps/current/active/export/share/applications/"
                 "org.gnome.Maps.desktop");
    applications.push_back({"Maps",
                            maps,
                            Operation::uninstallFlatpak("system/org.gnome.Maps"),
                            mapsExport / "icons/hicolor/scalable/apps/org.gnome.Maps.svg",
                            {"home/.var/app/org.gnome.Maps"}});

    const fs::path spotify = "home/.local/share/flatpak/app/com.spotify.Client";
    const fs::path spotifyRef = spotify / "x86_64/stable";
    tree.symlink(spotify / "current", "x86_64/stable");
    tree.symlink(spotifyRef / "active", "f00d");
    write(tree, spotifyRef / "f00d/metadata",
          "[Application]\nname=com.spotify.Client\nruntime=org.freedesktop.Platform/x86_64/"
          "23.08\ncommand=spotify\n");
    fill(tree, spotifyRef / "f00d/files/extra", 6, 8 * kMiB);
    const fs::path spotifyExport = spotifyRef / "f00d/export/share";
    desktopEntry(spotifyExport / "applications/com.spotify.Client.desktop", "Spotify",
                 "com.spotify.Client", "/usr/bin/flatpak run com.spotify.Client");
    tree.allocatedFile(spotifyExport / "icons/hicolor/64x64/apps/com.spotify.Client.png", kKiB);
    write(tree, spotifyExport / "icons/hicolor/256x256/apps/com.spotify.Client.png",
          iconPng(0x1ed760, 0x0f7a33));
    applications.push_back({"Spotify",
                            spotify,
                            Operation::uninstallFlatpak("user/com.spotify.Client"),
                            spotifyExport / "icons/hicolor/256x256/apps/com.spotify.Client.png",
                            {"home/.var/app/com.spotify.Client"}});

    // Snap: Firefox, as snapd mounts it and writes its desktop entry; core22 has no entry.
    write(tree, "root/snap/firefox/4173/default256.png", iconPng(0xff9500, 0xe31587));
    tree.folder("root/snap/core22/1380");
    desktopEntry("root/var/lib/snapd/desktop/applications/firefox_firefox.desktop", "Firefox",
                 "/snap/firefox/4173/default256.png", "env BAMF_DESKTOP_FILE_HINT=x firefox %u");
    applications.push_back({"Firefox",
                            "root/snap/firefox",
                            Operation::uninstallSnap("firefox"),
                            "root/snap/firefox/4173/default256.png",
                            {"home/snap/firefox"}});

    // AppImages: Obsidian integrated into the desktop, balenaEtcher run from Downloads.
    const fs::path obsidian = "home/Applications/Obsidian-1.5.3.AppImage";
    tree.allocatedFile(obsidian, 12 * kMiB);
    const fs::path obsidianEntry =
        "home/.local/share/applications/appimagekit_5e1c2a-Obsidian.desktop";
    desktopEntry(obsidianEntry, "Obsidian", "appimagekit_5e1c2a_obsidian",
                 "\"" + (tree / obsidian).native() + "\" %U",
                 "X-AppImage-Name=Obsidian\nX-AppImage-Version=1.5.3\n");
    const fs::path obsidianIcon =
        "home/.local/share/icons/hicolor/256x256/apps/appimagekit_5e1c2a_obsidian.png";
    write(tree, obsidianIcon, iconPng(0x8e6cef, 0x4b2ca0));
    keep("home/.config/Obsidian/obsidian.json", 4 * kKiB);
    keep("home/.config/Obsidian/Local Storage/leveldb/000003.log", kMiB);
    cache("home/.cache/Obsidian", userCaches, 4, kMiB);
    applicationData.push_back("home/.config/Obsidian");
    applications.push_back(
        {"Obsidian",
         obsidian,
         Operation::uninstallAppImage(),
         obsidianIcon,
         {"home/.cache/Obsidian", "home/.config/Obsidian", obsidianEntry, obsidianIcon}});

    const fs::path etcher = "home/Downloads/balenaEtcher-1.18.11-x64.AppImage";
    tree.allocatedFile(etcher, 10 * kMiB);
    keep("home/.config/balenaEtcher/config.json", 4 * kKiB);
    applicationData.push_back("home/.config/balenaEtcher");
    applications.push_back({"balenaEtcher",
                            etcher,
                            Operation::uninstallAppImage(),
                            {},
                            {"home/.config/balenaEtcher"}});

    // Debian packages: GIMP and VLC with visible entries, a settings tool whose entry is hidden,
    // an essential package, two removed ones whose settings stayed, and Sorvale itself.
    std::string status;
    const auto package = [&](std::string_view name, std::string_view state,
                             std::string_view priority, std::vector<fs::path> files,
                             std::string_view extra = {}) {
        status += "Package: " + std::string(name) + "\nStatus: " +
                  (state == "installed" ? "install ok installed" : "deinstall ok config-files") +
                  "\nPriority: " + std::string(priority) +
                  "\nSection: misc\nArchitecture: amd64\n" + std::string(extra) +
                  "Version: 1.0-1\nDescription: a package\n long description\n\n";
        std::string list = "/.\n/usr\n/usr/share\n";
        for (const fs::path& file : files) {
            list += file.native() + "\n";
        }
        write(tree, fs::path("root/var/lib/dpkg/info") / (std::string(name) + ".list"), list);
    };
    package("base-files", "installed", "required", {"/etc/debian_version"}, "Essential: yes\n");
    write(tree, "root/etc/debian_version", "12.5\n");
    package("gimp", "installed", "optional",
            {"/usr/bin/gimp-2.10", "/usr/share/applications/gimp.desktop",
             "/usr/share/icons/hicolor/256x256/apps/gimp.png"});
    tree.allocatedFile("root/usr/bin/gimp-2.10", 6 * kMiB);
    desktopEntry("root/usr/share/applications/gimp.desktop", "GNU Image Manipulation Program",
                 "gimp", "gimp-2.10 %U");
    write(tree, "root/usr/share/icons/hicolor/256x256/apps/gimp.png", iconPng(0x8a7f6e, 0x3f3a33));
    // GIMP keeps its settings in "GIMP": not the package's name, so not matched.
    keep("home/.config/GIMP/2.10/gimprc", 4 * kKiB);
    cache("home/.cache/gimp", userCaches, 2, kMiB);
    applications.push_back({"GNU Image Manipulation Program",
                            "root/usr/share/applications/gimp.desktop",
                            Operation::uninstallDebianPackage("gimp"),
                            "root/usr/share/icons/hicolor/256x256/apps/gimp.png",
                            {"home/.cache/gimp"}});

    package("vlc", "installed", "optional",
            {"/usr/bin/vlc", "/usr/share/applications/vlc.desktop",
             "/usr/share/applications/vlc-openbd.desktop", "/usr/share/pixmaps/vlc.png"});
    tree.allocatedFile("root/usr/bin/vlc", 2 * kMiB);
    desktopEntry("root/usr/share/applications/vlc.desktop", "VLC media player", "vlc",
                 "/usr/bin/vlc --started-from-file %U");
    desktopEntry("root/usr/share/applications/vlc-openbd.desktop", "Open Blu-ray", "vlc",
                 "/usr/bin/vlc bluray://", "NoDisplay=true\n");
    write(tree, "root/usr/share/pixmaps/vlc.png", iconPng(0xff8800, 0xcc4400));
    keep("home/.config/vlc/vlcrc", 16 * kKiB);
    keep("home/.local/share/vlc/ml.xspf", 4 * kKiB);
    applicationData.push_back("home/.config/vlc");
    applicationData.push_back("home/.local/share/vlc");
    applications.push_back({"VLC media player",
                            "root/usr/share/applications/vlc.desktop",
                            Operation::uninstallDebianPackage("vlc"),
                            "root/usr/share/pixmaps/vlc.png",
                            {"home/.config/vlc", "home/.local/share/vlc"}});

    package("network-manager-gnome", "installed", "optional",
            {"/usr/share/applications/nm-connection-editor.desktop"});
    desktopEntry("root/usr/share/applications/nm-connection-editor.desktop", "Network Connections",
                 "nm-device-wired", "nm-connection-editor", "NoDisplay=true\n");
    neverApplications.push_back("root/usr/share/applications/nm-connection-editor.desktop");
    package("gnome-terminal", "installed", "important",
            {"/usr/share/applications/org.gnome.Terminal.desktop"});
    desktopEntry("root/usr/share/applications/org.gnome.Terminal.desktop", "Terminal",
                 "org.gnome.Terminal", "gnome-terminal");
    neverApplications.push_back("root/usr/share/applications/org.gnome.Terminal.desktop");
    package("sorvale", "installed", "optional",
            {"/usr/share/applications/example.sorvale.Sorvale.desktop"});
    desktopEntry("root/usr/share/applications/example.sorvale.Sorvale.desktop", "Sorvale",
                 "example.sorvale.Sorvale", "sorvale");
    neverApplications.push_back("root/usr/share/applications/example.sorvale.Sorvale.desktop");

    package("hexchat", "config-files", "optional", {});
    keep("home/.config/hexchat/servlist.conf", 4 * kKiB);
    package("supertuxkart", "config-files", "optional", {});
    keep("home/.local/share/supertuxkart/config.xml", 4 * kKiB);
    neverApplications.push_back("home/.local/share/supertuxkart");
    write(tree, "root/var/lib/dpkg/status", status);

    // Installer files, some deep in Downloads; an AppImage on the Desktop is not installed.
    installer("home/Downloads/code_1.89.1-1715060508_amd64.deb", 6 * kMiB);
    installer("home/Downloads/google-chrome-stable_current_x86_64.rpm", 6 * kMiB);
    installer("home/Downloads/drivers/NVIDIA-Linux-x86_64-550.78.run", 20 * kMiB);
    installer("home/Downloads/org.gimp.GIMP.flatpakref", 4 * kKiB);
    installer("home/Downloads/flathub.flatpakrepo", 4 * kKiB);
    installer("home/Downloads/iso/debian-12.5.0-amd64-netinst.iso", 40 * kMiB);
    installer("home/Desktop/Krita-5.2.2-x86_64.appimage", 8 * kMiB);
    installer("home/Desktop/hello_42.snap", 2 * kMiB);
    keep("home/Downloads/invoice-2026-11.pdf", 256 * kKiB);

    // Data of removed applications: Discord's Flatpak and the Spotify snap, long unused, are
    // leftovers; Firefox's Flatpak data was used last week and stays.
    for (const char* data :
         {"home/.var/app/com.discordapp.Discord", "home/snap/spotify", "home/.config/hexchat"}) {
        tree.age(data, 40);
        reclaimableByApplications.push_back({data, appLeftovers});
        applicationData.push_back(data);
    }
    tree.age("home/.var/app/org.mozilla.firefox", 6);
    neverApplications.push_back("home/.var/app/org.mozilla.firefox");

    for (const Application& application : applications) {
        reclaimableByApplications.push_back({application.url, installedApplications});
        for (const fs::path& file : application.support) {
            reclaimableByApplications.push_back({file, installedApplications});
        }
    }
    for (const char* data : {"home/.var/app/org.gnome.Maps", "home/.var/app/com.spotify.Client",
                             "home/snap/firefox"}) {
        applicationData.push_back(data);
    }
}

void unsetBaseFolders() {
    for (const char* variable : {"XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        ::unsetenv(variable);
    }
}

bool isWithin(const fs::path& path, const fs::path& folder) {
    const auto [end, unused] =
        std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
    return end == folder.end();
}

std::vector<const model::CleanupItem*> offering(const std::vector<model::CleanupItem>& items,
                                                const fs::path& path) {
    std::vector<const model::CleanupItem*> found;
    for (const model::CleanupItem& item : items) {
        bool offers = isWithin(path, item.url.path());
        for (const model::Location& related : item.relatedFiles) {
            offers = offers || isWithin(path, related.path());
        }
        if (offers) {
            found.push_back(&item);
        }
    }
    return found;
}

std::int64_t allocatedBelow(const fs::path& path) {
    if (!fs::is_directory(fs::symlink_status(path))) {
        return allocatedBytes(path);
    }
    std::int64_t total = 0;
    for (const auto& entry : fs::recursive_directory_iterator(path)) {
        if (!entry.is_symlink() && entry.is_regular_file()) {
            total += allocatedBytes(entry.path());
        }
    }
    return total;
}

} // namespace sorvale::test
