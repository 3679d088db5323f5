// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "AccessGate.h"
#include "Navigation.h"
#include "ScanLists.h"
#include "model/HomeLayout.h"

#include <QString>
#include <QVariantMap>

namespace sorvale::store {

// What the window shows for the store's state, decided here so that the views only bind: which
// content fills the window, which panel each dashboard shows, and the results list's heading,
// its way back, and what it says when it holds nothing.
struct Screen {
    QString content;           // overview, cleanup, applications or results
    QString cleanupPanel;      // access, checking, review, scanning, ready or summary
    QString applicationsPanel; // access, checking, scanning, welcome or results
    QString title;
    QString subtitle;
    bool canGoBack = false;
    QString backToolTip;
    QString emptySymbol;
    QString emptyTitle;
    QString emptyText;
    QString emptyAction;

    bool operator==(const Screen&) const = default;
    [[nodiscard]] QVariantMap toVariant() const;
};

// In the words of the home layout `layout`; `largeFilesFolder` names the folder the last Large
// Files scan searched.
[[nodiscard]] Screen present(const Navigation& navigation, const AccessGate::State& access,
                             const ScanLists& lists, model::HomeLayout layout,
                             const QString& largeFilesFolder = {});

} // namespace sorvale::store
