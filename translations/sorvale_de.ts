<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessRequiredPanel</name>
    <message>
        <source>Full Disk Access required</source>
        <translation>Festplattenvollzugriff erforderlich</translation>
    </message>
    <message>
        <source>Grant Full Disk Access</source>
        <translation>Festplattenvollzugriff erlauben</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Erneut prüfen</translation>
    </message>
</context>
<context>
    <name>AppSection</name>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Smart Cleanup</source>
        <translation>Intelligente Bereinigung</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Große Dateien</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
</context>
<context>
    <name>ApplicationsDashboardView</name>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Uninstall apps completely and review files left behind.</source>
        <translation>Apps vollständig deinstallieren und zurückgelassene Dateien prüfen.</translation>
    </message>
    <message>
        <source>Scan again</source>
        <translation>Erneut scannen</translation>
    </message>
    <message>
        <source>Some application data was unavailable or changed during the scan. The results below include everything Sorvale could verify.</source>
        <translation>Einige Anwendungsdaten waren nicht verfügbar oder haben sich während des Scans geändert. Die folgenden Ergebnisse enthalten alles, was Sorvale überprüfen konnte.</translation>
    </message>
    <message>
        <source>Sorvale needs permission to measure protected application containers accurately. Enable Sorvale in System Settings, then return here—the scan will start automatically.</source>
        <translation>Sorvale benötigt eine Berechtigung, um geschützte Anwendungscontainer genau zu messen. Aktivieren Sie Sorvale in den Systemeinstellungen und kehren Sie dann hierher zurück&#xa0;– der Scan beginnt automatisch.</translation>
    </message>
    <message>
        <source>Matching app identifiers with support files and checking installer locations…</source>
        <translation>App-Kennungen werden Supportdateien zugeordnet und Installationsorte geprüft…</translation>
    </message>
    <message>
        <source>See what your apps leave behind</source>
        <translation>Sehen Sie, was Ihre Apps zurücklassen</translation>
    </message>
    <message>
        <source>Sorvale inventories applications, matches their support files, and finds old installer packages. Nothing is selected automatically.</source>
        <translation>Sorvale erfasst Anwendungen, ordnet ihnen ihre Supportdateien zu und findet alte Installationspakete. Nichts wird automatisch ausgewählt.</translation>
    </message>
    <message>
        <source>Scan Applications</source>
        <translation>Anwendungen scannen</translation>
    </message>
</context>
<context>
    <name>ApplicationsSummary</name>
    <message>
        <source>Application Uninstaller</source>
        <translation>App-Deinstallation</translation>
    </message>
    <message>
        <source>Remove an app together with confidently matched support files.</source>
        <translation>Eine App zusammen mit sicher zugeordneten Supportdateien entfernen.</translation>
    </message>
    <message>
        <source>Application Leftovers</source>
        <translation>Anwendungsreste</translation>
    </message>
    <message>
        <source>Installation Files</source>
        <translation>Installationsdateien</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n Objekt</numerusform>
            <numerusform>%n Objekte</numerusform>
        </translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>APPLICATION INVENTORY</source>
        <translation>ANWENDUNGSBESTAND</translation>
    </message>
    <message numerus="yes">
        <source>%n app(s) found</source>
        <translation>
            <numerusform>%n App gefunden</numerusform>
            <numerusform>%n Apps gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 across apps, matched support files, leftovers, and installers</source>
        <translation>%1 in Apps, zugeordneten Supportdateien, Resten und Installationsdateien</translation>
    </message>
    <message>
        <source>Manage My Applications</source>
        <translation>Meine Anwendungen verwalten</translation>
    </message>
    <message>
        <source>macOS blocked an uninstall. Enable Sorvale in Privacy &amp; Security → App Management, then try again.</source>
        <translation>macOS hat eine Deinstallation verhindert. Aktivieren Sie Sorvale unter Datenschutz &amp; Sicherheit → App-Verwaltung und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Permission Settings</source>
        <translation>Berechtigungseinstellungen</translation>
    </message>
    <message>
        <source>Review %1</source>
        <extracomment>A screen reader&apos;s name of a category&apos;s Review button; %1 is the category.</extracomment>
        <translation>%1 prüfen</translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message numerus="yes">
        <source>%n selected · %1</source>
        <translation>
            <numerusform>%n ausgewählt · %1</numerusform>
            <numerusform>%n ausgewählt · %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Nichts ausgewählt</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Put the removed items back where they were</source>
        <translation>Die entfernten Objekte wieder an ihren Ort legen</translation>
    </message>
    <message>
        <source>Put Back</source>
        <translation>Zurücklegen</translation>
    </message>
    <message>
        <source>Return the selected items to where they were deleted from</source>
        <translation>Die ausgewählten Objekte dorthin zurücklegen, wo sie gelöscht wurden</translation>
    </message>
    <message numerus="yes">
        <source>%n selected in all groups · %1</source>
        <translation>
            <numerusform>%n in allen Gruppen ausgewählt · %1</numerusform>
            <numerusform>%n in allen Gruppen ausgewählt · %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ByteCountTexts</name>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>%1 PB</source>
        <translation>%1 PB</translation>
    </message>
    <message>
        <source>%1 EB</source>
        <translation>%1 EB</translation>
    </message>
    <message>
        <source>Zero KB</source>
        <translation>Null KB</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CheckingAccessPanel</name>
    <message>
        <source>Checking Full Disk Access…</source>
        <translation>Festplattenvollzugriff wird geprüft…</translation>
    </message>
</context>
<context>
    <name>CleanupBrowser</name>
    <message>
        <source>GROUPS</source>
        <translation>GRUPPEN</translation>
    </message>
    <message>
        <source>All Junk</source>
        <translation>Alle Datenreste</translation>
    </message>
    <message>
        <source>CATEGORIES</source>
        <translation>KATEGORIEN</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <source>Inspect every cleanup category before applying changes.</source>
        <translation>Prüfen Sie jede Kategorie, bevor Sie Änderungen anwenden.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n Objekt</numerusform>
            <numerusform>%n Objekte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 ausgewählt</translation>
    </message>
    <message>
        <source>%1 group</source>
        <extracomment>A screen reader&apos;s name of a group in the cleanup browser.</extracomment>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>%1 category</source>
        <extracomment>A screen reader&apos;s name of a category in the cleanup browser.</extracomment>
        <translation>Kategorie %1</translation>
    </message>
