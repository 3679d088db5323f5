// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ModelTables.h"

#include "model/AppSection.h"
#include "model/CleanupCategory.h"
#include "store/StoreValues.h"

namespace sorvale::ui {
namespace {

QString text(std::string_view value) {
    return store::displayText(value);
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

QVariantMap ModelTables::category(const QString& category, const QString& layout) {
    const auto value = store::fromRawText<model::CleanupCategory>(category);
    const auto homeLayout = store::fromRawText<model::HomeLayout>(layout);
    if (!value || !homeLayout) {
        return {};
    }
    return {{"title", text(model::title(*value))},
            {"subtitle", text(model::subtitle(*value, *homeLayout))},
            {"symbol", text(model::icon(*value))},
            {"tint", store::rawText(model::tint(*value))}};
}

} // namespace sorvale::ui
