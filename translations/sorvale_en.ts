<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ApplicationsSummary</name>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n app(s) found</source>
        <translation>
            <numerusform>%n app found</numerusform>
            <numerusform>%n apps found</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BottomBar</name>
    <message numerus="yes">
        <source>%n selected · %1</source>
        <translation>
            <numerusform>%n selected · %1</numerusform>
            <numerusform>%n selected · %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected in all groups · %1</source>
        <translation>
            <numerusform>%n selected in all groups · %1</numerusform>
            <numerusform>%n selected in all groups · %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ByteCountTexts</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CleanupBrowser</name>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CleanupSummary</name>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deep scan complete · %n cleanup candidate(s)</source>
        <translation>
            <numerusform>Deep scan complete · %n cleanup candidate</numerusform>
            <numerusform>Deep scan complete · %n cleanup candidates</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemovalConfirmationDialog</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemovalTexts</name>
    <message numerus="yes">
        <source>Completed %n item(s) successfully.</source>
        <translation>
            <numerusform>Completed %n item successfully.</numerusform>
            <numerusform>Completed %n items successfully.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Completed %1; %n skipped. %2</source>
        <translation>
            <numerusform>Completed %1; %n skipped. %2</numerusform>
            <numerusform>Completed %1; %n skipped. %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put back %n item(s).</source>
        <translation>
            <numerusform>Put back %n item.</numerusform>
            <numerusform>Put back %n items.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put back %1 of %n item(s). %2</source>
        <translation>
            <numerusform>Put back %1 of %n item. %2</numerusform>
            <numerusform>Put back %1 of %n items. %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultRow</name>
    <message numerus="yes">
        <source>Includes %n matched support item(s)</source>
        <translation>
            <numerusform>Includes %n matched support item</numerusform>
            <numerusform>Includes %n matched support items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsView</name>
    <message numerus="yes">
        <source>%n location(s) were unavailable or changed during this scan</source>
        <translation>
            <numerusform>%n location was unavailable or changed during this scan</numerusform>
            <numerusform>%n locations were unavailable or changed during this scan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) · %1</source>
        <translation>
            <numerusform>%n item · %1</numerusform>
            <numerusform>%n items · %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionTexts</name>
    <message numerus="yes">
        <source>%n item(s), totaling %1. The system’s own tools remove them and may ask for an administrator password; they cannot be recovered from Trash.</source>
        <translation>
            <numerusform>%n item, totaling %1. The system’s own tools remove it and may ask for an administrator password; it cannot be recovered from Trash.</numerusform>
            <numerusform>%n items, totaling %1. The system’s own tools remove them and may ask for an administrator password; they cannot be recovered from Trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), totaling %1. Selected system storage is removed by the system’s own tools, which may ask for an administrator password, and cannot be recovered from Trash. Items already in Trash will be deleted permanently; other items will move to Trash.</source>
        <translation>
            <numerusform>%n item, totaling %1. Selected system storage is removed by the system’s own tools, which may ask for an administrator password, and cannot be recovered from Trash. Items already in Trash will be deleted permanently; other items will move to Trash.</numerusform>
            <numerusform>%n items, totaling %1. Selected system storage is removed by the system’s own tools, which may ask for an administrator password, and cannot be recovered from Trash. Items already in Trash will be deleted permanently; other items will move to Trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), totaling %1. Selected system storage is removed by the system’s own tools, which may ask for an administrator password, and cannot be recovered from Trash. Other items will move to Trash.</source>
        <translation>
            <numerusform>%n item, totaling %1. Selected system storage is removed by the system’s own tools, which may ask for an administrator password, and cannot be recovered from Trash. Other items will move to Trash.</numerusform>
            <numerusform>%n items, totaling %1. Selected system storage is removed by the system’s own tools, which may ask for an administrator password, and cannot be recovered from Trash. Other items will move to Trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), totaling %1. Items already in Trash will be deleted permanently; other items will move to Trash.</source>
        <translation>
            <numerusform>%n item, totaling %1. Items already in Trash will be deleted permanently; other items will move to Trash.</numerusform>
            <numerusform>%n items, totaling %1. Items already in Trash will be deleted permanently; other items will move to Trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), totaling %1. You can recover them from Trash until it is emptied.</source>
        <translation>
            <numerusform>%n item, totaling %1. You can recover it from Trash until it is emptied.</numerusform>
            <numerusform>%n items, totaling %1. You can recover them from Trash until it is emptied.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) will be optimized</source>
        <translation>
            <numerusform>%n item will be optimized</numerusform>
            <numerusform>%n items will be optimized</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) will be uninstalled</source>
        <translation>
            <numerusform>%n item will be uninstalled</numerusform>
            <numerusform>%n items will be uninstalled</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) will be deleted permanently</source>
        <translation>
            <numerusform>%n item will be deleted permanently</numerusform>
            <numerusform>%n items will be deleted permanently</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) will be moved to macOS Trash</source>
        <translation>
            <numerusform>%n item will be moved to macOS Trash</numerusform>
            <numerusform>%n items will be moved to macOS Trash</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) will be moved to the Trash</source>
        <translation>
            <numerusform>%n item will be moved to the Trash</numerusform>
            <numerusform>%n items will be moved to the Trash</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sorvale will remove non-native executable slices from %n item(s), reclaiming up to %1. Running apps are skipped, and signed apps are restored automatically if verification fails. This optimization cannot be undone.</source>
        <translation>
            <numerusform>Sorvale will remove non-native executable slices from %n item, reclaiming up to %1. Running apps are skipped, and signed apps are restored automatically if verification fails. This optimization cannot be undone.</numerusform>
            <numerusform>Sorvale will remove non-native executable slices from %n items, reclaiming up to %1. Running apps are skipped, and signed apps are restored automatically if verification fails. This optimization cannot be undone.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s), totaling %1. Items deleted from Trash cannot be recovered or put back.</source>
        <translation>
            <numerusform>%n item, totaling %1. Items deleted from Trash cannot be recovered or put back.</numerusform>
            <numerusform>%n items, totaling %1. Items deleted from Trash cannot be recovered or put back.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>sorvale::store::CleanupStore</name>
    <message numerus="yes">
        <source>%Ln entry(s) examined</source>
        <translation>
            <numerusform>%Ln entry examined</numerusform>
            <numerusform>%Ln entries examined</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s), %1 found</source>
        <translation>
            <numerusform>%Ln item, %1 found</numerusform>
            <numerusform>%Ln items, %1 found</numerusform>
        </translation>
    </message>
</context>
</TS>
