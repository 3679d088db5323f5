#include "RemovalConfirmation.h"

#include "Formatting.h"

namespace sorvale::ui {

void RemovalConfirmation::setStore(store::CleanupStore* store) {
    if (store == store_) {
        return;
    }
    if (store_) {
        disconnect(store_, nullptr, this, nullptr);
    }
    store_ = store;
    if (store_) {
        for (const auto signal : {&store::CleanupStore::selectedItemsChanged,
                                  &store::CleanupStore::selectedSizeChanged}) {
            connect(store_, signal, this, &RemovalConfirmation::textChanged);
        }
    }
    emit storeChanged();
    emit textChanged();
}

bool RemovalConfirmation::offersAppManagement() const {
    return store_ && store_->selectionIsOnly(model::CleanupCategory::installedApplications);
}

RemovalConfirmation::Rule RemovalConfirmation::rule() const {
    if (store_ && store_->hasOptimizationSelection()) {
        return Rule::optimize;
    }
    if (offersAppManagement()) {
        return Rule::uninstall;
    }
    if (store_ && store_->hasMailSelection()) {
        return Rule::mail;
    }
    if (store_ && store_->hasManagedXcodeSelection()) {
        return Rule::xcode;
    }
    if (store_ && store_->hasPermanentSelection()) {
        return Rule::permanent;
    }
    return Rule::trash;
}

QString RemovalConfirmation::title() const {
    switch (rule()) {
    case Rule::optimize:
        return "Optimize selected applications?";
    case Rule::uninstall:
        return "Uninstall selected applications?";
    case Rule::mail:
        return "Remove downloaded Mail attachments?";
    case Rule::xcode:
    case Rule::permanent:
        return "Remove selected items?";
    case Rule::trash:
        break;
    }
    return "Move selected items to Trash?";
}

QString RemovalConfirmation::message() const {
    const QString n = QString::number(store_ ? store_->selectedCount() : 0);
    const QString s = Formatting::byteCount(store_ ? store_->selectedSize() : 0);
    switch (rule()) {
    case Rule::optimize:
        return "Sorvale will remove non-native executable slices from " + n +
               " selected item(s), reclaiming up to " + s +
               ". Running apps are skipped, and signed apps are restored automatically if "
               "verification fails. This optimization cannot be undone.";
    case Rule::uninstall:
        return "Sorvale will move the selected application bundles and their matched caches, "
               "preferences, logs, saved state, and support folders to Trash. macOS may ask for "
               "App "
               "Management permission because this allows Sorvale to delete other apps. Running "
               "applications are skipped; everything remains recoverable until Trash is emptied.";
    case Rule::mail:
        return "Quit Apple Mail first. Selected downloaded attachment copies will move to Trash. "
               "Server-synced attachments can normally be downloaded again, but locally stored or "
               "POP mail may not be recoverable from the server.";
    case Rule::xcode:
        return QString::fromUtf8(
            "Selected simulator runtimes, devices, and shared caches will be removed through "
            "Apple\u2019s CoreSimulator tools. Affected simulators may be shut down, and deleted "
            "runtime or device data cannot be recovered from Trash.");
    case Rule::permanent:
        return n + " item(s), totaling " + s +
               ". Items already in Trash will be deleted permanently; other items will move to "
               "Trash.";
    case Rule::trash:
        break;
    }
    return n + " item(s), totaling " + s + ". You can recover them from Trash until it is emptied.";
}

} // namespace sorvale::ui