</context>
<context>
    <name>CleanupCategory</name>
    <message>
        <source>User Caches</source>
        <translation>Benutzer-Caches</translation>
    </message>
    <message>
        <source>Temporary files created by apps</source>
        <translation>Von Apps angelegte temporäre Dateien</translation>
    </message>
    <message>
        <source>Application Caches</source>
        <translation>Anwendungs-Caches</translation>
    </message>
    <message>
        <source>Re-creatable cache folders discovered inside app data</source>
        <translation>Neu erzeugbare Cache-Ordner in App-Daten</translation>
    </message>
    <message>
        <source>Web &amp; Network Data</source>
        <translation>Web- und Netzwerkdaten</translation>
    </message>
    <message>
        <source>WebKit, HTTP and offline website data for review</source>
        <translation>WebKit-, HTTP- und Offline-Websitedaten zur Prüfung</translation>
    </message>
    <message>
        <source>Saved App State</source>
        <translation>Gespeicherter App-Zustand</translation>
    </message>
    <message>
        <source>Window restoration snapshots saved by applications</source>
        <translation>Von Anwendungen gespeicherte Fensterzustände zur Wiederherstellung</translation>
    </message>
    <message>
        <source>Log Files</source>
        <translation>Protokolldateien</translation>
    </message>
    <message>
        <source>Diagnostic and historical logs</source>
        <translation>Diagnose- und ältere Protokolle</translation>
    </message>
    <message>
        <source>Derived Data</source>
        <translation>Abgeleitete Daten</translation>
    </message>
    <message>
        <source>Indexes and intermediate build products</source>
        <translation>Indizes und Zwischenprodukte von Builds</translation>
    </message>
    <message>
        <source>Simulator Runtimes</source>
        <translation>Simulator-Laufzeitumgebungen</translation>
    </message>
    <message>
        <source>Installed simulator platform disk images</source>
        <translation>Installierte Plattform-Festplattenabbilder für Simulatoren</translation>
    </message>
    <message>
        <source>Device Support</source>
        <translation>Geräteunterstützung</translation>
    </message>
    <message>
        <source>Symbols and support files from connected devices</source>
        <translation>Symbole und Supportdateien verbundener Geräte</translation>
    </message>
    <message>
        <source>Simulator Device Data</source>
        <translation>Daten simulierter Geräte</translation>
    </message>
    <message>
        <source>App data stored inside simulator devices</source>
        <translation>In simulierten Geräten gespeicherte App-Daten</translation>
    </message>
    <message>
        <source>Xcode Archives</source>
        <translation>Xcode-Archive</translation>
    </message>
    <message>
        <source>Archived application builds</source>
        <translation>Archivierte Builds von Anwendungen</translation>
    </message>
    <message>
        <source>Xcode Caches</source>
        <translation>Xcode-Caches</translation>
    </message>
    <message>
        <source>Re-creatable simulator and Xcode caches</source>
        <translation>Neu erzeugbare Simulator- und Xcode-Caches</translation>
    </message>
    <message>
        <source>Browser Caches</source>
        <translation>Browser-Caches</translation>
    </message>
    <message>
        <source>Re-creatable browser cache data</source>
        <translation>Neu erzeugbare Cache-Daten von Browsern</translation>
    </message>
    <message>
        <source>Developer Caches</source>
        <translation>Entwickler-Caches</translation>
    </message>
    <message>
        <source>Package manager and build-tool caches</source>
        <translation>Caches von Paketverwaltungen und Build-Werkzeugen</translation>
    </message>
    <message>
        <source>Mail Attachments</source>
        <translation>Mail-Anhänge</translation>
    </message>
    <message>
        <source>Downloaded attachment copies retained by Apple Mail</source>
        <translation>Von Apple Mail aufbewahrte Kopien geladener Anhänge</translation>
    </message>
    <message>
        <source>Device Backups</source>
        <translation>Geräte-Backups</translation>
    </message>
    <message>
        <source>Local iPhone and iPad backups</source>
        <translation>Lokale Backups von iPhone und iPad</translation>
    </message>
    <message>
        <source>Shared System Caches</source>
        <translation>Gemeinsame System-Caches</translation>
    </message>
    <message>
        <source>Caches shared by all users</source>
        <translation>Von allen Benutzern gemeinsam genutzte Caches</translation>
    </message>
    <message>
        <source>Universal Binaries</source>
        <translation>Universal-Binärdateien</translation>
    </message>
    <message>
        <source>Non-native executable architecture slices</source>
        <translation>Ausführbarer Code für fremde Prozessorarchitekturen</translation>
    </message>
    <message>
        <source>Installed Applications</source>
        <translation>Installierte Anwendungen</translation>
    </message>
    <message>
        <source>Applications with matched support files for complete removal</source>
        <translation>Anwendungen mit zugeordneten Supportdateien zum vollständigen Entfernen</translation>
    </message>
    <message>
        <source>Application Leftovers</source>
        <translation>Anwendungsreste</translation>
    </message>
    <message>
        <source>Support files whose owning application is no longer installed</source>
        <translation>Supportdateien, deren Anwendung nicht mehr installiert ist</translation>
    </message>
    <message>
        <source>Installation Files</source>
        <translation>Installationsdateien</translation>
    </message>
    <message>
        <source>Downloaded disk images and installer packages</source>
        <translation>Geladene Festplattenabbilder und Installationspakete</translation>
    </message>
    <message>
        <source>Downloaded packages, AppImages and installer archives</source>
        <translation>Geladene Pakete, AppImages und Installationsarchive</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Files in Downloads for your review</source>
        <translation>Dateien in Downloads zu Ihrer Prüfung</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Items already waiting in Trash</source>
        <translation>Objekte, die bereits im Papierkorb liegen</translation>
    </message>
    <message>
        <source>Large Files</source>
        <translation>Große Dateien</translation>
    </message>
    <message>
        <source>Large files found in the scanned folder</source>
        <translation>Im gescannten Ordner gefundene große Dateien</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Vorschaubilder</translation>
    </message>
    <message>
        <source>Previews of pictures and documents, made again when needed</source>
        <translation>Vorschauen von Bildern und Dokumenten, die bei Bedarf neu erstellt werden</translation>
    </message>
    <message>
        <source>Local Repositories</source>
        <translation>Lokale Repositorys</translation>
    </message>
    <message>
        <source>Build artifacts downloaded or installed locally, for review</source>
        <translation>Lokal geladene oder installierte Build-Artefakte zur Prüfung</translation>
    </message>
    <message>
        <source>Package Caches</source>
        <translation>Paket-Caches</translation>
    </message>
    <message>
        <source>Downloaded packages the package manager keeps</source>
        <translation>Geladene Pakete, die die Paketverwaltung aufbewahrt</translation>
    </message>
    <message>
        <source>System Logs</source>
        <translation>Systemprotokolle</translation>
    </message>
    <message>
        <source>Archived journal files and system crash reports</source>
        <translation>Archivierte Journaldateien und Absturzberichte des Systems</translation>
    </message>
    <message>
        <source>Unused Runtimes</source>
        <translation>Ungenutzte Laufzeitumgebungen</translation>
    </message>
    <message>
        <source>Flatpak runtimes that no installed application uses</source>
        <translation>Flatpak-Laufzeitumgebungen, die keine installierte Anwendung nutzt</translation>
    </message>
    <message>
        <source>Old Snap Revisions</source>
        <translation>Alte Snap-Revisionen</translation>
    </message>
    <message>
        <source>Disabled revisions Snap keeps for rolling back</source>
        <translation>Deaktivierte Revisionen, die Snap zum Zurücksetzen aufbewahrt</translation>
    </message>
</context>
<context>
    <name>CleanupDashboardView</name>
    <message>
        <source>Smart Cleanup needs permission to inspect protected caches, Mail downloads, backups, and app containers. Enable Sorvale in System Settings, then return here—the scan will start automatically.</source>
        <translation>Die intelligente Bereinigung benötigt eine Berechtigung, um geschützte Caches, Mail-Downloads, Backups und App-Container zu untersuchen. Aktivieren Sie Sorvale in den Systemeinstellungen und kehren Sie dann hierher zurück&#xa0;– der Scan beginnt automatisch.</translation>
    </message>
    <message>
        <source>Ready for a deep clean</source>
        <translation>Bereit für eine gründliche Bereinigung</translation>
    </message>
    <message>
        <source>Start Deep Scan</source>
        <translation>Tiefenscan starten</translation>
    </message>
</context>
<context>
    <name>CleanupGroup</name>
    <message>
        <source>System Junk</source>
        <translation>Systemdatenreste</translation>
    </message>
    <message>
        <source>Re-creatable caches, logs and build-tool downloads.</source>
        <translation>Neu erzeugbare Caches, Protokolle und Downloads von Build-Werkzeugen.</translation>
    </message>
    <message>
        <source>Xcode Storage</source>
        <translation>Xcode-Speicher</translation>
    </message>
    <message>
        <source>Derived data, simulators, archives and Device Support.</source>
        <translation>Abgeleitete Daten, Simulatoren, Archive und Geräteunterstützung.</translation>
    </message>
    <message>
        <source>Universal Binaries</source>
        <translation>Universal-Binärdateien</translation>
    </message>
    <message>
        <source>Optional non-native slices in writable third-party apps.</source>
        <translation>Entbehrlicher Code für fremde Architekturen in beschreibbaren Apps von Drittanbietern.</translation>
    </message>
    <message>
        <source>Mail Attachments</source>
        <translation>Mail-Anhänge</translation>
    </message>
    <message>
        <source>Downloaded attachment copies from server-synced Mail.</source>
        <translation>Geladene Kopien von Anhängen aus mit dem Server abgeglichener Mail.</translation>
    </message>
    <message>
        <source>Device Backups</source>
        <translation>Geräte-Backups</translation>
    </message>
    <message>
        <source>Local iPhone and iPad backups—review dates first.</source>
        <translation>Lokale Backups von iPhone und iPad&#xa0;– prüfen Sie zuerst das Datum.</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Items already in Trash. Deletion here is permanent.</source>
        <translation>Objekte, die bereits im Papierkorb liegen. Hier wird endgültig gelöscht.</translation>
    </message>
    <message>
        <source>System Storage</source>
        <translation>Systemspeicher</translation>
    </message>
    <message>
        <source>Package caches, old journals, unused runtimes and old snaps, removed by their own tools.</source>
        <translation>Paket-Caches, alte Journale, ungenutzte Laufzeitumgebungen und alte Snaps, entfernt von ihren eigenen Werkzeugen.</translation>
    </message>
</context>
<context>
    <name>CleanupSummary</name>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n Objekt</numerusform>
            <numerusform>%n Objekte</numerusform>
        </translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Bereinigen</translation>
    </message>
    <message>
        <source>Cleanup</source>
        <translation>Bereinigung</translation>
    </message>
    <message numerus="yes">
        <source>Deep scan complete · %n cleanup candidate(s)</source>
        <translation>
            <numerusform>Tiefenscan abgeschlossen · %n Kandidat zur Bereinigung</numerusform>
            <numerusform>Tiefenscan abgeschlossen · %n Kandidaten zur Bereinigung</numerusform>
        </translation>
    </message>
    <message>
        <source>Some items skipped</source>
        <translation>Einige Objekte übersprungen</translation>
    </message>
    <message>
        <source>Scan again</source>
        <translation>Erneut scannen</translation>
    </message>
    <message>
        <source>Potentially reclaimable space</source>
        <translation>Möglicherweise freizugebender Speicherplatz</translation>
    </message>
    <message>
        <source>Nothing is removed until you approve it.</source>
        <translation>Nichts wird entfernt, bevor Sie zustimmen.</translation>
    </message>
    <message>
        <source>Review All Junk</source>
        <translation>Alle Datenreste prüfen</translation>
    </message>
    <message>
        <source>Review %1</source>
        <extracomment>A screen reader&apos;s name of a group&apos;s Review button; %1 is the group.</extracomment>
        <translation>%1 prüfen</translation>
    </message>
    <message>
        <source>Clean %1</source>
        <extracomment>A screen reader&apos;s name of a group&apos;s Clean button; %1 is the group.</extracomment>
        <translation>%1 bereinigen</translation>
    </message>
</context>
<context>
    <name>DashboardView</name>
    <message>
        <source>Good afternoon</source>
        <translation>Guten Tag</translation>
    </message>
    <message>
        <source>Make room for what matters.</source>
        <translation>Schaffen Sie Platz für das Wesentliche.</translation>
    </message>
    <message>
        <source>found</source>
        <translation>gefunden</translation>
    </message>
    <message>
        <source>Cleanup candidates found</source>
        <translation>Kandidaten zur Bereinigung gefunden</translation>
    </message>
    <message>
        <source>Ready for a quick check?</source>
        <translation>Bereit für eine schnelle Prüfung?</translation>
    </message>
    <message>
        <source>Scan common temporary locations. You’ll review every item before anything moves to Trash.</source>
        <translation>Übliche Orte temporärer Dateien scannen. Sie prüfen jedes Objekt, bevor etwas in den Papierkorb verschoben wird.</translation>
    </message>
    <message>
        <source>Review Results</source>
        <translation>Ergebnisse prüfen</translation>
    </message>
    <message>
        <source>Start Smart Scan</source>
        <translation>Intelligenten Scan starten</translation>
    </message>
    <message>
        <source>Smart Cleanup</source>
        <translation>Intelligente Bereinigung</translation>
    </message>
    <message>
        <source>Caches, logs and developer leftovers</source>
        <translation>Caches, Protokolle und Entwicklerreste</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Uninstall apps, leftovers and installer files</source>
        <translation>Apps, Reste und Installationsdateien entfernen</translation>
    </message>
    <message>
        <source>Large File Analyzer</source>
        <translation>Analyse großer Dateien</translation>
    </message>
    <message>
        <source>Find space-hungry files in any folder</source>
        <translation>Speicherfresser in jedem Ordner finden</translation>
    </message>
    <message>
        <source>Downloads Review</source>
        <translation>Downloads prüfen</translation>
    </message>
    <message>
        <source>Sort through forgotten downloads</source>
        <translation>Vergessene Downloads durchsehen</translation>
    </message>
    <message>
        <source>Trash Review</source>
        <translation>Papierkorb prüfen</translation>
    </message>
    <message>
        <source>See what is already in your Trash</source>
        <translation>Sehen, was bereits im Papierkorb liegt</translation>
    </message>
