#pragma once

// Blocks of a few megabytes and more come straight from the system and go back
// to it when freed. Call first thing in main, before any thread starts.
void ReturnLargeBlocksToTheSystem();

// Gives the system back what the heap holds free, such as what a set-up
// allocated for a while and let go.
void ReturnFreedMemoryToTheSystem();
