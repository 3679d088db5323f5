#pragma once

#include <QObject>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

namespace sorvale::ui {

// The model's display tables, for QML: the sidebar's sections with their titles and symbols.
class ModelTables : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Tables)
    QML_SINGLETON
    // [{section, title, symbol}] in sidebar order.
    Q_PROPERTY(QVariantList sections READ sections CONSTANT)

public:
    using QObject::QObject;

    [[nodiscard]] static QVariantList sections();
};

} // namespace sorvale::ui
