// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// The store's texts in the language the locale chooses: German from its catalogue, with German
// numbers and plural forms, and English for a language without a catalogue.

#include "store/Translations.h"

#include "cleanup/PackageUninstall.h"
#include "cleanup/ReachedEntry.h"
#include "cleanup/Removal.h"
#include "store/ModelTexts.h"
#include "store/PlatformTexts.h"
#include "store/RemovalMessages.h"
#include "store/ScreenPresenter.h"
#include "store/SelectionRules.h"
#include "support/QtPrinting.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace sorvale::store {
namespace {

using model::AppSection;
using model::CleanupCategory;
using model::HomeLayout;

// Shows the store in `locale` while it lives; English again afterwards, as the other tests
// expect.
class InLanguage {
public:
    explicit InLanguage(const QLocale& locale)
        : language(installTranslations(locale)) {}
    ~InLanguage() { installTranslations(QLocale(QLocale::English, QLocale::UnitedStates)); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;

    const QString language;
};

std::vector<model::CleanupItem> selectedDownloads(std::size_t count, std::int64_t size) {
    std::vector<model::CleanupItem> items(count);
    for (auto& item : items) {
        item.category = CleanupCategory::downloads;
        item.size = size;
        item.isSelected = true;
    }
    return items;
}

SelectionSummary downloadsSelected(std::size_t count, std::int64_t size) {
    return SelectionSummary::of(AppSection::downloads, 1, selectedDownloads(count, size));
}

cleanup::RemovalOutcome removed(std::int64_t count) {
    cleanup::RemovalOutcome outcome;
    outcome.removed = count;
    return outcome;
}

TEST(Translations, AGermanLocaleShowsGermanNumbersAndPluralForms) {
    const InLanguage german(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_EQ(german.language, "de");
    EXPECT_EQ(byteCountText(0), "Null KB");
    EXPECT_EQ(byteCountText(1), "1 Byte");
    EXPECT_EQ(byteCountText(999), "999 Bytes");
    EXPECT_EQ(byteCountText(123'456'789), "123,5 MB");
    EXPECT_EQ(byteCountText(-1'500'000'000), "-1,5 GB");
    EXPECT_EQ(removalSummary(removed(1), 1), "1 Objekt erfolgreich bearbeitet.");
    EXPECT_EQ(removalSummary(removed(3), 3), "3 Objekte erfolgreich bearbeitet.");
    // The reason the cleanup gives for a skip, in German, its parts kept as they are.
    cleanup::RemovalOutcome skipped = removed(2);
    skipped.skipped = 1;
    skipped.firstMessage = "Close Firefox before removing \u201c%2\u201d: it is running.";
    skipped.firstMessageParts = model::Message{
        "Close %1 before removing \u201c%2\u201d: it is running.", {"Firefox", "%2"}};
    EXPECT_EQ(removalSummary(skipped, 3), "2 erledigt; 1 übersprungen. Beenden Sie Firefox, bevor "
                                          "Sie „%2“ entfernen: Das Programm läuft.");

    const Confirmation one = selection_rules::confirmation(downloadsSelected(1, 1'500'000), {});
    EXPECT_EQ(one.title, "Ausgewählte Objekte in den Papierkorb verschieben?");
    EXPECT_TRUE(one.message.startsWith("1 Objekt, insgesamt 1,5 MB. Sie können es "))
        << one.message.toStdString();
    const Confirmation two = selection_rules::confirmation(downloadsSelected(2, 1'500'000), {});
    EXPECT_TRUE(two.message.startsWith("2 Objekte, insgesamt 3 MB. Sie können sie "))
        << two.message.toStdString();

    // What happens to each item, said whole for the count.
    const auto items = selectedDownloads(2, 1'500'000);
    const Confirmation named = selection_rules::confirmation(
        SelectionSummary::of(AppSection::downloads, 1, items), items, HomeLayout::linuxDesktop);
    EXPECT_EQ(named.outcome, "2 Objekte werden in den Papierkorb verschoben.");
    ASSERT_EQ(named.items.size(), 2U);
    EXPECT_EQ(named.items[0].action, "wird in den Papierkorb verschoben");
    EXPECT_EQ(named.total, "3 MB");
}

TEST(Translations, AGermanLocaleShowsTheModelsAndTheScreensTextsInGerman) {
    const InLanguage german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(titleText(CleanupCategory::trash), "Papierkorb");
    EXPECT_EQ(titleText(model::CleanupGroup::system), "Systemspeicher");
    EXPECT_EQ(titleText(AppSection::largeFiles), "Große Dateien");
    EXPECT_EQ(labelText(model::SortOrder::size), "Größe");

    const Screen trash =
        present({.section = AppSection::trash}, {}, ScanLists(), HomeLayout::linuxDesktop);
    EXPECT_EQ(trash.title, "Papierkorb");
    EXPECT_EQ(trash.emptyTitle, "Noch kein Scan");
    EXPECT_EQ(trash.emptyAction, "Jetzt scannen");
    const Screen installers = present({.section = AppSection::applications,
                                       .focusedApplicationCategory = CleanupCategory::installers},
                                      {}, ScanLists(), HomeLayout::linuxDesktop);
    EXPECT_EQ(installers.subtitle, installersReview(HomeLayout::linuxDesktop));
    EXPECT_TRUE(installers.subtitle.startsWith("Prüfen Sie die Pakete"))
        << installers.subtitle.toStdString();

    const QVariantMap linux = platformTexts(HomeLayout::linuxDesktop);
    EXPECT_EQ(linux.value("revealAction"), "Im Dateimanager anzeigen");
    EXPECT_TRUE(linux.value("keepWorking").toString().contains("Ihren Rechner"));
    EXPECT_TRUE(linux.value("privacyNote").toString().contains("auf Ihrem Rechner"));
}

TEST(Translations, TheCleanupsReasonsAreGermanWithTheirNamesAndTheSystemsWordsKept) {
    namespace fs = std::filesystem;
    test::TempTree tree;
    const fs::path home = tree / "home";
    tree.file(home / "Downloads/report.txt", 4096);
    tree.file(home / "Downloads/kept.txt", 4096);
    const engine::ScanEngine engine(tree / "root", HomeLayout::linuxDesktop);
    std::vector<model::CleanupItem> items =
        engine.scanTopLevel(home / "Downloads", CleanupCategory::downloads).items;
    ASSERT_EQ(items.size(), 2U);
    // Another file takes report.txt's name after the scan; the original stays beside it.
    fs::rename(home / "Downloads/report.txt", home / "Downloads/report.old");
    tree.file(home / "Downloads/report.txt", 4096);
    const cleanup::RemovalOutcome changed = cleanup::removeItems(engine, items, home, false);
    ASSERT_EQ(changed.removed, 1);
    ASSERT_EQ(changed.skipped, 1);
    // Something new takes kept.txt's place once it is in the Trash.
    tree.file(home / "Downloads/kept.txt", 10);
    const cleanup::PutBackOutcome occupied = cleanup::putBackItems(changed.trashed);
    ASSERT_EQ(occupied.failed, 1);

    const InLanguage german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(removalSummary(changed, 2),
              "1 erledigt; 1 übersprungen. „report.txt“ hat sich nach dem Scan geändert – "
              "bitte erneut scannen.");
    EXPECT_EQ(putBackSummary(occupied, 1),
              "0 von 1 Objekt zurückgelegt. „kept.txt“ konnte nicht zurückgelegt werden: Unter " +
                  QString::fromStdString((home / "Downloads/kept.txt").native()) +
                  " befindet sich bereits etwas anderes.");
    // The English the CLI and the logs keep.
    EXPECT_EQ(changed.firstMessage,
              "\u201Creport.txt\u201D changed after the scan \u2014 scan again.");
}

TEST(Translations, TheNamesTheScansGiveItemsAreGermanAndTheNamesOfFilesAreKept) {
    namespace fs = std::filesystem;
    for (const char* variable : {"XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        ::unsetenv(variable);
    }
    test::TempTree tree;
    const fs::path home = tree / "home";
    tree.file(home / ".cargo/registry/cache/index.crates.io/serde.crate", 8192);
    tree.file(home / ".var/app/org.gnome.Maps/cache/tiles", 8192);
    // A file named as the scan names another item is still a file's name.
    tree.file(home / ".cache/Cargo registry downloads", 8192);
    const engine::ScanEngine engine(tree / "root", HomeLayout::linuxDesktop);
    const std::vector<model::CleanupItem> items = engine.scanJunk(home).items;
    const auto found = [&](const fs::path& url) {
        const auto at = std::find_if(items.begin(), items.end(),
                                     [&](const auto& item) { return item.url.path() == url; });
        return at != items.end() ? *at : model::CleanupItem{};
    };
    const model::CleanupItem downloads = found(home / ".cargo/registry/cache");
    const model::CleanupItem maps = found(home / ".var/app/org.gnome.Maps/cache");
    const model::CleanupItem file = found(home / ".cache/Cargo registry downloads");
    // The English the CLI prints.
    EXPECT_EQ(downloads.name, "Cargo registry downloads");
    EXPECT_EQ(maps.name, "Maps cache");
    EXPECT_EQ(file.name, "Cargo registry downloads");

    const InLanguage german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(nameText(downloads), "Cargo-Registry-Downloads");
    EXPECT_EQ(nameText(maps), "Cache von Maps");
    EXPECT_EQ(nameText(file), "Cargo registry downloads");
    // Names a message lists are quoted as the language quotes them.
    EXPECT_EQ(messageText(cleanup::quotedNames({"a", "b", "%2"})), "„a“, „b“, „%2“");
}

TEST(Translations, TheAptGuardNamesThePackagesItWouldTakeInGerman) {
    namespace fs = std::filesystem;
    test::TempTree tree;
    // A stand-in APT whose simulation would take a second package along.
    tree.script("root/usr/bin/apt-get",
                "if [ \"$1\" = -s ]; then echo \"Remv $3 [1]\"; echo 'Remv gimp-data [1]'; fi");
    tree.file("root/usr/share/applications/gimp.desktop", 100);
    const engine::ScanEngine engine(tree / "root", HomeLayout::linuxDesktop);
    std::vector<model::CleanupItem> found =
        engine.scanTopLevel(tree / "root/usr/share/applications", CleanupCategory::downloads).items;
    ASSERT_EQ(found.size(), 1U);
    model::CleanupItem gimp = found.front();
    gimp.category = CleanupCategory::installedApplications;
    gimp.name = "GIMP";
    gimp.operation = model::CleanupOperation::uninstallDebianPackage("gimp");
    const cleanup::ItemResult result =
        cleanup::uninstallThroughPackageManager(engine, gimp, tree / "home", nullptr);
    ASSERT_EQ(result.kind, cleanup::ItemResult::Kind::skipped) << result.message;
    ASSERT_TRUE(result.parts);
    EXPECT_TRUE(fs::exists(tree / "root/usr/share/applications/gimp.desktop"));

    const InLanguage german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(messageText(*result.parts),
              "GIMP bleibt installiert: Beim Entfernen würden auch gimp-data entfernt.");
}

TEST(Translations, ALanguageWithoutACatalogueGetsTheEnglishPluralFormsAndItsOwnNumbers) {
    const InLanguage french(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(french.language, "en");
    EXPECT_EQ(removalSummary(removed(1), 1), "Completed 1 item successfully.");
    EXPECT_EQ(removalSummary(removed(2), 2), "Completed 2 items successfully.");
    EXPECT_EQ(byteCountText(1), "1 byte");
    EXPECT_EQ(byteCountText(1'500'000'000), "1,5 GB");
    EXPECT_EQ(titleText(CleanupCategory::trash), "Trash");
}

} // namespace
} // namespace sorvale::store
