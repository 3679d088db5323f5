#pragma once

#include "store/CleanupStore.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace sorvale::ui {

// What the confirmation before a removal says, from the store's selection: the first rule that
// holds (optimisation, uninstall, Mail, Xcode, permanent, Trash) chooses title and message.
class RemovalConfirmation : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(sorvale::store::CleanupStore* store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(QString title READ title NOTIFY textChanged)
    Q_PROPERTY(QString message READ message NOTIFY textChanged)
    // Only a selection of installed applications alone offers the App Management settings.
    Q_PROPERTY(bool offersAppManagement READ offersAppManagement NOTIFY textChanged)

public:
    using QObject::QObject;

    [[nodiscard]] store::CleanupStore* store() const { return store_; }
    void setStore(store::CleanupStore* store);

    [[nodiscard]] QString title() const;
    [[nodiscard]] QString message() const;
    [[nodiscard]] bool offersAppManagement() const;

signals:
    void storeChanged();
    void textChanged();

private:
    enum class Rule { optimize, uninstall, mail, xcode, permanent, trash };
    [[nodiscard]] Rule rule() const;

    QPointer<store::CleanupStore> store_;
};

} // namespace sorvale::ui
