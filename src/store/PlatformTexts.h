// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/HomeLayout.h"

#include <QVariantMap>

#include <string>

namespace sorvale::store {

// What the window says that depends on the home layout: its platform's names for things, whether
// there are access permissions to ask for, and the sentences that name what a scan of the layout
// looks through. Each layout has its own sentences rather than words patched into one: a Linux
// home has no simulators, backups or Mail to speak of.
//
// {layout, computer, trash, fileManager, installers, hasAccessPermissions, revealAction,
//  scanScope, scanProgress, quickCleanNote, unavailableNote, leftoversText, applicationsNote,
//  onboarding: [{eyebrow, title, body, imageName, highlights}]}
[[nodiscard]] QVariantMap platformTexts(model::HomeLayout layout);

// The label of a Smart Cleanup scan while it runs.
[[nodiscard]] std::string junkScanLabel(model::HomeLayout layout);

} // namespace sorvale::store
