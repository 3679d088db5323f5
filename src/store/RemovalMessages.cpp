// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "RemovalMessages.h"

#include "ModelTexts.h"
#include "StoreValues.h"

#include <QCoreApplication>

namespace sorvale::store {
namespace {

// Named as its translation context, which is what lupdate takes where it cannot follow the
// declaration.
struct RemovalTexts {
    Q_DECLARE_TR_FUNCTIONS(RemovalTexts)
};

} // namespace

QString removalSummary(const cleanup::RemovalOutcome& outcome, std::size_t itemCount) {
    const std::int64_t failures = outcome.skipped + outcome.failed;
    const std::int64_t completed = static_cast<std::int64_t>(itemCount) - failures;
    if (failures == 0) {
        return RemovalTexts::tr("Completed %n item(s) successfully.", "",
                                static_cast<int>(completed));
    }
    const QString first = outcome.firstMessageParts
                              ? messageText(*outcome.firstMessageParts)
                              : displayText(outcome.firstMessage.value_or(""));
    return RemovalTexts::tr("Completed %1; %n skipped. %2", "", static_cast<int>(failures))
        .arg(QString::number(completed), first)
        .trimmed();
}

QString putBackSummary(const cleanup::PutBackOutcome& outcome, std::size_t itemCount) {
    const auto restored = static_cast<int>(outcome.restored.size());
    if (outcome.failed == 0) {
        return RemovalTexts::tr("Put back %n item(s).", "", restored);
    }
    return RemovalTexts::tr("Put back %1 of %n item(s). %2", "", static_cast<int>(itemCount))
        .arg(QString::number(restored), outcome.firstMessageParts
                                            ? messageText(*outcome.firstMessageParts)
                                            : displayText(outcome.firstMessage.value_or("")))
        .trimmed();
}

} // namespace sorvale::store
