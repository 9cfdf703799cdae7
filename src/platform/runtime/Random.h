#pragma once

// The process-wide random generator. It reproduces the Windows C runtime's
// rand(): state 1 at start, never seeded, results 0..32767. Every random choice
// of the aquarium draws from this one stream, in a fixed order, so each run
// makes the same choices.
int CrtRand();

// The generator's internal state, for tests that pin the stream's position.
unsigned CrtRandState();

// Puts the stream back to its start-up state. For tests only.
void ResetCrtRand();