</context>
<context>
    <name>ItemFactsTexts</name>
    <message>
        <source>Debian package</source>
        <translation>Debian-Paket</translation>
    </message>
</context>
<context>
    <name>ItemList</name>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>No items match “%1”.</source>
        <translation>Keine Objekte passen zu „%1“.</translation>
    </message>
    <message>
        <source>Nothing to review in this category.</source>
        <translation>In dieser Kategorie gibt es nichts zu prüfen.</translation>
    </message>
</context>
<context>
    <name>ItemNames</name>
    <message>
        <source>npm cache</source>
        <translation>npm-Cache</translation>
    </message>
    <message>
        <source>Cargo registry downloads</source>
        <translation>Cargo-Registry-Downloads</translation>
    </message>
    <message>
        <source>Cargo registry sources</source>
        <translation>Cargo-Registry-Quellen</translation>
    </message>
    <message>
        <source>Cargo registry index</source>
        <translation>Cargo-Registry-Index</translation>
    </message>
    <message>
        <source>Cargo Git checkouts</source>
        <translation>Cargo-Git-Checkouts</translation>
    </message>
    <message>
        <source>Gradle caches</source>
        <translation>Gradle-Caches</translation>
    </message>
    <message>
        <source>Gradle wrapper distributions</source>
        <translation>Gradle-Wrapper-Distributionen</translation>
    </message>
    <message>
        <source>Go module cache</source>
        <translation>Go-Modul-Cache</translation>
    </message>
    <message>
        <source>pnpm store</source>
        <translation>pnpm-Speicher</translation>
    </message>
    <message>
        <source>NuGet packages</source>
        <translation>NuGet-Pakete</translation>
    </message>
    <message>
        <source>Bun cache</source>
        <translation>Bun-Cache</translation>
    </message>
    <message>
        <source>Conda packages</source>
        <translation>Conda-Pakete</translation>
    </message>
    <message>
        <source>Conda packages (miniconda3)</source>
        <translation>Conda-Pakete (miniconda3)</translation>
    </message>
    <message>
        <source>Conda packages (anaconda3)</source>
        <translation>Conda-Pakete (anaconda3)</translation>
    </message>
    <message>
        <source>Conda packages (miniforge3)</source>
        <translation>Conda-Pakete (miniforge3)</translation>
    </message>
    <message>
        <source>Conda packages (mambaforge)</source>
        <translation>Conda-Pakete (mambaforge)</translation>
    </message>
    <message>
        <source>Maven local repository</source>
        <translation>Lokales Maven-Repository</translation>
    </message>
    <message>
        <source>Android SDK downloads</source>
        <translation>Android-SDK-Downloads</translation>
    </message>
    <message>
        <source>Firefox crash reports</source>
        <translation>Firefox-Absturzberichte</translation>
    </message>
    <message>
        <source>Thunderbird crash reports</source>
        <translation>Thunderbird-Absturzberichte</translation>
    </message>
    <message>
        <source>%1 cache</source>
        <translation>Cache von %1</translation>
    </message>
    <message>
        <source>%1 web data</source>
        <translation>Webdaten von %1</translation>
    </message>
    <message>
        <source>%1 logs</source>
        <translation>Protokolle von %1</translation>
    </message>
    <message>
        <source>Simulator Shared Caches</source>
        <translation>Gemeinsame Simulator-Caches</translation>
    </message>
    <message>
        <source>%1 %2 Simulator Runtime</source>
        <translation>%1 %2 Simulator-Laufzeitumgebung</translation>
    </message>
    <message>
        <source>%1 Runtime Simulator Runtime</source>
        <translation>%1 Simulator-Laufzeitumgebung</translation>
    </message>
    <message>
        <source>Simulator %1 Simulator Runtime</source>
        <translation>Simulator-Laufzeitumgebung %1</translation>
    </message>
    <message>
        <source>Simulator Runtime Simulator Runtime</source>
        <translation>Simulator-Laufzeitumgebung</translation>
    </message>
    <message>
        <source>APT package cache</source>
        <translation>APT-Paket-Cache</translation>
    </message>
    <message>
        <source>Archived journal files</source>
        <translation>Archivierte Journaldateien</translation>
    </message>
    <message>
        <source>Unused Flatpak runtimes (system-wide)</source>
        <translation>Ungenutzte Flatpak-Laufzeitumgebungen (systemweit)</translation>
    </message>
    <message>
        <source>Unused Flatpak runtimes (this user)</source>
        <translation>Ungenutzte Flatpak-Laufzeitumgebungen (dieser Benutzer)</translation>
    </message>
    <message>
        <source>%1 revision %2</source>
        <translation>%1, Revision %2</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Sorvale</source>
        <translation>Sorvale</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Quit Sorvale</source>
        <translation>Sorvale beenden</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Run Smart Scan</source>
        <translation>Intelligenten Scan ausführen</translation>
    </message>
    <message>
        <source>Choose Folder for Large File Scan…</source>
        <translation>Ordner für die Suche nach großen Dateien wählen…</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Sorvale Website</source>
        <translation>Sorvale-Website</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Support kontaktieren</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1&#xa0;– %2</translation>
    </message>
