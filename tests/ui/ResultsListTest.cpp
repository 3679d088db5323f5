// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ResultsList.h"

#include "ApplicationIcons.h"
#include "DashboardFigures.h"
#include "FileManager.h"
#include "store/StoreValues.h"
#include "store/Translations.h"
#include "support/DemoHome.h"
#include "support/LinuxHome.h"
#include "support/QtPrinting.h"
#include "support/RunningProgram.h"
#include "support/StoreHelpers.h"
#include "support/TempTree.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <map>

namespace sorvale::ui {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;
using Role = ResultsList::Role;

// A store over a fixture home, and the results list over the store, checked throughout by Qt's
// model tester.
class Results : public ::testing::Test {
protected:
    // The Downloads of every ordering test: names, allocated sizes and ages all differ in order.
    void fillDownloads() {
        for (const auto& [name, bytes, days] :
             std::vector<std::tuple<std::string, int, int>>{{"b.txt", 3000, 3},
                                                            {"A.zip", 9000, 10},
                                                            {"File 10.dmg", 20000, 1},
                                                            {"file 2.dmg", 5000, 7},
                                                            {"Notes.TXT", 100, 2}}) {
            home.file("Downloads/" + name, static_cast<std::size_t>(bytes));
            home.age("Downloads/" + name, days);
        }
    }
    bool scan(const std::function<void()>& start) {
        start();
        return sorvale::test::waitForDisplayedCompletion(store, 20'000, 100);
    }
    [[nodiscard]] QStringList column(Role role = Role::NameRole) const {
        QStringList values;
        for (int row = 0; row < list.rowCount(); ++row) {
            values.append(list.data(list.index(row), role).toString());
        }
        return values;
    }
    [[nodiscard]] QString keyOf(const QString& name) const {
        const auto names = column();
        return list.data(list.index(static_cast<int>(names.indexOf(name))), Role::KeyRole)
            .toString();
    }

    // The store reads the home folder once, when it is made.
    static sorvale::test::FixtureTree makeHome(const fs::path& path) {
        fs::create_directories(path);
        ::setenv("HOME", path.c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
        return sorvale::test::FixtureTree(path);
    }

    sorvale::test::TempTree tree;
    sorvale::test::FixtureTree home = makeHome(tree / "home");
    sorvale::test::FixtureTree root{tree / "root"};
    store::CleanupStore store{
        engine::ScanEngine(root.root(), model::HomeLayout::macos),
        [](const fs::path&, std::function<void(bool)> answer) { answer(true); }};
    ResultsList list{store};
    QAbstractItemModelTester tester{&list, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(Results, RowsAreFilteredByNameAloneAndSortedStably) {
    fillDownloads();
    ASSERT_TRUE(scan([&] { store.scanDownloads(); }));
    EXPECT_EQ(list.baseCount(), 5);
    EXPECT_EQ(list.sortOrders(), (QStringList{"Size", "Name", "Modified"}));
    EXPECT_EQ(column(), (QStringList{"File 10.dmg", "A.zip", "file 2.dmg", "b.txt", "Notes.TXT"}))
        << "b.txt and Notes.TXT take one block each and keep the store's order";

    list.setSortOrder("Name");
    EXPECT_EQ(column(), (QStringList{"A.zip", "b.txt", "file 2.dmg", "File 10.dmg", "Notes.TXT"}));
    list.setSortOrder("Modified");
    EXPECT_EQ(column(), (QStringList{"File 10.dmg", "Notes.TXT", "b.txt", "file 2.dmg", "A.zip"}));
    EXPECT_FALSE(column(Role::DetailRole).contains("")) << "every download has a date";

    list.setSearchText("txt");
    EXPECT_EQ(column(), (QStringList{"Notes.TXT", "b.txt"}));
    EXPECT_EQ(list.rowsSize(), 2 * 4096);
    list.setSearchText("Downloads");
    EXPECT_EQ(list.count(), 0) << "the path is not searched";
    EXPECT_FALSE(list.allRowsSelected());
    EXPECT_EQ(list.baseCount(), 5);

    list.setSelectedCategory("downloads");
    store.selectSection("trash");
    EXPECT_EQ(list.searchText(), "");
    EXPECT_EQ(list.selectedCategory(), "");
    EXPECT_EQ(list.sortOrder(), "Modified");
    list.setSortOrder("Sideways");
    EXPECT_EQ(list.sortOrder(), "Modified");
}

TEST_F(Results, TheFocusNarrowsTheBaseAndUndatedItemsSortLast) {
    sorvale::test::buildDemoHome(home, &root);
    // A runtime the simulator tool reports without a date of last use.
    root.script("usr/bin/xcrun", "[ \"$1 $2 $3\" = 'simctl runtime list' ] || exit 0\n"
                                 "echo '{\"R1\": {\"deletable\": true, \"sizeBytes\": 7340000, "
                                 "\"version\": \"17.2\", \"identifier\": \"R1\"}}'");
    ASSERT_TRUE(scan([&] { store.startJunkScan(); }));
    list.setSortOrder("Modified");
    ASSERT_GT(list.count(), 10);
    EXPECT_EQ(column(Role::CategoryRole).last(), "xcodeRuntimes");
    EXPECT_EQ(column(Role::DetailRole).last(), "");
    const auto details = column(Role::DetailRole);
    EXPECT_EQ(details[column(Role::CategoryRole).indexOf("universalBinaries")],
              "potential savings");

    store.review("xcode");
    QStringList titles;
    for (const QVariant& category : list.categories()) {
        titles.append(category.toMap().value("title").toString());
        EXPECT_EQ(model::group(*store::fromRawText<CleanupCategory>(
                      category.toMap().value("category").toString())),
                  model::CleanupGroup::xcode);
    }
    EXPECT_FALSE(titles.isEmpty());
    EXPECT_TRUE(std::is_sorted(titles.begin(), titles.end()));
    EXPECT_EQ(list.count(), list.baseCount());

    store.toggle(list.data(list.index(0), Role::KeyRole).toString());
    const auto size = list.data(list.index(0), Role::SizeRole).toLongLong();
    const auto category = list.data(list.index(0), Role::CategoryRole).toString();
    for (const QVariant& entry : list.categories()) {
        const auto figures = entry.toMap();
        EXPECT_EQ(figures.value("selectedSize").toLongLong(),
                  figures.value("category") == category ? size : 0);
    }
}

TEST_F(Results, NamesTheScanGaveAreSortedAndSearchedAsTheWindowSaysThem) {
    // A container's cache is named by the scan, in words the window translates; a cache folder
    // keeps its own name.
    home.file("Library/Containers/zeta/Data/Library/Caches/data", 4096);
    home.file("Library/Caches/delta/data", 4096);
    struct InGerman {
        InGerman() { store::installTranslations(QLocale(QLocale::German, QLocale::Germany)); }
        ~InGerman() {
            store::installTranslations(QLocale(QLocale::English, QLocale::UnitedStates));
        }
    } german;
    ASSERT_TRUE(scan([&] { store.startJunkScan(); }));
    list.setSortOrder("Name");
    EXPECT_EQ(column(), (QStringList{"Cache von zeta", "delta"}));
    list.setSearchText("cache von");
    EXPECT_EQ(column(), (QStringList{"Cache von zeta"}));
    list.setSearchText("zeta cache");
    EXPECT_EQ(list.count(), 0) << "the English name is not what the window shows";
}

TEST_F(Results, SelectingTheRowsTouchesExactlyTheRows) {
    fillDownloads();
    home.file("Downloads/caf\xE9.dmg", 100); // a name that is not UTF-8
    ASSERT_TRUE(scan([&] { store.scanDownloads(); }));
    store.toggle(keyOf("b.txt"));
    list.setSearchText("dmg");
    EXPECT_TRUE(column().contains(QString::fromUtf8("caf\uFFFD.dmg")));
    QSignalSpy changed(&list, &ResultsList::dataChanged);
    list.setRowsSelected(!list.allRowsSelected());
    EXPECT_TRUE(list.allRowsSelected());
    EXPECT_EQ(store.selectedCount(), 4);
    for (const auto& item : store.itemsOf(model::AppSection::downloads)) {
        EXPECT_EQ(item.isSelected, item.name != "A.zip" && item.name != "Notes.TXT") << item.name;
    }
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex().row(), 0);
    EXPECT_EQ(changed[0][1].toModelIndex().row(), 2);

    list.setSearchText("");
    EXPECT_FALSE(list.allRowsSelected());
    list.setSearchText("dmg");
    list.setRowsSelected(!list.allRowsSelected());
    EXPECT_EQ(store.selectedCount(), 1) << "b.txt, outside the rows, stays selected";
    list.setSearchText("");
    EXPECT_TRUE(
        list.data(list.index(static_cast<int>(column().indexOf("b.txt"))), Role::IsSelectedRole)
            .toBool());
}

TEST_F(Results, ARemovalLeavesTheRestInTheirOrder) {
    fillDownloads();
    ASSERT_TRUE(scan([&] { store.scanDownloads(); }));
    list.setSortOrder("Name");
    store.setSelection({keyOf("A.zip"), keyOf("file 2.dmg")}, true);
    ASSERT_TRUE(scan([&] { store.removeSelected(); }));
    EXPECT_EQ(column(), (QStringList{"b.txt", "File 10.dmg", "Notes.TXT"}));
    EXPECT_EQ(list.baseCount(), 3);
    EXPECT_FALSE(fs::exists(home / "Downloads/A.zip"));
    EXPECT_FALSE(fs::exists(home / "Downloads/file 2.dmg"));
}

TEST_F(Results, FiltersStartAfreshAsANewListWould) {
    sorvale::test::buildDemoHome(home, &root);
    ASSERT_TRUE(scan([&] { store.scanApplications(); }));
    store.reviewApplications("");
    list.setSelectedCategory("installers");
    list.setSearchText("Pixelmate");
    list.setSortOrder("Name");
    store.showApplicationsSummary();
    EXPECT_EQ(list.selectedCategory(), "");
    EXPECT_EQ(list.searchText(), "");
    store.reviewApplications("appLeftovers");
    EXPECT_GT(list.count(), 0);
    EXPECT_EQ(list.count(), list.baseCount());
    EXPECT_EQ(list.sortOrder(), "Name");

    ASSERT_TRUE(scan([&] { store.startJunkScan(); }));
    store.review("xcode");
    list.setSelectedCategory("xcodeDerivedData");
    list.setSearchText("o");
    store.review("systemJunk");
    EXPECT_EQ(list.selectedCategory(), "") << "another group shows all its categories";
    EXPECT_EQ(list.searchText(), "o") << "but keeps the search";
}

TEST_F(Results, DashboardFiguresFollowNewItemsButNotANewSelection) {
    sorvale::test::buildDemoHome(home, &root);
    DashboardFigures figures(store);
    QSignalSpy junk(&figures, &DashboardFigures::junkChanged);
    ASSERT_TRUE(scan([&] { store.startJunkScan(); }));
    ASSERT_TRUE(scan([&] { store.scanApplications(); }));
    EXPECT_EQ(junk.count(), 1);

    int count = 0;
    std::int64_t size = 0;
    for (const QVariant& group : figures.groups()) {
        count += group.toMap().value("count").toInt();
        size += group.toMap().value("size").toLongLong();
    }
    EXPECT_EQ(count, figures.junkCount());
    EXPECT_EQ(size, store.totalJunkSize());
    EXPECT_EQ(figures.groups().size(), 6);
    EXPECT_EQ(figures.groups()[0].toMap().value("title"), "System Junk");

    std::int64_t applications = 0;
    for (const QVariant& category : figures.applicationCategories()) {
        EXPECT_GT(category.toMap().value("count").toInt(), 0);
        applications += category.toMap().value("size").toLongLong();
    }
    EXPECT_EQ(applications, figures.applicationsSize());

    store.selectSection("cleanup");
    store.selectAll("");
    EXPECT_EQ(junk.count(), 1) << "selecting changes no count or size";
}

// The results list over a Debian desktop home read in the Linux layout.
class LinuxResults : public ::testing::Test {
protected:
    // The store reads the home folder once, when it is made.
    static engine::ScanEngine linuxEngine(const fs::path& tree) {
        sorvale::test::unsetBaseFolders();
        ::setenv("HOME", (tree / "home").c_str(), 1);
        return engine::ScanEngine(tree / "root", model::HomeLayout::linuxDesktop);
    }

    sorvale::test::TempTree tree{sorvale::test::memoryFolder(sorvale::test::kLinuxHomeRoom)};
    const sorvale::test::LinuxHome fixture{tree};
    store::CleanupStore store{linuxEngine(tree.root())};
    ResultsList list{store};
};

TEST_F(LinuxResults, RowsOfARunningApplicationSayToCloseItAndOnlyLinuxGroupsAreSummed) {
    const sorvale::test::RunningProgram firefox(tree / "programs/bin/firefox-esr");
    DashboardFigures figures(store);
    store.startJunkScan();
    ASSERT_TRUE(sorvale::test::waitForDisplayedCompletion(store, 20'000));
    store.review("");

    std::map<QString, QString> notes;
    for (int row = 0; row < list.rowCount(); ++row) {
        notes[list.data(list.index(row), Role::NameRole).toString()] =
            list.data(list.index(row), Role::CloseFirstRole).toString();
    }
    EXPECT_EQ(notes.at("mozilla"), "Close Firefox first");
    EXPECT_EQ(notes.at("pip"), "") << "pip runs no application of its own";
    EXPECT_EQ(notes.at("Code \u2014 GPUCache"), "") << "Visual Studio Code is not running";

    QStringList groups;
    for (const QVariant& group : figures.groups()) {
        groups.append(group.toMap().value("group").toString());
    }
    EXPECT_EQ(groups, (QStringList{"systemJunk", "trash", "system"}));
}

TEST_F(LinuxResults, ApplicationRowsSayHowEachWasInstalledAndShowTheIconItsDesktopEntryNames) {
    store.scanApplications();
    ASSERT_TRUE(sorvale::test::waitForDisplayedCompletion(store, 20'000));
    store.reviewApplications("installedApplications");

    std::map<QString, QString> kinds;
    ApplicationIcons icons;
    for (int row = 0; row < list.rowCount(); ++row) {
        const QString name = list.data(list.index(row), Role::NameRole).toString();
        kinds[name] = list.data(list.index(row), Role::PackageKindRole).toString();
        const QString source = list.data(list.index(row), Role::IconSourceRole).toString();
        QSize size;
        const QImage icon = source.isEmpty()
                                ? QImage()
                                : icons.requestImage(source.mid(QString("image://appicon/").size()),
                                                     &size, QSize(42, 42));
        // Every application of the home but the AppImage run from Downloads names an icon.
        EXPECT_EQ(icon.isNull(), name == "balenaEtcher") << name.toStdString();
    }
    EXPECT_EQ(kinds,
              (std::map<QString, QString>{{"Maps", "Flatpak"},
                                          {"Spotify", "Flatpak"},
                                          {"Firefox", "Snap"},
                                          {"Obsidian", "AppImage"},
                                          {"balenaEtcher", "AppImage"},
                                          {"GNU Image Manipulation Program", "Debian package"},
                                          {"VLC media player", "Debian package"}}));
}

TEST(ApplicationIcons, AnApplicationShowsItsOwnIconOrNone) {
    sorvale::test::TempTree tree;
    sorvale::test::FixtureTree home(tree / "home");
    sorvale::test::buildDemoHome(home, nullptr);
    ApplicationIcons icons;
    QSize size;
    const auto request = [&](const fs::path& application) {
        return icons.requestImage(
            QString::fromLatin1(QByteArray::fromStdString(application.native()).toHex()), &size,
            QSize(42, 42));
    };
    const QImage icon = request(home / "Applications/Pixelmate.app");
    EXPECT_EQ(icon.size(), QSize(42, 42));
    EXPECT_EQ(size, icon.size());
    EXPECT_GT(qAlpha(icon.pixel(21, 21)), 200);
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "the corners are rounded off";
    EXPECT_TRUE(request(home / "Library/Caches").isNull());
}

TEST(FileManager, FileUrlsKeepEveryByte) {
    EXPECT_EQ(FileManager::fileUrl("/tmp/a b/caf\xC3\xA9/\xFF").toEncoded(),
              "file:///tmp/a%20b/caf%C3%A9/%FF");
}

} // namespace
} // namespace sorvale::ui
