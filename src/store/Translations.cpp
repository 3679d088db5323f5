// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace sorvale::store {
namespace {

// Built from translations/sorvale_<language>.ts and embedded.
constexpr const char* kCatalogues = ":/i18n";

struct Installed {
    std::unique_ptr<QTranslator> ours;
    std::unique_ptr<QTranslator> qts;
};

Installed& installed() {
    static Installed translators;
    return translators;
}

void replace(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> translator) {
    if (slot) {
        QCoreApplication::removeTranslator(slot.get());
    }
    slot = std::move(translator);
    if (slot) {
        QCoreApplication::installTranslator(slot.get());
    }
}

} // namespace

QString installTranslations(const QLocale& locale) {
    QLocale::setDefault(locale);
    auto ours = std::make_unique<QTranslator>();
    if (!ours->load(locale, "sorvale", "_", kCatalogues) &&
        !ours->load("sorvale_en", kCatalogues)) {
        ours.reset();
    }
    const QString language = ours ? QLocale(ours->language()).name().section('_', 0, 0) : "";
    // Qt's own texts (a dialog's buttons) in the same language as ours, not in a language of
    // `locale` that we have no catalogue for.
    auto qts = std::make_unique<QTranslator>();
    if (language.isEmpty() ||
        !qts->load("qt_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qts.reset();
    }
    replace(installed().ours, std::move(ours));
    replace(installed().qts, std::move(qts));
    return language;
}

} // namespace sorvale::store