</context>
<context>
    <name>MatchedFilesPopover</name>
    <message>
        <source>Matched files for %1</source>
        <translation>Zugeordnete Dateien für %1</translation>
    </message>
    <message>
        <source>These locations move to Trash with the application. They can include settings, caches, and local application data.</source>
        <translation>Diese Orte werden mit der Anwendung in den Papierkorb verschoben. Sie können Einstellungen, Caches und lokale Anwendungsdaten enthalten.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Quit Apple Mail before removing downloaded attachments.</source>
        <translation>Beenden Sie Apple Mail, bevor Sie geladene Anhänge entfernen.</translation>
    </message>
    <message>
        <source>Quit %1 before optimizing it.</source>
        <translation>Beenden Sie %1, bevor Sie es optimieren.</translation>
    </message>
    <message>
        <source>Quit %1 before uninstalling it.</source>
        <translation>Beenden Sie %1, bevor Sie es deinstallieren.</translation>
    </message>
    <message>
        <source>APT could not tell what removing %1 would remove.</source>
        <translation>APT konnte nicht ermitteln, was das Entfernen von %1 mit entfernen würde.</translation>
    </message>
    <message>
        <source>%1 was left installed: removing it would also remove %2.</source>
        <translation>%1 bleibt installiert: Beim Entfernen würden auch %2 entfernt.</translation>
    </message>
    <message>
        <source>%1 was uninstalled, but “%2” could not be moved to the Trash: %3</source>
        <translation>%1 wurde deinstalliert, aber „%2“ konnte nicht in den Papierkorb verschoben werden: %3</translation>
    </message>
    <message>
        <source>“%1” couldn’t be deleted: %2.</source>
        <translation>„%1“ konnte nicht gelöscht werden: %2.</translation>
    </message>
    <message>
        <source>“%1” was only partly deleted: “%2” remains (%4).</source>
        <translation>„%1“ wurde nur teilweise gelöscht: „%2“ ist noch vorhanden (%4).</translation>
    </message>
    <message>
        <source>“%1” was only partly deleted: “%2” (%4) and 1 other item remain.</source>
        <translation>„%1“ wurde nur teilweise gelöscht: „%2“ (%4) und 1 weiteres Objekt sind noch vorhanden.</translation>
    </message>
    <message>
        <source>“%1” was only partly deleted: “%2” (%4) and %3 other items remain.</source>
        <translation>„%1“ wurde nur teilweise gelöscht: „%2“ (%4) und %3 weitere Objekte sind noch vorhanden.</translation>
    </message>
    <message>
        <source>“%1” was only partly deleted: “%2” remains (another file system is mounted there).</source>
        <translation>„%1“ wurde nur teilweise gelöscht: „%2“ ist noch vorhanden (dort ist ein anderes Dateisystem eingehängt).</translation>
    </message>
    <message>
        <source>“%1” was only partly deleted: “%2” (another file system is mounted there) and 1 other item remain.</source>
        <translation>„%1“ wurde nur teilweise gelöscht: „%2“ (dort ist ein anderes Dateisystem eingehängt) und 1 weiteres Objekt sind noch vorhanden.</translation>
    </message>
    <message>
        <source>“%1” was only partly deleted: “%2” (another file system is mounted there) and %3 other items remain.</source>
        <translation>„%1“ wurde nur teilweise gelöscht: „%2“ (dort ist ein anderes Dateisystem eingehängt) und %3 weitere Objekte sind noch vorhanden.</translation>
    </message>
    <message>
        <source>“%1” couldn’t be put back: its record names no place it could go back to.</source>
        <translation>„%1“ konnte nicht zurückgelegt werden: Sein Eintrag nennt keinen Ort, an den es zurückkönnte.</translation>
    </message>
    <message>
        <source>“%1” couldn’t be put back: %2.</source>
        <translation>„%1“ konnte nicht zurückgelegt werden: %2.</translation>
    </message>
    <message>
        <source>“%1” couldn’t be put back: it is not in a trash can’s files.</source>
        <translation>„%1“ konnte nicht zurückgelegt werden: Es liegt nicht unter den Dateien eines Papierkorbs.</translation>
    </message>
    <message>
        <source>“%1” couldn’t be put back: its record in the Trash is missing or unreadable.</source>
        <translation>„%1“ konnte nicht zurückgelegt werden: Sein Eintrag im Papierkorb fehlt oder ist nicht lesbar.</translation>
    </message>
    <message>
        <source>“%1” couldn’t be put back: the folder it came from, %2, no longer exists.</source>
        <translation>„%1“ konnte nicht zurückgelegt werden: Der Ordner, aus dem es stammt (%2), existiert nicht mehr.</translation>
    </message>
    <message>
        <source>“%1” couldn’t be put back: something else is already at %2.</source>
        <translation>„%1“ konnte nicht zurückgelegt werden: Unter %2 befindet sich bereits etwas anderes.</translation>
    </message>
    <message>
        <source>“%1” changed after the scan — scan again.</source>
        <translation>„%1“ hat sich nach dem Scan geändert&#xa0;– bitte erneut scannen.</translation>
    </message>
    <message>
        <source>“%1” is no longer where the scan found it — scan again.</source>
        <translation>„%1“ ist nicht mehr dort, wo der Scan es gefunden hat&#xa0;– bitte erneut scannen.</translation>
    </message>
    <message>
        <source>“%1” couldn’t be reached: %2.</source>
        <translation>„%1“ war nicht erreichbar: %2.</translation>
    </message>
    <message>
        <source>Xcode could not remove the selected item.</source>
        <translation>Xcode konnte das ausgewählte Objekt nicht entfernen.</translation>
    </message>
    <message>
        <source>%1 is not installed, so the package cache could not be removed.</source>
        <translation>%1 ist nicht installiert, daher konnte der Paket-Cache nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Removing the package cache needs administrator rights, and pkexec is not installed to ask for them.</source>
        <translation>Zum Entfernen des Paket-Caches sind Administratorrechte nötig, und pkexec, das sie anfordern könnte, ist nicht installiert.</translation>
    </message>
    <message>
        <source>Administrator rights were not granted, so the package cache was left in place.</source>
        <translation>Administratorrechte wurden nicht erteilt, daher bleibt der Paket-Cache erhalten.</translation>
    </message>
    <message>
        <source>%1 could not remove the package cache.</source>
        <translation>%1 konnte den Paket-Cache nicht entfernen.</translation>
    </message>
    <message>
        <source>%1 is not installed, so the archived journal files could not be removed.</source>
        <translation>%1 ist nicht installiert, daher konnten die archivierten Journaldateien nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Removing the archived journal files needs administrator rights, and pkexec is not installed to ask for them.</source>
        <translation>Zum Entfernen der archivierten Journaldateien sind Administratorrechte nötig, und pkexec, das sie anfordern könnte, ist nicht installiert.</translation>
    </message>
    <message>
        <source>Administrator rights were not granted, so the archived journal files were left in place.</source>
        <translation>Administratorrechte wurden nicht erteilt, daher bleiben die archivierten Journaldateien erhalten.</translation>
    </message>
    <message>
        <source>%1 could not remove the archived journal files.</source>
        <translation>%1 konnte die archivierten Journaldateien nicht entfernen.</translation>
    </message>
    <message>
        <source>%1 is not installed, so the unused runtimes could not be removed.</source>
        <translation>%1 ist nicht installiert, daher konnten die ungenutzten Laufzeitumgebungen nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Removing the unused runtimes needs administrator rights, and pkexec is not installed to ask for them.</source>
        <translation>Zum Entfernen der ungenutzten Laufzeitumgebungen sind Administratorrechte nötig, und pkexec, das sie anfordern könnte, ist nicht installiert.</translation>
    </message>
    <message>
        <source>Administrator rights were not granted, so the unused runtimes were left in place.</source>
        <translation>Administratorrechte wurden nicht erteilt, daher bleiben die ungenutzten Laufzeitumgebungen erhalten.</translation>
    </message>
    <message>
        <source>%1 could not remove the unused runtimes.</source>
        <translation>%1 konnte die ungenutzten Laufzeitumgebungen nicht entfernen.</translation>
    </message>
    <message>
        <source>%1 is not installed, so %2 could not be removed.</source>
        <translation>%1 ist nicht installiert, daher konnte %2 nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Removing %2 needs administrator rights, and pkexec is not installed to ask for them.</source>
        <translation>Zum Entfernen von %2 sind Administratorrechte nötig, und pkexec, das sie anfordern könnte, ist nicht installiert.</translation>
    </message>
    <message>
        <source>Administrator rights were not granted, so %2 was left in place.</source>
        <translation>Administratorrechte wurden nicht erteilt, daher bleibt %2 erhalten.</translation>
    </message>
    <message>
        <source>%1 could not remove %2.</source>
        <translation>%1 konnte %2 nicht entfernen.</translation>
    </message>
    <message>
        <source>%1 is not installed, so “%2” could not be removed.</source>
        <translation>%1 ist nicht installiert, daher konnte „%2“ nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Removing “%2” needs administrator rights, and pkexec is not installed to ask for them.</source>
        <translation>Zum Entfernen von „%2“ sind Administratorrechte nötig, und pkexec, das sie anfordern könnte, ist nicht installiert.</translation>
    </message>
    <message>
        <source>Administrator rights were not granted, so “%2” was left in place.</source>
        <translation>Administratorrechte wurden nicht erteilt, daher bleibt „%2“ erhalten.</translation>
    </message>
    <message>
        <source>%1 could not remove “%2”.</source>
        <translation>%1 konnte „%2“ nicht entfernen.</translation>
    </message>
    <message>
        <source>“%1” couldn’t be moved to the Trash: %2.</source>
        <translation>„%1“ konnte nicht in den Papierkorb verschoben werden: %2.</translation>
    </message>
    <message>
        <source>App Management permission is required to uninstall apps from Applications. Open Permission Settings and enable Sorvale.</source>
        <translation>Zum Deinstallieren von Apps aus „Programme“ ist die Berechtigung „App-Verwaltung“ nötig. Öffnen Sie die Berechtigungseinstellungen und aktivieren Sie Sorvale.</translation>
    </message>
    <message>
        <source>App Management permission is required to uninstall apps from Applications. Open Permission Settings and enable Sorvale. Already moved to the Trash: %1.</source>
        <translation>Zum Deinstallieren von Apps aus „Programme“ ist die Berechtigung „App-Verwaltung“ nötig. Öffnen Sie die Berechtigungseinstellungen und aktivieren Sie Sorvale. Bereits in den Papierkorb verschoben: %1.</translation>
    </message>
    <message>
        <source>The app signature changed, so Sorvale restored the original files.</source>
        <translation>Die Signatur der App hat sich geändert, daher hat Sorvale die Originaldateien wiederhergestellt.</translation>
    </message>
    <message>
        <source>No universal executables were found.</source>
        <translation>Es wurden keine universellen ausführbaren Dateien gefunden.</translation>
    </message>
    <message>
        <source>Could not create a safe working directory.</source>
        <translation>Es konnte kein sicherer Arbeitsordner angelegt werden.</translation>
    </message>
    <message>
        <source>Could not safely optimize %1.</source>
        <translation>%1 konnte nicht sicher optimiert werden.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>“%1”, %2</source>
        <translation>„%1“, %2</translation>
    </message>
    <message>
        <source>Close %1 before removing “%2”: it is running.</source>
        <translation>Beenden Sie %1, bevor Sie „%2“ entfernen: Das Programm läuft.</translation>
    </message>
    <message>
        <source>Could not completely uninstall %1: %2</source>
        <translation>%1 konnte nicht vollständig deinstalliert werden: %2</translation>
    </message>
    <message>
        <source>Could not completely uninstall %1: %2 Already moved to the Trash: %3.</source>
        <translation>%1 konnte nicht vollständig deinstalliert werden: %2 Bereits in den Papierkorb verschoben: %3.</translation>
    </message>
    <message>
        <source>The app signature changed, and Sorvale could not restore %2 (its original is kept at %1).</source>
        <translation>Die Signatur der App hat sich geändert, und Sorvale konnte %2 nicht wiederherstellen (das Original liegt unter %1).</translation>
    </message>
    <message>
        <source>The app signature changed, and Sorvale could not restore %2 (their originals are kept in %1).</source>
        <translation>Die Signatur der App hat sich geändert, und Sorvale konnte %2 nicht wiederherstellen (die Originale liegen in %1).</translation>
    </message>
    <message>
        <source>%2 Sorvale also could not restore %3 (its original is kept at %1).</source>
        <translation>%2 Außerdem konnte Sorvale %3 nicht wiederherstellen (das Original liegt unter %1).</translation>
    </message>
    <message>
        <source>%2 Sorvale also could not restore %3 (their originals are kept in %1).</source>
        <translation>%2 Außerdem konnte Sorvale %3 nicht wiederherstellen (die Originale liegen in %1).</translation>
    </message>
</context>
<context>
    <name>OnboardingView</name>
    <message>
        <source>Sorvale</source>
        <translation>Sorvale</translation>
    </message>
    <message>
        <source>Storage care, refined</source>
        <translation>Speicherpflege mit Feingefühl</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Start Using Sorvale</source>
        <translation>Sorvale verwenden</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>PlatformTexts</name>
    <message>
        <source>YOU STAY IN CONTROL</source>
        <translation>SIE BEHALTEN DIE KONTROLLE</translation>
    </message>
    <message>
        <source>Review first.
Clean with confidence.</source>
        <translation>Erst prüfen.
