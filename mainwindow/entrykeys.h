// How the entry row reads a key press: the character a calculator key types, or a key left to the control.
#pragma once

#include <optional>

#include "engine/calculation.h"

class QKeyEvent;

// The character that a key press types, as the entry row's key handlers read it: printable
// characters, '\b' for Backspace, '\r' for Enter and Return, '\x1b' for Escape. A character outside
// ASCII reads as '\x7f', a key that belongs to no handler. Empty for keys that type nothing (caret
// keys, Delete, function keys), for Tab, and for command chords (Ctrl, Alt or Meta held), which
// belong to the window's shortcuts.
std::optional<char> TypedCharacter(const QKeyEvent &event);

// Ctrl, Alt or Meta held, except the Ctrl+Alt pair that some keyboards use for AltGr characters.
bool IsCommandChord(const QKeyEvent &event);

// Keys that only move the caret or the selection (arrows, Home, End, with or without Shift).
bool IsCaretKey(const QKeyEvent &event);

// Keys of a field's chord that never change its text: copy and select all.
bool IsReadingChord(const QKeyEvent &event);

// The operator keys of the entry row: "+", "-", "*", "/", "~" and the grave accent ("%" has rules
// of its own, and "x" is a plain letter there).
std::optional<Operator> OperatorKey(char key);

// The recall letters D, I, O, P and T, in either case.
bool IsRecallKey(char key);
