#pragma once

// Speaks the user's language: the locale the environment names, the toolkit's
// own catalog for its buttons and choosers, and ours, which Tr() and _() then
// read. Called once, before any text shows.
void UseTheUsersLanguage();