Dann sicher bereinigen.</translation>
    </message>
    <message>
        <source>Sorvale separates safe re-creatable caches from files that deserve a closer look. Personal files are never selected automatically.</source>
        <translation>Sorvale trennt gefahrlos neu erzeugbare Caches von Dateien, die einen genaueren Blick verdienen. Persönliche Dateien werden nie automatisch ausgewählt.</translation>
    </message>
    <message>
        <source>Clear categories</source>
        <translation>Klare Kategorien</translation>
    </message>
    <message>
        <source>Recoverable Trash workflow</source>
        <translation>Wiederherstellbar über den Papierkorb</translation>
    </message>
    <message>
        <source>Explicit confirmation before changes</source>
        <translation>Ausdrückliche Bestätigung vor Änderungen</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Im Finder zeigen</translation>
    </message>
    <message>
        <source>Scan caches, logs, developer storage, simulator data, backups, Mail downloads and Trash.</source>
        <translation>Caches, Protokolle, Entwicklerspeicher, Simulatordaten, Backups, Mail-Downloads und Papierkorb scannen.</translation>
    </message>
    <message>
        <source>Measuring user caches, app containers, developer tools, simulator data, backups and Trash.</source>
        <translation>Benutzer-Caches, App-Container, Entwicklerwerkzeuge, Simulatordaten, Backups und Papierkorb werden gemessen.</translation>
    </message>
    <message>
        <source>Quick Clean selects only re-creatable user caches and logs. Xcode data, Universal Binaries, backups, Mail attachments, shared system files, and Trash always require review.</source>
        <translation>Die Schnellbereinigung wählt nur neu erzeugbare Benutzer-Caches und Protokolle aus. Xcode-Daten, Universal-Binärdateien, Backups, Mail-Anhänge, gemeinsame Systemdateien und der Papierkorb müssen immer geprüft werden.</translation>
    </message>
    <message>
        <source>Some files were unavailable or changed during the scan. Full Disk Access is already enabled.</source>
        <translation>Einige Dateien waren nicht verfügbar oder haben sich während des Scans geändert. Der Festplattenvollzugriff ist bereits aktiviert.</translation>
    </message>
    <message>
        <source>Deep scanning caches, developer data and backups…</source>
        <translation>Caches, Entwicklerdaten und Backups werden gründlich gescannt…</translation>
    </message>
    <message>
        <source>A clear, careful view of what is using space on your Mac.</source>
        <translation>Ein klarer, sorgfältiger Blick darauf, was auf Ihrem Mac Speicherplatz belegt.</translation>
    </message>
    <message>
        <source>Sorvale never auto-selects personal files. Removal uses macOS Trash so mistakes remain recoverable.</source>
        <translation>Sorvale wählt persönliche Dateien nie automatisch aus. Beim Entfernen wird der macOS-Papierkorb verwendet, sodass sich Fehler rückgängig machen lassen.</translation>
    </message>
    <message>
        <source>Large folders can take a moment. You can keep using your Mac.</source>
        <translation>Große Ordner können einen Moment dauern. Sie können Ihren Mac weiter verwenden.</translation>
    </message>
    <message>
        <source>Scanning happens entirely on your Mac. File names and contents are never uploaded.</source>
        <translation>Der Scan findet vollständig auf Ihrem Mac statt. Dateinamen und Inhalte werden nie hochgeladen.</translation>
    </message>
    <message>
        <source>Disk images and installer packages in Downloads and Desktop.</source>
        <translation>Festplattenabbilder und Installationspakete in Downloads und auf dem Schreibtisch.</translation>
    </message>
    <message>
        <source>Review disk images and installer packages found on Desktop and in Downloads.</source>
        <translation>Prüfen Sie die Festplattenabbilder und Installationspakete auf dem Schreibtisch und in Downloads.</translation>
    </message>
    <message>
        <source>WELCOME TO SORVALE</source>
        <translation>WILLKOMMEN BEI SORVALE</translation>
    </message>
    <message>
        <source>A cleaner Mac,
without the guesswork.</source>
        <translation>Ein aufgeräumter Mac,
ohne Rätselraten.</translation>
    </message>
    <message>
        <source>Find application caches, developer storage, large files, downloads, Mail attachments, and more—all in one thoughtful view.</source>
        <translation>Finden Sie Anwendungs-Caches, Entwicklerspeicher, große Dateien, Downloads, Mail-Anhänge und mehr&#xa0;– alles in einer durchdachten Ansicht.</translation>
    </message>
    <message>
        <source>Universal app discovery</source>
        <translation>Erkennt alle Apps</translation>
    </message>
    <message>
        <source>Accurate storage analysis</source>
        <translation>Genaue Speicheranalyse</translation>
    </message>
    <message>
        <source>Everything stays on your Mac</source>
        <translation>Alles bleibt auf Ihrem Mac</translation>
    </message>
    <message>
        <source>PRIVATE BY DESIGN</source>
        <translation>DATENSCHUTZ VON ANFANG AN</translation>
    </message>
    <message>
        <source>See the whole picture.</source>
        <translation>Das ganze Bild sehen.</translation>
    </message>
    <message>
        <source>macOS protects Mail, browser, Documents, and application data. When a scan needs access, Sorvale explains why and links directly to the right setting.</source>
        <translation>macOS schützt Mail-, Browser-, Dokument- und Anwendungsdaten. Braucht ein Scan Zugriff, erklärt Sorvale den Grund und führt direkt zur passenden Einstellung.</translation>
    </message>
    <message>
        <source>On-device scanning</source>
        <translation>Scan auf dem Gerät</translation>
    </message>
    <message>
        <source>No account or cloud service</source>
        <translation>Kein Konto, kein Cloud-Dienst</translation>
    </message>
    <message>
        <source>Permissions requested only when needed</source>
        <translation>Berechtigungen nur bei Bedarf angefragt</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Im Dateimanager anzeigen</translation>
    </message>
    <message>
        <source>Scan caches, thumbnails, logs, developer storage, package caches, journals and Trash.</source>
        <translation>Caches, Vorschaubilder, Protokolle, Entwicklerspeicher, Paket-Caches, Journale und Papierkorb scannen.</translation>
    </message>
    <message>
        <source>Measuring user and browser caches, Flatpak and Snap caches, developer tools, logs, system storage and Trash.</source>
        <translation>Benutzer- und Browser-Caches, Flatpak- und Snap-Caches, Entwicklerwerkzeuge, Protokolle, Systemspeicher und Papierkorb werden gemessen.</translation>
    </message>
    <message>
        <source>Quick Clean selects only re-creatable caches and thumbnails. Logs, local repositories, system storage, and Trash always require review.</source>
        <translation>Die Schnellbereinigung wählt nur neu erzeugbare Caches und Vorschaubilder aus. Protokolle, lokale Repositorys, Systemspeicher und der Papierkorb müssen immer geprüft werden.</translation>
    </message>
    <message>
        <source>Some files were unavailable or changed during the scan.</source>
        <translation>Einige Dateien waren nicht verfügbar oder haben sich während des Scans geändert.</translation>
    </message>
    <message>
        <source>Deep scanning caches, developer data and system storage…</source>
        <translation>Caches, Entwicklerdaten und Systemspeicher werden gründlich gescannt…</translation>
    </message>
    <message>
        <source>A clear, careful view of what is using space on your computer.</source>
        <translation>Ein klarer, sorgfältiger Blick darauf, was auf Ihrem Rechner Speicherplatz belegt.</translation>
    </message>
    <message>
        <source>Sorvale never auto-selects personal files. Removal uses the Trash so mistakes remain recoverable.</source>
        <translation>Sorvale wählt persönliche Dateien nie automatisch aus. Beim Entfernen wird der Papierkorb verwendet, sodass sich Fehler rückgängig machen lassen.</translation>
    </message>
    <message>
        <source>Large folders can take a moment. You can keep using your computer.</source>
        <translation>Große Ordner können einen Moment dauern. Sie können Ihren Rechner weiter verwenden.</translation>
    </message>
    <message>
        <source>Scanning happens entirely on your computer. File names and contents are never uploaded.</source>
        <translation>Der Scan findet vollständig auf Ihrem Rechner statt. Dateinamen und Inhalte werden nie hochgeladen.</translation>
    </message>
    <message>
        <source>Packages, AppImages and installer archives in Downloads and Desktop.</source>
        <translation>Pakete, AppImages und Installationsarchive in Downloads und auf dem Schreibtisch.</translation>
    </message>
    <message>
        <source>Review packages, AppImages and installer archives found on Desktop and in Downloads.</source>
        <translation>Prüfen Sie die Pakete, AppImages und Installationsarchive auf dem Schreibtisch und in Downloads.</translation>
    </message>
    <message>
        <source>A cleaner computer,
without the guesswork.</source>
        <translation>Ein aufgeräumter Rechner,
ohne Rätselraten.</translation>
    </message>
    <message>
        <source>Find browser and application caches, developer storage, large files, downloads, and more—all in one thoughtful view.</source>
        <translation>Finden Sie Browser- und Anwendungs-Caches, Entwicklerspeicher, große Dateien, Downloads und mehr&#xa0;– alles in einer durchdachten Ansicht.</translation>
    </message>
    <message>
        <source>Flatpak and Snap apps included</source>
        <translation>Einschließlich Flatpak- und Snap-Apps</translation>
    </message>
    <message>
        <source>Everything stays on your computer</source>
        <translation>Alles bleibt auf Ihrem Rechner</translation>
    </message>
    <message>
        <source>Sorvale reads your home folder with your own rights. System storage is cleaned only by the system’s own tools, which ask for an administrator password when they need one.</source>
        <translation>Sorvale liest Ihren persönlichen Ordner mit Ihren eigenen Rechten. Systemspeicher wird nur von den Werkzeugen des Systems bereinigt, die bei Bedarf nach einem Administratorpasswort fragen.</translation>
    </message>
    <message>
        <source>Administrator password only for system storage</source>
        <translation>Administratorpasswort nur für Systemspeicher</translation>
    </message>
    <message>
        <source>Old identifier-based support files with no installed owner.</source>
        <translation>Alte, über ihre Kennung erkannte Supportdateien ohne installierte Anwendung.</translation>
    </message>
    <message>
        <source>Exact unowned app containers appear immediately; ambiguous support files require 14 days of inactivity. Nothing is selected automatically.</source>
        <translation>Eindeutig verwaiste App-Container erscheinen sofort; nicht eindeutige Supportdateien erst nach 14 Tagen ohne Nutzung. Nichts wird automatisch ausgewählt.</translation>
    </message>
    <message>
        <source>Data of Flatpak apps, snaps and packages that are no longer installed.</source>
        <translation>Daten von Flatpak-Apps, Snaps und Paketen, die nicht mehr installiert sind.</translation>
    </message>
    <message>
        <source>Data of removed apps appears once it has been unused for 14 days; support files match an app’s exact name. Nothing is selected automatically.</source>
        <translation>Daten entfernter Apps erscheinen, sobald sie 14 Tage nicht benutzt wurden; Supportdateien passen genau zum Namen einer App. Nichts wird automatisch ausgewählt.</translation>
    </message>
