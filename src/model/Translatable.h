// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

// Marks a text of the model's tables as one the window translates. The model has no Qt, so this
// only stands for the text; lupdate reads it as QT_TRANSLATE_NOOP (the translations' build gives
// it that alias), and the store translates the text in the same context where it crosses into
// Qt. The CLI prints the English text as it is.
#define SORVALE_TRANSLATABLE(context, text) text
