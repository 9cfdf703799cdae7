#pragma once

#include <string>
#include <vector>

class ProfileText;

// Where a dialog keeps a list of the user's files in the settings file: its
// section and the noun of its keys "Random<Noun>", "Cyc<Noun>",
// "Repeat<Noun>", "Own<Noun>", "<Noun>Sum", "<Noun>List0", "<Noun>List1", ...
struct ListSectionKeys {
    const char* section;
    const char* noun;
};

// The list and how to go through it, as the Custom Music and Custom Background
// dialogs keep them.
struct ListSection {
    // The order in which the rows take turns.
    enum PlayMode { kRepeatOne = 0, kRepeatAll = 1, kRandom = 2 };

    bool randomOrder = false;       // "Random<Noun>"
    bool repeatAll = false;         // "Cyc<Noun>"
    bool repeatOne = false;         // "Repeat<Noun>"
    bool ownOn = false;             // "Own<Noun>": the dialog's "use my own" box
    std::vector<std::string> rows;  // "<Noun>Sum", "<Noun>List0", ...

    // With no box on Repeat One stands; Random wins over Repeat All over Repeat One.
    PlayMode Mode() const { return randomOrder ? kRandom : repeatAll ? kRepeatAll : kRepeatOne; }
    void SetMode(PlayMode mode) {
        randomOrder = mode == kRandom;
        repeatAll = mode == kRepeatAll;
        repeatOne = mode == kRepeatOne;
    }
};

// At most this many rows are read, however large "<Noun>Sum" is: the music
// dialog lists them all at start-up, and a list control takes seconds for
// ten thousand.
inline constexpr int kMaxListRows = 1000;

// Flags count as set when their text reads as exactly 1. Rows whose key is
// missing are skipped.
ListSection ReadListSection(const ProfileText& profile, const ListSectionKeys& keys);
// The four flags, in the dialogs' order.
void WriteListFlags(const ListSection& list, ProfileText& profile, const ListSectionKeys& keys);
// The count and then each row; keys of a longer earlier list stay.
void WriteListRows(const ListSection& list, ProfileText& profile, const ListSectionKeys& keys);
