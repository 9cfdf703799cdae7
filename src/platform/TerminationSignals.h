#pragma once
void InstallTerminationSignals();
bool TerminationRequested();
