#include "ModelTables.h"

#include "model/AppSection.h"

namespace sorvale::ui {
namespace {

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

} // namespace

QVariantList ModelTables::sections() {
    QVariantList sections;
    for (const model::AppSection section : model::allCases<model::AppSection>()) {
        sections.append(QVariantMap{{"section", text(model::rawValue(section))},
                                    {"title", text(model::title(section))},
                                    {"symbol", text(model::symbol(section))}});
    }
    return sections;
}

} // namespace sorvale::ui
