#pragma once

// Speaks the user's language: the locale the environment names, the toolkit's
// own catalog for its buttons and choosers, and ours, which Tr() and _() then
// read. Our catalog is looked for beside the program first (the build folder
// holds one), then where it is installed. Called once, before any text shows.
void UseTheUsersLanguage();
