// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/HomeLayout.h"

#include <QString>
#include <QVariantMap>

namespace sorvale::store {

// What the window says that depends on the home layout: whether there are access permissions to
// ask for, and the sentences that name its platform's things (the computer, the Trash, the file
// manager, installers) or what a scan of the layout looks through. Each layout has whole
// sentences of its own rather than words patched into one: a Linux home has no simulators,
// backups or Mail to speak of, and a word's form depends on its sentence in other languages.
// Translated when asked for.
//
// {layout, hasAccessPermissions, revealAction, scanScope, scanProgress, quickCleanNote,
//  unavailableNote, overviewIntro, trashPromise, keepWorking, privacyNote, installersNote,
//  leftoversText, applicationsNote,
//  onboarding: [{eyebrow, title, body, imageName, highlights}]}
[[nodiscard]] QVariantMap platformTexts(model::HomeLayout layout);

// The label of a Smart Cleanup scan while it runs.
[[nodiscard]] QString junkScanLabel(model::HomeLayout layout);
// The subtitle of the installation files' list.
[[nodiscard]] QString installersReview(model::HomeLayout layout);

} // namespace sorvale::store
