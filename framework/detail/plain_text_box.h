#pragma once

#include <QString>

class QPlainTextEdit;

namespace detail {

// Prepares a multi-line box for text that changes at its end, a few characters at a time,
// and grows long: the toolkit lays a paragraph out anew, whole, on every change, so the
// box keeps that layout for painting and cursor placement instead of working it out again,
// takes plain glyph lookups where the script allows, and keeps no undo history.
void PrepareForGrowingText(QPlainTextEdit& box);

// Replaces the text of `box` by changing only the part after what the old and the new text
// have in common, in one edit; then scrolls so that the end shows. The layout is worked out
// once per change, and the user's selection survives where the text before it stays.
void ReplacePlainText(QPlainTextEdit& box, const QString& text);

}  // namespace detail