</context>
<context>
    <name>RemovalConfirmationDialog</name>
    <message>
        <source>App Management Settings</source>
        <translation>Einstellungen zur App-Verwaltung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Total: %2</source>
        <translation>%1 Gesamt: %2</translation>
    </message>
</context>
<context>
    <name>RemovalTexts</name>
    <message numerus="yes">
        <source>Completed %n item(s) successfully.</source>
        <translation>
            <numerusform>%n Objekt erfolgreich bearbeitet.</numerusform>
            <numerusform>%n Objekte erfolgreich bearbeitet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Completed %1; %n skipped. %2</source>
        <translation>
            <numerusform>%1 erledigt; %n übersprungen. %2</numerusform>
            <numerusform>%1 erledigt; %n übersprungen. %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put back %n item(s).</source>
        <translation>
            <numerusform>%n Objekt zurückgelegt.</numerusform>
            <numerusform>%n Objekte zurückgelegt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put back %1 of %n item(s). %2</source>
        <translation>
            <numerusform>%1 von %n Objekt zurückgelegt. %2</numerusform>
            <numerusform>%1 von %n Objekten zurückgelegt. %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultRow</name>
    <message numerus="yes">
        <source>Includes %n matched support item(s)</source>
        <translation>
            <numerusform>Einschließlich %n zugeordneter Supportdatei</numerusform>
            <numerusform>Einschließlich %n zugeordneter Supportdateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Review matched support files</source>
        <translation>Zugeordnete Supportdateien prüfen</translation>
    </message>
    <message>
        <source>%1, %2, selected</source>
        <translation>%1, %2, ausgewählt</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>ResultsView</name>
    <message numerus="yes">
        <source>%n location(s) were unavailable or changed during this scan</source>
        <translation>
            <numerusform>%n Ort war nicht verfügbar oder hat sich während dieses Scans geändert</numerusform>
            <numerusform>%n Orte waren nicht verfügbar oder haben sich während dieses Scans geändert</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant App Management</source>
        <translation>App-Verwaltung erlauben</translation>
    </message>
    <message>
        <source>Required to uninstall apps from Applications</source>
        <translation>Erforderlich, um Apps aus dem Ordner „Programme“ zu deinstallieren</translation>
    </message>
    <message>
        <source>Scan again</source>
        <translation>Erneut scannen</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Ergebnisse durchsuchen</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>All categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) · %1</source>
        <translation>
            <numerusform>%n Objekt · %1</numerusform>
            <numerusform>%n Objekte · %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScanFigures</name>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Stop this scan and keep the previous results</source>
        <translation>Diesen Scan stoppen und die vorherigen Ergebnisse behalten</translation>
    </message>
</context>
<context>
    <name>ScreenTexts</name>
    <message>
        <source>Browse by group and category, then choose exactly what to clean.</source>
        <translation>Nach Gruppe und Kategorie durchsehen und dann genau auswählen, was bereinigt wird.</translation>
    </message>
    <message>
        <source>Review conservative orphan candidates—nothing is selected automatically.</source>
        <translation>Vorsichtig ermittelte verwaiste Dateien prüfen&#xa0;– nichts wird automatisch ausgewählt.</translation>
    </message>
    <message>
        <source>Review application bundles and the support files matched to each app.</source>
        <translation>Anwendungspakete und die jeder App zugeordneten Supportdateien prüfen.</translation>
    </message>
    <message>
        <source>Review installed applications, leftovers, and installation files.</source>
        <translation>Installierte Anwendungen, Reste und Installationsdateien prüfen.</translation>
    </message>
    <message>
        <source>Analyze a folder and decide what is still worth keeping.</source>
        <translation>Einen Ordner analysieren und entscheiden, was sich noch zu behalten lohnt.</translation>
    </message>
    <message>
        <source>Review files in Downloads—none are selected automatically.</source>
        <translation>Dateien in Downloads prüfen&#xa0;– keine wird automatisch ausgewählt.</translation>
    </message>
    <message>
        <source>Review items already in your user Trash.</source>
        <translation>Objekte prüfen, die bereits in Ihrem Papierkorb liegen.</translation>
    </message>
    <message>
        <source>Cleanup Manager</source>
        <translation>Bereinigung verwalten</translation>
    </message>
    <message>
        <source>Applications Manager</source>
        <translation>Anwendungen verwalten</translation>
    </message>
    <message>
        <source>Back to cleanup summary</source>
        <translation>Zurück zur Übersicht der Bereinigung</translation>
    </message>
    <message>
        <source>Back to applications summary</source>
        <translation>Zurück zur Übersicht der Anwendungen</translation>
    </message>
    <message>
        <source>Nothing to clean here</source>
        <translation>Hier gibt es nichts zu bereinigen</translation>
    </message>
    <message>
        <source>No scan yet</source>
        <translation>Noch kein Scan</translation>
    </message>
    <message>
        <source>The scan completed without finding matching items.</source>
        <translation>Der Scan hat keine passenden Objekte gefunden.</translation>
    </message>
    <message>
        <source>Run a scan to get a clear, sortable list with file sizes and locations.</source>
        <translation>Starten Sie einen Scan, um eine übersichtliche, sortierbare Liste mit Dateigrößen und Orten zu erhalten.</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Scan Now</source>
        <translation>Jetzt scannen</translation>
    </message>
    <message>
        <source>Review Flatpak apps, snaps, AppImages and packaged apps with the support files matched to each app.</source>
        <translation>Prüfen Sie Flatpak-Apps, Snaps, AppImages und paketierte Apps mit den jeweils zugeordneten Supportdateien.</translation>
    </message>
    <message>
        <source>The Trash is empty</source>
        <translation>Der Papierkorb ist leer</translation>
    </message>
    <message>
        <source>Items you delete wait here until the Trash is emptied.</source>
        <translation>Gelöschte Objekte bleiben hier, bis der Papierkorb geleert wird.</translation>
    </message>
    <message>
        <source>Your Downloads folder is empty</source>
        <translation>Ihr Downloads-Ordner ist leer</translation>
    </message>
    <message>
        <source>Files you download appear here for review.</source>
        <translation>Dateien, die Sie herunterladen, erscheinen hier zur Prüfung.</translation>
    </message>
    <message>
        <source>“%1” can’t be found</source>
        <translation>„%1“ wurde nicht gefunden</translation>
    </message>
    <message>
        <source>It may have been moved, renamed or removed. Choose another folder to search.</source>
        <translation>Er wurde vielleicht verschoben, umbenannt oder entfernt. Wählen Sie einen anderen Ordner zum Durchsuchen.</translation>
    </message>
    <message>
        <source>“%1” can’t be opened</source>
        <translation>„%1“ kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>You may not have permission to read it. Choose another folder to search.</source>
        <translation>Vielleicht fehlt Ihnen die Berechtigung, ihn zu lesen. Wählen Sie einen anderen Ordner zum Durchsuchen.</translation>
    </message>
    <message>
        <source>No large files found</source>
        <translation>Keine großen Dateien gefunden</translation>
    </message>
    <message>
        <source>Nothing in this folder reaches the minimum size. Lower it in Settings or choose another folder.</source>
        <translation>Nichts in diesem Ordner erreicht die Mindestgröße. Senken Sie sie in den Einstellungen oder wählen Sie einen anderen Ordner.</translation>
    </message>
</context>
<context>
    <name>SelectAllButton</name>
    <message>
        <source>Deselect All</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Deselect every visible item</source>
        <translation>Auswahl aller sichtbaren Objekte aufheben</translation>
    </message>
    <message>
        <source>Select every visible item</source>
        <translation>Alle sichtbaren Objekte auswählen</translation>
    </message>
