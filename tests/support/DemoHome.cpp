// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "DemoHome.h"

#include "BundleFixtures.h"
#include "IconFixtures.h"
#include "LinuxHome.h"

#include <fstream>
#include <tuple>

namespace sorvale::test {
namespace {

// Sizes are written in megabytes of a real home, but the demo allocates a 25th of them so that
// it fits on any disk (about 2.5 GB in all).
constexpr std::int64_t kMB = 40'000;

void cache(FixtureTree& home, const std::string& relative, std::int64_t megabytes) {
    home.allocatedFile(relative + "/data.bin", megabytes * kMB);
    home.file(relative + "/index.db", 8192);
}

} // namespace

void buildDemoHome(FixtureTree& home, FixtureTree* systemRoot) {
    const std::string library = "Library/";
    for (const auto& [name, megabytes] :
         std::vector<std::pair<std::string, int>>{{"com.apple.Safari", 412},
                                                  {"com.google.Chrome", 986},
                                                  {"com.spotify.client", 1480},
                                                  {"Homebrew", 2210},
                                                  {"com.apple.dt.Xcode", 730},
                                                  {"com.figma.Desktop", 264},
                                                  {"org.swift.swiftpm", 318}}) {
        cache(home, library + "Caches/" + name, megabytes);
    }
    home.file(library + "Caches/.DS_Store", 6148);
    cache(home, library + "Logs/DiagnosticReports", 38);
    home.allocatedFile(library + "Logs/install.log", 12 * kMB);
    cache(home, library + "Developer/Xcode/DerivedData/Orbit-abcdefgh", 5340);
    cache(home, library + "Developer/Xcode/DerivedData/Tidepool-ijklmnop", 2875);
    cache(home, library + "Developer/Xcode/Archives/2025-11-02", 912);
    cache(home, library + "Developer/Xcode/iOS DeviceSupport/iPhone15,3 18.1 (22B83)", 4120);
    cache(home, library + "Developer/CoreSimulator/Caches/dyld", 1630);
    cache(home, library + "Developer/CoreSimulator/Devices/4F1C2D7E-8A3B-4C5D-9E0F-112233445566",
          2380);
    cache(home, library + "Developer/CoreSimulator/Devices/9B8A7C6D-5E4F-4A3B-8C2D-665544332211",
          1175);
    const std::string backups = library + "Application Support/MobileSync/Backup/";
    for (const auto& [device, name, megabytes] :
         {std::tuple{"00008110-001A2B3C4D5E6F70", "Maya\u2019s iPhone", 18230},
          std::tuple{"00008030-000A1B2C3D4E5F60", "Studio iPad", 9420}}) {
        cache(home, backups + device, megabytes);
        std::ofstream(home.file(backups + device + "/Info.plist"))
            << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
            << "<key>Device Name</key><string>" << name << "</string></dict></plist>\n";
    }
    cache(home, ".npm/_cacache", 640);
    cache(home, ".cache/pip", 215);
    cache(home, ".gradle/caches/modules-2", 1280);
    home.allocatedFile(library + "Mail/V10/Work/INBOX.mbox/Data/Attachments/1042/2/Q3 report.pdf",
                       24 * kMB);
    home.allocatedFile(library + "Mail/V10/Work/INBOX.mbox/Data/Attachments/1088/2/site plan.dwg",
                       61 * kMB);
    home.allocatedFile(library +
                           "Containers/com.apple.mail/Data/Library/Mail Downloads/B2C1/invoice.zip",
                       18 * kMB);
    cache(home, library + "Containers/com.example.Notes/Data/Library/Caches", 176);
    cache(home, library + "Containers/com.example.Notes/Data/Library/Logs", 9);
    cache(home, library + "Group Containers/group.com.example.shared/Library/WebKit", 88);
    cache(home, library + "Saved Application State/com.figma.Desktop.savedState", 3);
    cache(home, library + "HTTPStorages/com.spotify.client", 27);
    cache(home, library + "Application Support/Slack/Cache", 540);
    cache(home, library + "Application Support/Code/GPUCache", 96);
    cache(home, library + "Application Support/Code/CachedData/Cache", 312);

    bundle(home, "Applications/Pixelmate.app", "com.pixelmate.app");
    applicationIcon(home, "Applications/Pixelmate.app", 0xFF8A3D, 0xE0306A);
    home.allocatedFile("Applications/Pixelmate.app/Contents/Resources/assets.car", 380 * kMB);
    cache(home, library + "Caches/com.pixelmate.app", 220);
    home.file(library + "Preferences/com.pixelmate.app.plist", 4096);
    cache(home, library + "Application Support/Pixelmate", 148);
    bundle(home, "Applications/Notewise.app", "com.notewise.mac");
    applicationIcon(home, "Applications/Notewise.app", 0x52C7F2, 0x3A5BD9);
    home.allocatedFile("Applications/Notewise.app/Contents/Resources/notes.bin", 96 * kMB);
    cache(home, library + "Containers/com.notewise.mac", 64);

    for (const std::string leftover :
         {"Caches/com.oldcompany.PhotoTool", "Application Support/com.oldcompany.PhotoTool"}) {
        cache(home, library + leftover, 410);
        home.age(library + leftover, 60);
    }
    home.file(library + "Preferences/com.oldcompany.PhotoTool.plist", 8192);
    home.age(library + "Preferences/com.oldcompany.PhotoTool.plist", 60);
    cache(home, library + "Containers/com.retired.widget", 57);

    home.allocatedFile("Downloads/Pixelmate-4.2.dmg", 612 * kMB);
    home.allocatedFile("Downloads/Installers/Setup Assistant.pkg", 188 * kMB);
    home.allocatedFile("Desktop/ubuntu-24.04-desktop.iso", 640 * kMB);
    home.allocatedFile("Downloads/Conference talk.mp4", 1340 * kMB);
    home.allocatedFile("Downloads/Photos export/IMG_0012.heic", 4 * kMB);
    home.allocatedFile("Downloads/Photos export/IMG_0013.heic", 5 * kMB);
    home.file("Downloads/boarding pass.pdf", 180'000);
    home.file("Downloads/notes.txt");
    home.allocatedFile("Movies/Holiday 2025.mov", 3200 * kMB);
    home.allocatedFile("Documents/Projects/archive-2024.zip", 860 * kMB);
    home.allocatedFile(".local/share/Trash/files/Old presentation.key", 96 * kMB);
    home.allocatedFile(".local/share/Trash/files/screen recording.mov", 720 * kMB);
    home.file(".local/share/Trash/info/Old presentation.key.trashinfo");
    home.file(".local/share/Trash/info/screen recording.mov.trashinfo");

    if (systemRoot != nullptr) {
        cache(*systemRoot, "Library/Caches/com.apple.iconservices.store", 310);
        cache(*systemRoot, "Library/Developer/CoreSimulator/Caches", 2950);
        // A universal application and a lipo that reports its native slice.
        std::ofstream(systemRoot->file("Applications/Orbit.app/Contents/MacOS/Orbit"),
                      std::ios::binary)
            << "\xCA\xFE\xBA\xBE" << std::string(400'000, '\0');
        systemRoot->script("usr/bin/lipo", "echo 'architecture arm64'; echo '    size 180000'");
        systemRoot->script("usr/bin/xcrun",
                           "[ \"$1 $2 $3\" = 'simctl runtime list' ] || exit 0\n"
                           "echo '{\"R1\": {\"deletable\": true, \"sizeBytes\": 7340000000, "
                           "\"version\": \"17.2\", \"identifier\": \"R1\", "
                           "\"platformIdentifier\": \"com.apple.platform.iphonesimulator\", "
                           "\"lastUsedAt\": \"2026-09-14T10:00:00Z\"}}'");
    }
}

void buildLinuxDemoHome(FixtureTree& tree) {
    // At a real home's sizes, as a user would see them (about 4.5 GB in all).
    const LinuxHome desktop(tree, 16);
    FixtureTree home(tree / "home");
    constexpr std::int64_t kRealMB = 1'000'000;
    // What Downloads, Desktop and the personal folders add to a desktop home's lists: packages
    // and images to install from, and large files.
    for (const auto& [file, megabytes] : std::vector<std::pair<std::string, std::int64_t>>{
             {"Downloads/code_1.96.2-1734607745_amd64.deb", 104},
             {"Desktop/Kdenlive-24.12.0-x86_64.AppImage", 118},
             {"Downloads/zoom_amd64.deb", 190},
             {"Downloads/node-v22.12.0-linux-x64.tar.xz", 29},
             {"Downloads/Conference talk.mp4", 540},
             {"Downloads/Photos export/IMG_0012.jpg", 4},
             {"Downloads/Photos export/IMG_0013.jpg", 5},
             {"Desktop/debian-12.8.0-amd64-netinst.iso", 660},
             {"Videos/Holiday 2025.mp4", 1200},
             {"Documents/Projects/archive-2024.zip", 420}}) {
        home.allocatedFile(file, megabytes * kRealMB);
    }
    home.file("Downloads/boarding pass.pdf", 180'000);
    home.file("Downloads/notes.txt");
}

} // namespace sorvale::test
