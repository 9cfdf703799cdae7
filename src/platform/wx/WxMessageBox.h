#pragma once

// Routes ShowMessageBox() to real modal wx message boxes.
void InstallWxMessageBoxes();