</context>
<context>
    <name>SelectMenu</name>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Recommended</source>
        <translation>Empfohlene</translation>
    </message>
    <message>
        <source>All Visible</source>
        <translation>Alle sichtbaren</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>SelectionTexts</name>
    <message>
        <source>Optimize Selected</source>
        <translation>Auswahl optimieren</translation>
    </message>
    <message>
        <source>Remove Attachments</source>
        <translation>Anhänge entfernen</translation>
    </message>
    <message>
        <source>Uninstall Selected</source>
        <translation>Auswahl deinstallieren</translation>
    </message>
    <message>
        <source>Remove Leftovers</source>
        <translation>Reste entfernen</translation>
    </message>
    <message>
        <source>Remove Installers</source>
        <translation>Installationsdateien entfernen</translation>
    </message>
    <message>
        <source>Apply Selected</source>
        <translation>Auswahl anwenden</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Remove selected items?</source>
        <translation>Ausgewählte Objekte entfernen?</translation>
    </message>
    <message>
        <source>Optimize selected applications?</source>
        <translation>Ausgewählte Anwendungen optimieren?</translation>
    </message>
    <message>
        <source>Uninstall selected applications?</source>
        <translation>Ausgewählte Anwendungen deinstallieren?</translation>
    </message>
    <message>
        <source>Sorvale will move the selected application bundles and their matched caches, preferences, logs, saved state, and support folders to Trash. macOS may ask for App Management permission because this allows Sorvale to delete other apps. Running applications are skipped; everything remains recoverable until Trash is emptied.</source>
        <translation>Sorvale verschiebt die ausgewählten Anwendungspakete und ihre zugeordneten Caches, Einstellungen, Protokolle, gespeicherten Zustände und Supportordner in den Papierkorb. macOS fragt möglicherweise nach der Berechtigung zur App-Verwaltung, weil Sorvale damit andere Apps löschen darf. Laufende Anwendungen werden übersprungen; alles bleibt wiederherstellbar, bis der Papierkorb geleert wird.</translation>
    </message>
    <message>
        <source>Remove downloaded Mail attachments?</source>
        <translation>Geladene Mail-Anhänge entfernen?</translation>
    </message>
    <message>
        <source>Quit Apple Mail first. Selected downloaded attachment copies will move to Trash. Server-synced attachments can normally be downloaded again, but locally stored or POP mail may not be recoverable from the server.</source>
        <translation>Beenden Sie zuerst Apple Mail. Die ausgewählten Kopien geladener Anhänge werden in den Papierkorb verschoben. Mit dem Server abgeglichene Anhänge lassen sich normalerweise erneut laden, lokal gespeicherte oder per POP abgerufene E-Mails jedoch möglicherweise nicht.</translation>
    </message>
    <message>
        <source>Selected simulator runtimes, devices, and shared caches will be removed through Apple’s CoreSimulator tools. Affected simulators may be shut down, and deleted runtime or device data cannot be recovered from Trash.</source>
        <translation>Die ausgewählten Simulator-Laufzeitumgebungen, Geräte und gemeinsamen Caches werden mit den CoreSimulator-Werkzeugen von Apple entfernt. Betroffene Simulatoren werden möglicherweise beendet, und gelöschte Laufzeit- oder Gerätedaten lassen sich nicht aus dem Papierkorb wiederherstellen.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), totaling %1. The system’s own tools remove them and may ask for an administrator password; they cannot be recovered from Trash.</source>
        <translation>
            <numerusform>%n Objekt, insgesamt %1. Die Werkzeuge des Systems entfernen es und fragen möglicherweise nach einem Administratorpasswort; es lässt sich nicht aus dem Papierkorb wiederherstellen.</numerusform>
            <numerusform>%n Objekte, insgesamt %1. Die Werkzeuge des Systems entfernen sie und fragen möglicherweise nach einem Administratorpasswort; sie lassen sich nicht aus dem Papierkorb wiederherstellen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), totaling %1. Selected system storage is removed by the system’s own tools, which may ask for an administrator password, and cannot be recovered from Trash. Items already in Trash will be deleted permanently; other items will move to Trash.</source>
        <translation>
            <numerusform>%n Objekt, insgesamt %1. Ausgewählter Systemspeicher wird von den Werkzeugen des Systems entfernt, die möglicherweise nach einem Administratorpasswort fragen, und lässt sich nicht aus dem Papierkorb wiederherstellen. Objekte, die bereits im Papierkorb liegen, werden endgültig gelöscht; andere Objekte werden in den Papierkorb verschoben.</numerusform>
            <numerusform>%n Objekte, insgesamt %1. Ausgewählter Systemspeicher wird von den Werkzeugen des Systems entfernt, die möglicherweise nach einem Administratorpasswort fragen, und lässt sich nicht aus dem Papierkorb wiederherstellen. Objekte, die bereits im Papierkorb liegen, werden endgültig gelöscht; andere Objekte werden in den Papierkorb verschoben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), totaling %1. Selected system storage is removed by the system’s own tools, which may ask for an administrator password, and cannot be recovered from Trash. Other items will move to Trash.</source>
        <translation>
            <numerusform>%n Objekt, insgesamt %1. Ausgewählter Systemspeicher wird von den Werkzeugen des Systems entfernt, die möglicherweise nach einem Administratorpasswort fragen, und lässt sich nicht aus dem Papierkorb wiederherstellen. Andere Objekte werden in den Papierkorb verschoben.</numerusform>
            <numerusform>%n Objekte, insgesamt %1. Ausgewählter Systemspeicher wird von den Werkzeugen des Systems entfernt, die möglicherweise nach einem Administratorpasswort fragen, und lässt sich nicht aus dem Papierkorb wiederherstellen. Andere Objekte werden in den Papierkorb verschoben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), totaling %1. Items already in Trash will be deleted permanently; other items will move to Trash.</source>
        <translation>
            <numerusform>%n Objekt, insgesamt %1. Objekte, die bereits im Papierkorb liegen, werden endgültig gelöscht; andere Objekte werden in den Papierkorb verschoben.</numerusform>
            <numerusform>%n Objekte, insgesamt %1. Objekte, die bereits im Papierkorb liegen, werden endgültig gelöscht; andere Objekte werden in den Papierkorb verschoben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Move selected items to Trash?</source>
        <translation>Ausgewählte Objekte in den Papierkorb verschieben?</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), totaling %1. You can recover them from Trash until it is emptied.</source>
        <translation>
            <numerusform>%n Objekt, insgesamt %1. Sie können es aus dem Papierkorb wiederherstellen, bis dieser geleert wird.</numerusform>
            <numerusform>%n Objekte, insgesamt %1. Sie können sie aus dem Papierkorb wiederherstellen, bis dieser geleert wird.</numerusform>
        </translation>
    </message>
    <message>
        <source>Safely optimizing selected applications…</source>
        <translation>Ausgewählte Anwendungen werden sicher optimiert…</translation>
    </message>
    <message>
        <source>Uninstalling selected applications…</source>
        <translation>Ausgewählte Anwendungen werden deinstalliert…</translation>
    </message>
    <message>
        <source>Applying cleanup…</source>
        <translation>Bereinigung wird angewendet…</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) will be optimized</source>
        <translation>
            <numerusform>%n Objekt wird optimiert</numerusform>
            <numerusform>%n Objekte werden optimiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) will be uninstalled</source>
        <translation>
            <numerusform>%n Objekt wird deinstalliert</numerusform>
            <numerusform>%n Objekte werden deinstalliert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) will be deleted permanently</source>
        <translation>
            <numerusform>%n Objekt wird endgültig gelöscht</numerusform>
            <numerusform>%n Objekte werden endgültig gelöscht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) will be moved to macOS Trash</source>
        <translation>
            <numerusform>%n Objekt wird in den macOS-Papierkorb verschoben</numerusform>
            <numerusform>%n Objekte werden in den macOS-Papierkorb verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) will be moved to the Trash</source>
        <translation>
            <numerusform>%n Objekt wird in den Papierkorb verschoben</numerusform>
            <numerusform>%n Objekte werden in den Papierkorb verschoben</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Endgültig löschen</translation>
    </message>
    <message numerus="yes">
        <source>Sorvale will remove non-native executable slices from %n item(s), reclaiming up to %1. Running apps are skipped, and signed apps are restored automatically if verification fails. This optimization cannot be undone.</source>
        <translation>
            <numerusform>Sorvale entfernt aus %n Objekt den ausführbaren Code für fremde Prozessorarchitekturen und gibt bis zu %1 frei. Laufende Apps werden übersprungen, und signierte Apps werden automatisch wiederhergestellt, wenn die Überprüfung fehlschlägt. Diese Optimierung kann nicht rückgängig gemacht werden.</numerusform>
            <numerusform>Sorvale entfernt aus %n Objekten den ausführbaren Code für fremde Prozessorarchitekturen und gibt bis zu %1 frei. Laufende Apps werden übersprungen, und signierte Apps werden automatisch wiederhergestellt, wenn die Überprüfung fehlschlägt. Diese Optimierung kann nicht rückgängig gemacht werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete selected items permanently?</source>
        <translation>Ausgewählte Objekte endgültig löschen?</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), totaling %1. Items deleted from Trash cannot be recovered or put back.</source>
        <translation>
            <numerusform>%n Objekt, insgesamt %1. Aus dem Papierkorb gelöschte Objekte können nicht wiederhergestellt oder zurückgelegt werden.</numerusform>
            <numerusform>%n Objekte, insgesamt %1. Aus dem Papierkorb gelöschte Objekte können nicht wiederhergestellt oder zurückgelegt werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>optimized</source>
        <translation>wird optimiert</translation>
    </message>
    <message>
        <source>uninstalled</source>
        <translation>wird deinstalliert</translation>
    </message>
    <message>
        <source>deleted permanently</source>
        <translation>wird endgültig gelöscht</translation>
    </message>
    <message>
        <source>moved to macOS Trash</source>
        <translation>wird in den macOS-Papierkorb verschoben</translation>
    </message>
    <message>
        <source>moved to the Trash</source>
        <translation>wird in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>Flatpak apps, snaps and Debian packages are removed by their package managers, which may ask for an administrator password, and cannot be recovered from Trash; a package whose removal would take other packages with it stays installed. AppImages and every app’s matched settings, data and caches move to Trash. Running applications are skipped.</source>
        <translation>Flatpak-Apps, Snaps und Debian-Pakete werden von ihren Paketverwaltungen entfernt, die eventuell nach einem Administratorpasswort fragen, und lassen sich nicht aus dem Papierkorb wiederherstellen; ein Paket, dessen Entfernung weitere Pakete mitnehmen würde, bleibt installiert. AppImages sowie die zugeordneten Einstellungen, Daten und Caches jeder App werden in den Papierkorb verschoben. Laufende Anwendungen werden übersprungen.</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Large File Analyzer</source>
        <translation>Analyse großer Dateien</translation>
    </message>
    <message>
        <source>Minimum file size</source>
        <translation>Mindestgröße</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Open Full Disk Access Settings</source>
        <translation>Einstellungen für Festplattenvollzugriff öffnen</translation>
    </message>
    <message>
        <source>Open App Management Settings</source>
        <translation>Einstellungen für App-Verwaltung öffnen</translation>
    </message>
    <message>
        <source>Safety</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Personal files are never selected automatically</source>
        <translation>Persönliche Dateien werden nie automatisch ausgewählt</translation>
    </message>
    <message>
        <source>Removed items are moved to Trash</source>
        <translation>Entfernte Objekte werden in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Show Welcome Screen Again</source>
        <translation>Willkommensbildschirm erneut zeigen</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Visit Sorvale Website</source>
        <translation>Sorvale-Website besuchen</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Support kontaktieren</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualisierungen</translation>
    </message>
    <message>
        <source>Sorvale %1</source>
        <translation>Sorvale %1</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen…</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Sorvale</source>
        <translation>Sorvale</translation>
    </message>
    <message>
        <source>Storage care</source>
        <translation>Speicherpflege</translation>
    </message>
    <message>
        <source>TOOLS</source>
        <translation>WERKZEUGE</translation>
    </message>
    <message>
        <source>Review before removing</source>
        <translation>Erst prüfen, dann entfernen</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Scan läuft</translation>
    </message>
