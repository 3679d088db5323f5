// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ModelTexts.h"

#include "StoreValues.h"
#include "model/ByteCountFormat.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <string>

namespace sorvale::store {
namespace {

QString translated(const char* context, std::string_view text) {
    const std::string source(text);
    return QCoreApplication::translate(context, source.c_str());
}

// Named as its translation context, which is what lupdate takes where it cannot follow the
// declaration.
struct ByteCountTexts {
    Q_DECLARE_TR_FUNCTIONS(ByteCountTexts)
};

// One pattern per unit: some languages have their own unit symbols.
constexpr std::array<std::pair<std::string_view, const char*>, 6> kUnitPatterns{{
    {"KB", QT_TRANSLATE_NOOP("ByteCountTexts", "%1 KB")},
    {"MB", QT_TRANSLATE_NOOP("ByteCountTexts", "%1 MB")},
    {"GB", QT_TRANSLATE_NOOP("ByteCountTexts", "%1 GB")},
    {"TB", QT_TRANSLATE_NOOP("ByteCountTexts", "%1 TB")},
    {"PB", QT_TRANSLATE_NOOP("ByteCountTexts", "%1 PB")},
    {"EB", QT_TRANSLATE_NOOP("ByteCountTexts", "%1 EB")},
}};

} // namespace

QString titleText(model::CleanupCategory category) {
    return translated("CleanupCategory", model::title(category));
}

QString subtitleText(model::CleanupCategory category, model::HomeLayout layout) {
    return translated("CleanupCategory", model::subtitle(category, layout));
}

QString titleText(model::CleanupGroup group) {
    return translated("CleanupGroup", model::title(group));
}

QString subtitleText(model::CleanupGroup group) {
    return translated("CleanupGroup", model::subtitle(group));
}

QString titleText(model::AppSection section) {
    return translated("AppSection", model::title(section));
}

QString labelText(model::SortOrder order) {
    return translated("SortOrder", model::rawValue(order));
}

QString messageText(const model::Message& message) {
    const QString pattern = translated(std::string(message.context).c_str(), message.pattern);
    // One pass, as model::Message::english does: a file name that holds "%2" stays as it is.
    QString text;
    for (qsizetype at = 0; at < pattern.size(); ++at) {
        const QChar c = pattern[at];
        if (c == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' &&
            pattern[at + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[at + 1].unicode() - '1');
            if (index < message.arguments.size()) {
                text += displayText(message.arguments[index]);
                ++at;
                continue;
            }
            if (index - message.arguments.size() < message.sentences.size()) {
                text += messageText(message.sentences[index - message.arguments.size()]);
                ++at;
                continue;
            }
        }
        text += c;
    }
    return text;
}

QString nameText(const model::CleanupItem& item) {
    return item.nameParts ? messageText(*item.nameParts) : displayText(item.name);
}

QString byteCountText(std::int64_t bytes) {
    const model::ByteCountParts parts = model::byteCountParts(bytes);
    const QLocale locale;
    const QString sign = parts.negative ? locale.negativeSign() : QString();
    switch (parts.kind) {
    case model::ByteCountParts::Kind::zero:
        return ByteCountTexts::tr("Zero KB");
    case model::ByteCountParts::Kind::bytes:
        return sign + ByteCountTexts::tr("%n byte(s)", "", static_cast<int>(parts.whole));
    case model::ByteCountParts::Kind::units:
        break;
    }
    QString number = QString::number(parts.whole);
    if (!parts.fraction.empty()) {
        number += locale.decimalPoint() + QString::fromStdString(parts.fraction);
    }
    for (const auto& [unit, pattern] : kUnitPatterns) {
        if (unit == parts.unit) {
            return sign + QCoreApplication::translate("ByteCountTexts", pattern).arg(number);
        }
    }
    return sign + number + QChar(' ') + QString::fromUtf8(parts.unit.data(), parts.unit.size());
}

} // namespace sorvale::store
