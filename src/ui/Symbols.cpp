// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Symbols.h"

#include <algorithm>
#include <array>
#include <utility>

namespace sorvale::ui {
namespace {

// Symbol name → icon of the bundled Bootstrap Icons set (MIT licence, icons/LICENSE).
constexpr std::array<std::pair<std::string_view, std::string_view>, 50> kIcons{{
    {"app.badge", "app-indicator"},
    {"app.badge.checkmark", "check2-square"},
    {"archivebox.fill", "archive-fill"},
    {"arrow.clockwise", "arrow-clockwise"},
    {"arrow.down.circle.fill", "arrow-down-circle-fill"},
    {"checkmark.circle", "check-circle"},
    {"checkmark.circle.fill", "check-circle-fill"},
    {"checkmark.shield", "shield-check"},
    {"checkmark.shield.fill", "shield-fill-check"},
    {"checkmark.square", "check-square"},
    {"checkmark.square.fill", "check-square-fill"},
    {"chevron.left", "chevron-left"},
    {"chevron.left.forwardslash.chevron.right", "code-slash"},
    {"chevron.right", "chevron-right"},
    {"cpu.fill", "cpu-fill"},
    {"doc.richtext.fill", "file-richtext-fill"},
    {"doc.text.fill", "file-text-fill"},
    {"envelope.fill", "envelope-fill"},
    {"exclamationmark.shield.fill", "shield-fill-exclamation"},
    {"exclamationmark.triangle", "exclamation-triangle"},
    {"exclamationmark.triangle.fill", "exclamation-triangle-fill"},
    {"externaldrive.fill", "hdd-fill"},
    {"externaldrive.fill.badge.timemachine", "clock-history"},
    {"folder", "folder"},
    {"folder.badge.questionmark", "folder-x"},
    {"folder.fill", "folder-fill"},
    {"gauge.with.dots.needle.67percent", "speedometer2"},
    {"gearshape.2.fill", "gear-wide-connected"},
    {"hammer.fill", "hammer"},
    {"info.circle", "info-circle"},
    {"iphone.and.arrow.forward", "phone-vibrate"},
    {"iphone.gen3", "phone-fill"},
    {"lock.shield.fill", "shield-lock-fill"},
    {"macwindow.on.rectangle", "window-stack"},
    {"magnifyingglass", "search"},
    {"network", "globe"},
    {"puzzlepiece.extension.fill", "puzzle-fill"},
    {"safari.fill", "browser-safari"},
    {"shippingbox.and.arrow.backward.fill", "box-arrow-in-down"},
    {"shippingbox.fill", "box-seam-fill"},
    {"sparkles", "stars"},
    {"sparkles.rectangle.stack.fill", "magic"},
    {"square", "square"},
    {"square.grid.2x2", "grid"},
    {"square.grid.2x2.fill", "grid-fill"},
    {"square.stack.3d.up.fill", "stack"},
    {"trash", "trash"},
    {"trash.fill", "trash-fill"},
    {"tray.full.fill", "inbox-fill"},
    {"xmark.circle.fill", "x-circle-fill"},
}};

} // namespace

std::optional<std::string_view> Symbols::iconName(std::string_view symbol) {
    const auto found = std::find_if(kIcons.begin(), kIcons.end(),
                                    [&](const auto& entry) { return entry.first == symbol; });
    return found != kIcons.end() ? std::optional(found->second) : std::nullopt;
}

QUrl Symbols::source(const QString& name) {
    const auto icon = iconName(name.toStdString());
    if (!icon) {
        return {};
    }
    return QUrl("qrc:/qt/qml/Sorvale/icons/" +
                QString::fromLatin1(icon->data(), static_cast<qsizetype>(icon->size())) + ".svg");
}

} // namespace sorvale::ui