</context>
<context>
    <name>SortOrder</name>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
</context>
<context>
    <name>UpdateAlertDialog</name>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Website besuchen</translation>
    </message>
    <message>
        <source>Install &amp; Restart</source>
        <translation>Installieren und neu starten</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>UpdaterTexts</name>
    <message>
        <source>Sorvale couldn&apos;t reach the update server. Check your connection and try again.</source>
        <translation>Sorvale konnte den Aktualisierungsserver nicht erreichen. Prüfen Sie Ihre Verbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Herunterladen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Sorvale %1 has been downloaded and verified. Install it now? Sorvale will restart automatically.</source>
        <translation>Sorvale %1 wurde heruntergeladen und überprüft. Jetzt installieren? Sorvale startet automatisch neu.</translation>
    </message>
    <message>
        <source>Update ready</source>
        <translation>Aktualisierung bereit</translation>
    </message>
    <message>
        <source>Update check failed</source>
        <translation>Suche nach Aktualisierungen fehlgeschlagen</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Sorvale ist auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>Sorvale %1 is the latest version.</source>
        <translation>Sorvale %1 ist die neueste Version.</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Aktualisierung verfügbar</translation>
    </message>
    <message>
        <source>Sorvale %1 is available on the Sorvale website.</source>
        <translation>Sorvale %1 ist auf der Sorvale-Website erhältlich.</translation>
    </message>
    <message>
        <source>Sorvale %1 is ready. Download it now?</source>
        <translation>Sorvale %1 ist verfügbar. Jetzt herunterladen?</translation>
    </message>
    <message>
        <source>The helper script could not be written to %1: %2.</source>
        <translation>Das Hilfsskript konnte nicht nach %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The helper script %1 could not be written: %2.</source>
        <translation>Das Hilfsskript %1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Can&apos;t install update</source>
        <translation>Aktualisierung kann nicht installiert werden</translation>
    </message>
    <message>
        <source>Sorvale isn&apos;t installed in /Applications, so it can&apos;t replace itself.</source>
        <translation>Sorvale ist nicht in /Applications installiert und kann sich daher nicht selbst ersetzen.</translation>
    </message>
    <message>
        <source>This copy of Sorvale isn&apos;t in your Applications folder, so it can&apos;t update in place. Download the latest version from the Sorvale website instead.</source>
        <translation>Diese Kopie von Sorvale liegt nicht im Ordner „Programme“ und kann sich daher nicht selbst aktualisieren. Laden Sie stattdessen die neueste Version von der Sorvale-Website.</translation>
    </message>
    <message>
        <source>%1 is missing or cannot be run.</source>
        <translation>%1 fehlt oder kann nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>Could not start %1: %2.</source>
        <translation>%1 konnte nicht gestartet werden: %2.</translation>
    </message>
    <message>
        <source>Install failed</source>
        <translation>Installation fehlgeschlagen</translation>
    </message>
    <message>
        <source>Sorvale couldn&apos;t start the installer: %1</source>
        <translation>Sorvale konnte das Installationsprogramm nicht starten: %1</translation>
    </message>
    <message>
        <source>the archive entry &quot;%1&quot; would be written outside the update&apos;s folder.</source>
        <translation>Der Archiveintrag „%1“ würde außerhalb des Aktualisierungsordners geschrieben.</translation>
    </message>
    <message>
        <source>the archive link &quot;%1&quot; points outside the update&apos;s folder.</source>
        <translation>Die Verknüpfung „%1“ im Archiv zeigt aus dem Aktualisierungsordner hinaus.</translation>
    </message>
    <message>
        <source>the archive entry &quot;%1&quot; is not a file, folder or link.</source>
        <translation>Der Archiveintrag „%1“ ist weder Datei noch Ordner noch Verknüpfung.</translation>
    </message>
    <message>
        <source>%1 in the downloaded archive is a link.</source>
        <translation>%1 ist im heruntergeladenen Archiv eine Verknüpfung.</translation>
    </message>
    <message>
        <source>the archive entry &quot;%1&quot; would be written through a link.</source>
        <translation>Der Archiveintrag „%1“ würde über eine Verknüpfung geschrieben.</translation>
    </message>
    <message>
        <source>the archive entry &quot;%1&quot; lies inside a file.</source>
        <translation>Der Archiveintrag „%1“ liegt innerhalb einer Datei.</translation>
    </message>
    <message>
        <source>the archive could not be read (%1).</source>
        <translation>Das Archiv konnte nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>the archive holds &quot;%1&quot; more than once.</source>
        <translation>Das Archiv enthält „%1“ mehrfach.</translation>
    </message>
    <message>
        <source>the archive&apos;s central directory could not be read.</source>
        <translation>Das zentrale Verzeichnis des Archivs konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the archive&apos;s central directory names &quot;%1&quot;, which none of its entries is.</source>
        <translation>Das zentrale Verzeichnis des Archivs nennt „%1“, doch keiner seiner Einträge heißt so.</translation>
    </message>
    <message>
        <source>the unpacked archive could not be read (%1).</source>
        <translation>Das entpackte Archiv konnte nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Die Zeit für die Anfrage ist abgelaufen.</translation>
    </message>
    <message>
        <source>The download could not be stored in %1: %2.</source>
        <translation>Der Download konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The download could not be stored: %1.</source>
        <translation>Der Download konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The update server returned an invalid response.</source>
        <translation>Der Aktualisierungsserver hat eine ungültige Antwort gesendet.</translation>
    </message>
    <message>
        <source>The downloaded update failed verification: %1</source>
        <translation>Die heruntergeladene Aktualisierung hat die Überprüfung nicht bestanden: %1</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The update could not be moved to %1: %2.</source>
        <translation>Die Aktualisierung konnte nicht nach %1 verschoben werden: %2.</translation>
    </message>
    <message>
        <source>%1 was not found in the downloaded archive.</source>
        <translation>%1 wurde im heruntergeladenen Archiv nicht gefunden.</translation>
    </message>
    <message>
        <source>version mismatch (%1 instead of %2).</source>
        <translation>Die Version stimmt nicht überein (%1 statt %2).</translation>
    </message>
    <message>
        <source>the update isn&apos;t signed by the same developer.</source>
        <translation>Die Aktualisierung ist nicht vom selben Entwickler signiert.</translation>
    </message>
    <message>
        <source>%1 did not finish in time.</source>
        <translation>%1 ist nicht rechtzeitig fertig geworden.</translation>
    </message>
    <message>
        <source>The update was cancelled.</source>
        <translation>Die Aktualisierung wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>VolumeBar</name>
    <message>
        <source>Home volume: %1 used, of which %2 could be reclaimed, %3 free of %4</source>
        <translation>Benutzervolume: %1 belegt, davon %2 freizugeben, %3 von %4 frei</translation>
    </message>
    <message>
        <source>Home volume: %1 used, %2 free of %3</source>
        <translation>Benutzervolume: %1 belegt, %2 von %3 frei</translation>
    </message>
    <message>
        <source>%1 used</source>
        <translation>%1 belegt</translation>
    </message>
    <message>
        <source>%1 reclaimable</source>
        <translation>%1 freizugeben</translation>
    </message>
    <message>
        <source>%1 free of %2</source>
        <translation>%1 von %2 frei</translation>
    </message>
</context>
<context>
    <name>sorvale::store::CleanupStore</name>
    <message>
        <source>Choose a folder to analyze</source>
        <translation>Einen Ordner zur Analyse wählen</translation>
    </message>
    <message>
        <source>Sorvale will only read file sizes. Nothing is selected for removal automatically.</source>
        <translation>Sorvale liest nur Dateigrößen. Nichts wird automatisch zum Entfernen ausgewählt.</translation>
    </message>
    <message>
        <source>Scan Folder</source>
        <translation>Ordner scannen</translation>
    </message>
    <message>
        <source>Analyzing %1…</source>
        <translation>%1 wird analysiert…</translation>
    </message>
    <message>
        <source>Scanning Downloads…</source>
        <translation>Downloads werden gescannt…</translation>
    </message>
    <message>
        <source>Checking Trash…</source>
        <translation>Papierkorb wird geprüft…</translation>
    </message>
    <message>
        <source>Finding applications, support files and installers…</source>
        <translation>Anwendungen, Supportdateien und Installationsdateien werden gesucht…</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Wird gestartet…</translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) examined</source>
        <translation>
            <numerusform>%Ln Eintrag untersucht</numerusform>
            <numerusform>%Ln Einträge untersucht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s), %1 found</source>
        <translation>
            <numerusform>%Ln Objekt, %1 gefunden</numerusform>
            <numerusform>%Ln Objekte, %1 gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>%1 gefunden</translation>
    </message>
    <message>
        <source>Files of at least %1 in %2</source>
        <translation>Dateien ab %1 in %2</translation>
    </message>
    <message>
        <source>Putting items back…</source>
        <translation>Objekte werden zurückgelegt…</translation>
    </message>
</context>
<context>
    <name>sorvale::ui::ResultsList</name>
    <message>
        <source>potential savings</source>
        <translation>mögliche Ersparnis</translation>
    </message>
    <message>
        <source>Close %1 first</source>
        <translation>Zuerst %1 beenden</translation>
    </message>
</context>
</TS>
